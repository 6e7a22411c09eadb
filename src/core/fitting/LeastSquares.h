#pragma once

#include "fitting/FitModel.h"

#include <Eigen/Core>

#include <vector>

// The weighted least-squares problem of a model and its data sets, and the
// Levenberg-Marquardt minimisation over a chosen set of free parameters:
// what the fit and every point of a profile share.
namespace Fitting {

using Weights = std::vector<std::vector<double>>; // per set, per point

struct Minimum
{
    bool converged = false;
    double residualSS = 0.0;
    int evaluations = 0;
};

class LeastSquares
{
public:
    LeastSquares(const FitModel &model, const std::vector<FitDataSet> &sets);

    // The sets' own weights (1 where they give none).
    Weights baseWeights() const;

    // The curve at every point for the parameters p.
    std::vector<std::vector<double>> curve(const std::vector<double> &p) const;

    // Minimises the weighted residual sum of squares over the parameters in
    // free, starting from p and leaving the minimum in p. The tolerance is
    // the relative change of the sum and of the parameters at which it
    // stops: the default is below what double precision can still improve.
    // The free parameters the model states as linear are solved for in
    // closed form at every step; the solver searches the others.
    Minimum minimize(std::vector<double> &p, const std::vector<int> &free, const Weights &weights,
                     double tolerance = 1e-15) const;

    // The weighted residual sum of squares at p (infinite where the model
    // cannot evaluate).
    double residualSS(const std::vector<double> &p, const Weights &weights) const;

    // The Jacobian of the weighted residuals in the free parameters at p.
    Eigen::MatrixXd weightedJacobian(const std::vector<double> &p, const std::vector<int> &free,
                                     const Weights &weights) const;

    int points() const { return points_; }

    // Whether the model states its parameter as linear (and it is unbounded).
    bool isLinear(int parameter) const { return linear_[size_t(parameter)]; }

    // Weighted residuals sqrt(w) (curve - y) and, when jacobian is not null,
    // their derivatives in the free parameters. False where the model cannot
    // evaluate or gives a value that is not finite. When analytic is not
    // null it tells whether every derivative was the model's own (none
    // taken by differences).
    bool evaluate(const std::vector<double> &p, const std::vector<int> &free, const Weights &weights,
                  Eigen::VectorXd &residuals, Eigen::MatrixXd *jacobian, bool *analytic = nullptr) const;

private:
    // full: room for the model's gradient in every parameter; analytic is
    // cleared where the gradient is taken by differences.
    bool gradientAt(int set, double x, const std::vector<double> &p, const std::vector<int> &free, double &y,
                    double *gradient, std::vector<double> &full, bool &analytic) const;

    const FitModel &model_;
    const std::vector<FitDataSet> &sets_;
    int points_ = 0;
    std::vector<bool> linear_;
};

} // namespace Fitting
