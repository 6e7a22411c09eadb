#include "fitting/LinearColumns.h"

#include <algorithm>

namespace Fitting {

// The normal equations of the columns scaled to unit norm: a few columns
// over many points cost a few products, not a factorisation of the tall
// matrix. A second solve on the residual of the first recovers the digits
// that the squared condition of the normal equations costs.
LinearColumns::LinearColumns(const Eigen::Ref<const Eigen::MatrixXd> &columns)
    : columns_(columns)
    , rows_(size_t(columns.cols()))
    , inverseNorm_(columns.cols())
{
    const Eigen::Index n = columns.cols();
    for (Eigen::Index j = 0; j < n; ++j) {
        const auto column = columns.col(j);
        Eigen::Index first = 0, last = column.size();
        while (first < last && column[first] == 0.0)
            ++first;
        while (last > first && column[last - 1] == 0.0)
            --last;
        rows_[size_t(j)] = {first, last - first};
        const double norm = column.segment(first, last - first).norm();
        inverseNorm_[j] = norm > 0.0 ? 1.0 / norm : 0.0;
    }
    Eigen::MatrixXd normal = Eigen::MatrixXd::Zero(n, n);
    for (Eigen::Index i = 0; i < n; ++i)
        for (Eigen::Index j = 0; j <= i; ++j) {
            const Eigen::Index first = std::max(rows_[size_t(i)].first, rows_[size_t(j)].first);
            const Eigen::Index end = std::min(rows_[size_t(i)].first + rows_[size_t(i)].count,
                                              rows_[size_t(j)].first + rows_[size_t(j)].count);
            if (end > first)
                normal(i, j) = normal(j, i) =
                    columns.col(i).segment(first, end - first).dot(columns.col(j).segment(first, end - first))
                    * inverseNorm_[i] * inverseNorm_[j];
        }
    normal_.compute(normal);
}

Eigen::MatrixXd LinearColumns::solveScaled(const Eigen::Ref<const Eigen::MatrixXd> &rhs) const
{
    Eigen::MatrixXd projection(columns_.cols(), rhs.cols());
    for (Eigen::Index j = 0; j < columns_.cols(); ++j) {
        const Rows &r = rows_[size_t(j)];
        for (Eigen::Index k = 0; k < rhs.cols(); ++k)
            projection(j, k) = columns_.col(j).segment(r.first, r.count).dot(rhs.col(k).segment(r.first, r.count))
                               * inverseNorm_[j];
    }
    return inverseNorm_.asDiagonal() * normal_.solve(projection);
}

Eigen::MatrixXd LinearColumns::project(Eigen::Ref<Eigen::MatrixXd> rhs) const
{
    Eigen::MatrixXd c = Eigen::MatrixXd::Zero(columns_.cols(), rhs.cols());
    for (int solve = 0; solve < 2; ++solve) {
        const Eigen::MatrixXd step = solveScaled(rhs);
        for (Eigen::Index j = 0; j < columns_.cols(); ++j) {
            const Rows &r = rows_[size_t(j)];
            for (Eigen::Index k = 0; k < rhs.cols(); ++k)
                rhs.col(k).segment(r.first, r.count) -= step(j, k) * columns_.col(j).segment(r.first, r.count);
        }
        c += step;
    }
    return c;
}

} // namespace Fitting
