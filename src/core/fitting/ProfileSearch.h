#pragma once

#include "fitting/FitEngine.h"
#include "fitting/LeastSquares.h"

// The profile-likelihood interval of one parameter: it is held at trial
// values, the other free parameters refitted, until the residual sum of
// squares reaches the F-test limit on each side.
namespace Fitting {

class ProfileSearch
{
public:
    ProfileSearch(const LeastSquares &problem, const std::vector<FitParameter> &parameters, const Weights &weights,
                  const std::vector<double> &best, const std::vector<int> &free, double minSS, double limitFactor);

    // The interval of the model's parameter `index`; halfWidth is its
    // asymptotic interval's (t times its standard error), where the search
    // takes its first step.
    ProfileInterval interval(int index, double halfWidth) const;

    // Model evaluations of the last interval searched.
    int evaluations() const { return evaluations_; }

private:
    // The best residual sum of squares with the parameter at value, the
    // others refitted from p (left at their refitted values when they
    // converged, unchanged otherwise).
    double profileSS(int index, double value, std::vector<double> &p) const;
    // The side of the estimate where the limit is crossed: its value, or the
    // bound when the data set no limit before it.
    bool searchSide(int index, double halfWidth, int direction, double &end) const;

    const LeastSquares &problem_;
    const std::vector<FitParameter> &parameters_;
    const Weights &weights_;
    const std::vector<double> &best_;
    std::vector<int> free_;
    double minSS_ = 0.0, limit_ = 0.0;
    mutable int evaluations_ = 0;
};

} // namespace Fitting
