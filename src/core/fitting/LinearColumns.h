#pragma once

#include <Eigen/Core>
#include <Eigen/QR>

#include <vector>

// The columns of a Jacobian that belong to parameters the curve is linear
// in (a trace's scale and baseline): the least-squares coefficients of any
// right-hand side on them, for solving those parameters in closed form and
// projecting the other columns off them.
namespace Fitting {

class LinearColumns
{
public:
    // The columns are kept by reference: they must outlive this object.
    explicit LinearColumns(const Eigen::Ref<const Eigen::MatrixXd> &columns);

    // Replaces each column of rhs by its part orthogonal to the columns,
    // rhs - columns c, and returns the c that minimises it (the smallest
    // such c where the columns are dependent).
    Eigen::MatrixXd project(Eigen::Ref<Eigen::MatrixXd> rhs) const;

private:
    // The rows where a column is not zero, first to last: a trace's own
    // parameter is zero on every other trace, and products skip those rows.
    struct Rows
    {
        Eigen::Index first = 0, count = 0;
    };

    Eigen::MatrixXd solveScaled(const Eigen::Ref<const Eigen::MatrixXd> &rhs) const;

    Eigen::Ref<const Eigen::MatrixXd> columns_;
    std::vector<Rows> rows_;
    Eigen::VectorXd inverseNorm_; // 1 / the norm of each column (0 for a zero column)
    Eigen::CompleteOrthogonalDecomposition<Eigen::MatrixXd> normal_;
};

} // namespace Fitting
