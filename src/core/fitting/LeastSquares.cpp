#include "fitting/LeastSquares.h"

#include "fitting/SolverFunctors.h"

#include <unsupported/Eigen/NonLinearOptimization>

#include <cmath>
#include <limits>

namespace Fitting {
namespace {

Eigen::VectorXd valuesOf(const std::vector<double> &p, const std::vector<int> &indices)
{
    Eigen::VectorXd x(Eigen::Index(indices.size()));
    for (size_t i = 0; i < indices.size(); ++i)
        x[Eigen::Index(i)] = p[size_t(indices[i])];
    return x;
}

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

// Runs the solver from x, leaving where it stopped in x: true when that is
// a minimum.
template <typename Functor>
bool solve(Functor &functor, Eigen::VectorXd &x, double tolerance, int &evaluations)
{
    Eigen::LevenbergMarquardt<Functor> solver(functor);
    solver.parameters.ftol = tolerance;
    solver.parameters.xtol = tolerance;
    solver.parameters.maxfev = 1000 * int(x.size());
    const auto status = solver.minimize(x);
    evaluations = int(solver.nfev);
    return converged(status) && x.allFinite();
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
    for (const FitParameter &parameter : model.parameters())
        linear_.push_back(parameter.linear && std::isinf(parameter.lower) && std::isinf(parameter.upper));
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
    bool finite = true;
    for (size_t s = 0; s < sets_.size(); ++s) {
        for (size_t i = 0; i < sets_[s].x.size(); ++i, ++row) {
            double y = 0;
            if (!gradientAt(int(s), sets_[s].x[i], p, free, y, jacobian ? gradient.data() : nullptr, full,
                            ownDerivatives))
                return false;
            const double root = std::sqrt(weights[s][i]);
            residuals[row] = root * (y - sets_[s].y[i]);
            finite &= std::isfinite(residuals[row]);
            if (jacobian)
                for (size_t j = 0; j < free.size(); ++j) {
                    const double derivative = root * gradient[j];
                    (*jacobian)(row, Eigen::Index(j)) = derivative;
                    finite &= std::isfinite(derivative);
                }
        }
    }
    if (analytic)
        *analytic = ownDerivatives;
    return finite;
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
    std::vector<int> nonlinear, linear;
    for (int i : free)
        (isLinear(i) ? linear : nonlinear).push_back(i);
    Minimum minimum;
    if (free.empty()) {
        minimum.residualSS = residualSS(p, weights);
        minimum.converged = std::isfinite(minimum.residualSS);
        return minimum;
    }
    if (nonlinear.empty() || linear.empty()) {
        SolverFunctor functor(*this, free, weights, p);
        Eigen::VectorXd x = valuesOf(p, free);
        const bool stopped = solve(functor, x, tolerance, minimum.evaluations);
        p = functor.parametersAt(x);
        minimum.residualSS = residualSS(p, weights);
        minimum.converged = stopped && std::isfinite(minimum.residualSS);
        return minimum;
    }
    ProjectedFunctor functor(*this, nonlinear, linear, weights, p);
    Eigen::VectorXd x = valuesOf(p, nonlinear);
    const bool stopped = solve(functor, x, tolerance, minimum.evaluations);
    p = functor.parametersAt(x, minimum.residualSS);
    minimum.converged = stopped && std::isfinite(minimum.residualSS);
    return minimum;
}

} // namespace Fitting
