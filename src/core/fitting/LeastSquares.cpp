#include "fitting/LeastSquares.h"

#include <unsupported/Eigen/NonLinearOptimization>

#include <cmath>
#include <limits>
#include <utility>

namespace Fitting {
namespace {

// The free parameters as the solver sees them; the fixed ones stay in p.
// The solver asks for the Jacobian where its last trial step was accepted:
// a model with its own derivatives gives them with every trial's
// residuals, for one pass over the data per step instead of two.
struct SolverFunctor
{
    SolverFunctor(const LeastSquares &problem, const std::vector<int> &free, const Weights &weights,
                  std::vector<double> p)
        : problem(problem)
        , free(free)
        , weights(weights)
        , p(std::move(p))
    {
    }

    const LeastSquares &problem;
    const std::vector<int> &free;
    const Weights &weights;
    mutable std::vector<double> p;
    mutable bool analytic = true;
    mutable bool hasJacobian = false;
    mutable Eigen::VectorXd jacobianAt;
    mutable Eigen::MatrixXd jacobian;

    int values() const { return problem.points(); }

    void place(const Eigen::VectorXd &x) const
    {
        for (size_t i = 0; i < free.size(); ++i)
            p[size_t(free[i])] = x[Eigen::Index(i)];
    }

    // A trial step where the model cannot evaluate (or gives NaN or an
    // infinity) is rejected, not the end of the fit: residuals beyond any
    // finite ones make the solver shrink its step and go on. At the start,
    // where there is no step to shrink, the Jacobian (df) then ends the fit.
    int operator()(const Eigen::VectorXd &x, Eigen::VectorXd &residuals) const
    {
        place(x);
        hasJacobian = false;
        if (analytic) {
            jacobian.resize(values(), Eigen::Index(free.size()));
            hasJacobian = problem.evaluate(p, free, weights, residuals, &jacobian, &analytic) && analytic;
            jacobianAt = x;
        }
        if (!hasJacobian && !problem.evaluate(p, free, weights, residuals, nullptr))
            residuals.setConstant(std::numeric_limits<double>::max() / double(values() + 1));
        return 0;
    }

    int df(const Eigen::VectorXd &x, Eigen::MatrixXd &out) const
    {
        if (hasJacobian && x == jacobianAt) {
            out.swap(jacobian);
            hasJacobian = false;
            return 0;
        }
        place(x);
        Eigen::VectorXd residuals(values());
        return problem.evaluate(p, free, weights, residuals, &out, &analytic) ? 0 : -1;
    }
};

bool converged(Eigen::LevenbergMarquardtSpace::Status status)
{
    using namespace Eigen::LevenbergMarquardtSpace;
    // The tolerances asked for are below what double precision can still
    // improve: a stop on any of them is at the minimum too.
    switch (status) {
    case RelativeReductionTooSmall:
    case RelativeErrorTooSmall:
    case RelativeErrorAndReductionTooSmall:
    case CosinusTooSmall:
    case FtolTooSmall:
    case XtolTooSmall:
    case GtolTooSmall:
        return true;
    default:
        return false;
    }
}

// The step of a central difference: about the cube root of the precision,
// relative to the parameter.
double differenceStep(double value)
{
    constexpr double relative = 6e-6;
    return value != 0 ? relative * std::fabs(value) : relative;
}

} // namespace

LeastSquares::LeastSquares(const FitModel &model, const std::vector<FitDataSet> &sets)
    : model_(model)
    , sets_(sets)
{
    for (const FitDataSet &set : sets)
        points_ += int(set.x.size());
}

Weights LeastSquares::baseWeights() const
{
    Weights weights;
    for (const FitDataSet &set : sets_)
        weights.push_back(set.weight.empty() ? std::vector<double>(set.x.size(), 1.0) : set.weight);
    return weights;
}

std::vector<std::vector<double>> LeastSquares::curve(const std::vector<double> &p) const
{
    std::vector<std::vector<double>> values(sets_.size());
    for (size_t s = 0; s < sets_.size(); ++s)
        for (double x : sets_[s].x) {
            double y = std::numeric_limits<double>::quiet_NaN();
            model_.value(int(s), x, p, y, nullptr);
            values[s].push_back(y);
        }
    return values;
}

bool LeastSquares::gradientAt(int set, double x, const std::vector<double> &p, const std::vector<int> &free, double &y,
                              double *gradient, std::vector<double> &full, bool &analytic) const
{
    if (!gradient)
        return model_.value(set, x, p, y, nullptr);
    if (model_.value(set, x, p, y, full.data())) {
        for (size_t i = 0; i < free.size(); ++i)
            gradient[i] = full[size_t(free[i])];
        return true;
    }
    analytic = false;
    if (!model_.value(set, x, p, y, nullptr))
        return false;
    std::vector<double> shifted = p;
    for (size_t i = 0; i < free.size(); ++i) {
        const size_t j = size_t(free[i]);
        const double h = differenceStep(p[j]);
        double above = 0, below = 0;
        shifted[j] = p[j] + h;
        const bool upOk = model_.value(set, x, shifted, above, nullptr);
        shifted[j] = p[j] - h;
        const bool downOk = model_.value(set, x, shifted, below, nullptr);
        shifted[j] = p[j];
        if (!upOk || !downOk)
            return false;
        gradient[i] = (above - below) / (2 * h);
    }
    return true;
}

bool LeastSquares::evaluate(const std::vector<double> &p, const std::vector<int> &free, const Weights &weights,
                            Eigen::VectorXd &residuals, Eigen::MatrixXd *jacobian, bool *analytic) const
{
    Eigen::Index row = 0;
    std::vector<double> gradient(free.size()), full(p.size());
    bool ownDerivatives = true;
    for (size_t s = 0; s < sets_.size(); ++s) {
        for (size_t i = 0; i < sets_[s].x.size(); ++i, ++row) {
            double y = 0;
            if (!gradientAt(int(s), sets_[s].x[i], p, free, y, jacobian ? gradient.data() : nullptr, full,
                            ownDerivatives))
                return false;
            const double root = std::sqrt(weights[s][i]);
            residuals[row] = root * (y - sets_[s].y[i]);
            if (jacobian)
                for (size_t j = 0; j < free.size(); ++j)
                    (*jacobian)(row, Eigen::Index(j)) = root * gradient[j];
        }
    }
    if (analytic)
        *analytic = ownDerivatives;
    return residuals.allFinite() && (!jacobian || jacobian->allFinite());
}

double LeastSquares::residualSS(const std::vector<double> &p, const Weights &weights) const
{
    Eigen::VectorXd residuals(points_);
    if (!evaluate(p, {}, weights, residuals, nullptr))
        return std::numeric_limits<double>::infinity();
    return residuals.squaredNorm();
}

Eigen::MatrixXd LeastSquares::weightedJacobian(const std::vector<double> &p, const std::vector<int> &free,
                                               const Weights &weights) const
{
    Eigen::VectorXd residuals(points_);
    Eigen::MatrixXd jacobian(points_, Eigen::Index(free.size()));
    if (!evaluate(p, free, weights, residuals, &jacobian))
        jacobian.setConstant(std::numeric_limits<double>::quiet_NaN());
    return jacobian;
}

Minimum LeastSquares::minimize(std::vector<double> &p, const std::vector<int> &free, const Weights &weights,
                               double tolerance) const
{
    Minimum minimum;
    if (free.empty()) {
        minimum.residualSS = residualSS(p, weights);
        minimum.converged = std::isfinite(minimum.residualSS);
        return minimum;
    }
    SolverFunctor functor{*this, free, weights, p};
    Eigen::LevenbergMarquardt<SolverFunctor> solver(functor);
    solver.parameters.ftol = tolerance;
    solver.parameters.xtol = tolerance;
    solver.parameters.maxfev = 1000 * int(free.size());
    Eigen::VectorXd x(Eigen::Index(free.size()));
    for (size_t i = 0; i < free.size(); ++i)
        x[Eigen::Index(i)] = p[size_t(free[i])];
    const auto status = solver.minimize(x);
    minimum.evaluations = int(solver.nfev);
    functor.place(x);
    p = functor.p;
    minimum.residualSS = residualSS(p, weights);
    minimum.converged = converged(status) && x.allFinite() && std::isfinite(minimum.residualSS);
    return minimum;
}

} // namespace Fitting
