#pragma once

#include "fitting/LeastSquares.h"

#include <Eigen/Core>

#include <vector>

// What the Levenberg-Marquardt solver minimises: the weighted residuals of
// a least-squares problem over its free parameters, and their Jacobian.
namespace Fitting {

// Where the model cannot evaluate (or gives NaN or an infinity), residuals
// beyond any finite ones reject the trial step: the solver shrinks its step
// and goes on. At the start, where there is no step to shrink, the
// Jacobian (df) then ends the fit.
void RejectStep(Eigen::VectorXd &residuals);

// The free parameters as the solver sees them; the fixed ones stay in p.
// The solver asks for the Jacobian where its last trial step was accepted:
// a model with its own derivatives gives them with every trial's
// residuals, for one pass over the data per step instead of two.
class SolverFunctor
{
public:
    SolverFunctor(const LeastSquares &problem, const std::vector<int> &free, const Weights &weights,
                  std::vector<double> p);

    int values() const { return problem_.points(); }
    int operator()(const Eigen::VectorXd &x, Eigen::VectorXd &residuals);
    int df(const Eigen::VectorXd &x, Eigen::MatrixXd &jacobian);

    // The parameters with the free ones at x.
    const std::vector<double> &parametersAt(const Eigen::VectorXd &x);

private:
    void place(const Eigen::VectorXd &x);

    const LeastSquares &problem_;
    const std::vector<int> &free_;
    const Weights &weights_;
    std::vector<double> p_;
    bool analytic_ = true;
    bool hasJacobian_ = false;
    Eigen::VectorXd jacobianAt_;
    Eigen::MatrixXd jacobian_;
};

// The nonlinear free parameters as the solver sees them, the linear ones
// solved for in closed form at every trial (variable projection): the
// residuals are those of the best linear parameters, and the Jacobian is
// the nonlinear columns projected off the linear ones. The solver then
// searches one or two rate constants, not a scale and a baseline per trace
// as well.
class ProjectedFunctor
{
public:
    ProjectedFunctor(const LeastSquares &problem, const std::vector<int> &nonlinear, const std::vector<int> &linear,
                     const Weights &weights, std::vector<double> p);

    int values() const { return problem_.points(); }
    int operator()(const Eigen::VectorXd &x, Eigen::VectorXd &residuals);
    int df(const Eigen::VectorXd &x, Eigen::MatrixXd &jacobian);

    // The parameters with the nonlinear ones at x and the linear ones
    // solved for there, and their residual sum of squares (infinite where
    // the model cannot evaluate).
    const std::vector<double> &parametersAt(const Eigen::VectorXd &x, double &residualSS);

private:
    // Evaluates at x and solves for the linear parameters: the residuals
    // and the projected Jacobian there. False where the model cannot.
    bool solveAt(const Eigen::VectorXd &x);

    const LeastSquares &problem_;
    const std::vector<int> &nonlinear_, &linear_;
    std::vector<int> all_; // the nonlinear, then the linear
    const Weights &weights_;
    std::vector<double> p_;
    Eigen::VectorXd residuals_;
    Eigen::MatrixXd &full_; // the Jacobian of all
    Eigen::MatrixXd projected_;
    bool solved_ = false; // p_, residuals_ and projected_ hold at solvedAt_
    Eigen::VectorXd solvedAt_;
};

} // namespace Fitting
