#include "fitting/SolverFunctors.h"

#include "fitting/LinearColumns.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace Fitting {
namespace {

// The Jacobian of every parameter of a projected problem, kept from one
// minimisation to the next (a profile runs hundreds): a fresh block of
// this size would cost the system a page fault per page every time.
Eigen::MatrixXd &keptJacobian()
{
    static thread_local Eigen::MatrixXd kept;
    return kept;
}

// A relative change of the linear parameters below which the derivatives
// taken before solving for them serve the solver's next step: they follow
// the linear parameters (a scale times the course's), and the solver only
// needs their direction.
constexpr double linearSettled = 0.1;

} // namespace

void RejectStep(Eigen::VectorXd &residuals)
{
    residuals.setConstant(std::numeric_limits<double>::max() / double(residuals.size() + 1));
}

SolverFunctor::SolverFunctor(const LeastSquares &problem, const std::vector<int> &free, const Weights &weights,
                             std::vector<double> p)
    : problem_(problem)
    , free_(free)
    , weights_(weights)
    , p_(std::move(p))
{
}

void SolverFunctor::place(const Eigen::VectorXd &x)
{
    for (size_t i = 0; i < free_.size(); ++i)
        p_[size_t(free_[i])] = x[Eigen::Index(i)];
}

const std::vector<double> &SolverFunctor::parametersAt(const Eigen::VectorXd &x)
{
    place(x);
    return p_;
}

int SolverFunctor::operator()(const Eigen::VectorXd &x, Eigen::VectorXd &residuals)
{
    place(x);
    hasJacobian_ = false;
    if (analytic_) {
        jacobian_.resize(values(), Eigen::Index(free_.size()));
        hasJacobian_ = problem_.evaluate(p_, free_, weights_, residuals, &jacobian_, &analytic_) && analytic_;
        jacobianAt_ = x;
    }
    if (!hasJacobian_ && !problem_.evaluate(p_, free_, weights_, residuals, nullptr))
        RejectStep(residuals);
    return 0;
}

int SolverFunctor::df(const Eigen::VectorXd &x, Eigen::MatrixXd &jacobian)
{
    if (hasJacobian_ && x == jacobianAt_) {
        jacobian.swap(jacobian_);
        hasJacobian_ = false;
        return 0;
    }
    place(x);
    Eigen::VectorXd residuals(values());
    return problem_.evaluate(p_, free_, weights_, residuals, &jacobian, &analytic_) ? 0 : -1;
}

ProjectedFunctor::ProjectedFunctor(const LeastSquares &problem, const std::vector<int> &nonlinear,
                                   const std::vector<int> &linear, const Weights &weights, std::vector<double> p)
    : problem_(problem)
    , nonlinear_(nonlinear)
    , linear_(linear)
    , all_(nonlinear)
    , weights_(weights)
    , p_(std::move(p))
    , residuals_(problem.points())
    , full_(keptJacobian())
{
    all_.insert(all_.end(), linear.begin(), linear.end());
    full_.resize(problem.points(), Eigen::Index(all_.size()));
}

bool ProjectedFunctor::solveAt(const Eigen::VectorXd &x)
{
    solvedAt_ = x;
    for (size_t i = 0; i < nonlinear_.size(); ++i)
        p_[size_t(nonlinear_[i])] = x[Eigen::Index(i)];
    for (bool again = true;;) {
        if (!problem_.evaluate(p_, all_, weights_, residuals_, &full_))
            return solved_ = false;
        const auto columns = full_.rightCols(Eigen::Index(linear_.size()));
        const LinearColumns solve(columns);
        const Eigen::VectorXd step = -solve.project(residuals_);
        double moved = 0.0, size = 0.0;
        for (size_t j = 0; j < linear_.size(); ++j) {
            double &value = p_[size_t(linear_[j])];
            value += step[Eigen::Index(j)];
            moved = std::max(moved, std::fabs(step[Eigen::Index(j)]));
            size = std::max(size, std::fabs(value));
        }
        if (!again || !(moved > linearSettled * size)) {
            projected_ = full_.leftCols(Eigen::Index(nonlinear_.size()));
            solve.project(projected_);
            return solved_ = step.allFinite();
        }
        again = false;
    }
}

int ProjectedFunctor::operator()(const Eigen::VectorXd &x, Eigen::VectorXd &residuals)
{
    if (solveAt(x))
        residuals = residuals_;
    else
        RejectStep(residuals);
    return 0;
}

int ProjectedFunctor::df(const Eigen::VectorXd &x, Eigen::MatrixXd &jacobian)
{
    if (!(solved_ && x == solvedAt_) && !solveAt(x))
        return -1;
    jacobian = projected_;
    return 0;
}

const std::vector<double> &ProjectedFunctor::parametersAt(const Eigen::VectorXd &x, double &residualSS)
{
    // The solver's last trial may have been rejected: the linear parameters
    // are then solved for again where it stopped.
    const bool solved = (solved_ && x == solvedAt_) || solveAt(x);
    residualSS = solved ? residuals_.squaredNorm() : std::numeric_limits<double>::infinity();
    return p_;
}

} // namespace Fitting
