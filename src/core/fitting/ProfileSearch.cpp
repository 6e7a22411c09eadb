#include "fitting/ProfileSearch.h"

#include <boost/math/tools/roots.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace Fitting {
namespace {

// Residuals below 1e-10 of the data are perfect within rounding.
constexpr double perfectFitShare = 1e-20;

// Steps away from the estimate before a side is called open: a factor of
// 2^64 for a positive parameter, 2^64 standard errors for any other.
constexpr int maxSteps = 64;

} // namespace

ProfileSearch::ProfileSearch(const LeastSquares &problem, const std::vector<FitParameter> &parameters,
                             const Weights &weights, const std::vector<double> &best, const std::vector<int> &free,
                             double minSS, double limitFactor)
    : problem_(problem)
    , parameters_(parameters)
    , weights_(weights)
    , best_(best)
    , free_(free)
    , minSS_(minSS)
    , limit_(minSS * limitFactor)
{
}

double ProfileSearch::profileSS(int index, double value, std::vector<double> &p) const
{
    p[size_t(index)] = value;
    std::vector<int> others;
    std::copy_if(free_.begin(), free_.end(), std::back_inserter(others), [&](int i) { return i != index; });
    // The sum is flat at the others' minimum: parameters to 1e-10 give it
    // to 1e-20, far below the crossing's tolerance.
    constexpr double othersTolerance = 1e-10;
    const Minimum minimum = problem_.minimize(p, others, weights_, othersTolerance);
    evaluations_ += minimum.evaluations + 1;
    // Where the others cannot be refitted, the sum they reached is the best known.
    return minimum.residualSS;
}

bool ProfileSearch::searchSide(int index, double se, int direction, double &end) const
{
    const FitParameter &parameter = parameters_[size_t(index)];
    const double estimate = best_[size_t(index)];
    const double bound = direction > 0 ? parameter.upper : parameter.lower;
    // A parameter that keeps its sign is searched by factors of 2 (a Kd
    // spans decades), any other by doubling steps of its standard error.
    const bool bySign = (parameter.lower >= 0 && estimate > 0) || (parameter.upper <= 0 && estimate < 0);
    const auto trial = [&](int step) {
        if (bySign)
            return direction * (estimate > 0 ? 1 : -1) > 0 ? estimate * std::ldexp(1.0, step)
                                                           : estimate * std::ldexp(1.0, -step);
        return estimate + direction * se * std::ldexp(1.0, step - 1);
    };
    const auto beyondBound = [&](double v) { return direction > 0 ? !(v < bound) : !(v > bound); };
    // Searched in log |value| for a parameter that keeps its sign.
    const auto toSearch = [&](double v) { return bySign ? std::log(std::fabs(v)) : v; };
    const auto fromSearch = [&](double u) { return bySign ? std::copysign(std::exp(u), estimate) : u; };
    // Each trial starts the other parameters where the last one left them,
    // so that they can follow a parameter that runs far.
    std::vector<double> warm = best_;
    const auto excessFrom = [&](double u, std::vector<double> &start) {
        return profileSS(index, fromSearch(u), start) - limit_;
    };

    double inside = toSearch(estimate), excessInside = minSS_ - limit_;
    for (int step = 1; step <= maxSteps; ++step) {
        const double value = trial(step);
        if (beyondBound(value) || !std::isfinite(value))
            break;
        std::vector<double> next = warm;
        const double outside = toSearch(value), excessOutside = excessFrom(outside, next);
        if (excessOutside > 0) {
            const auto excess = [&](double u) {
                std::vector<double> start = warm;
                return excessFrom(u, start);
            };
            const bool upward = outside > inside;
            const double a = upward ? inside : outside, b = upward ? outside : inside;
            const double fa = upward ? excessInside : excessOutside, fb = upward ? excessOutside : excessInside;
            std::uintmax_t iterations = 200;
            const auto bracket = boost::math::tools::toms748_solve(excess, a, b, fa, fb,
                                                                   boost::math::tools::eps_tolerance<double>(40),
                                                                   iterations);
            end = fromSearch((bracket.first + bracket.second) / 2);
            return true;
        }
        inside = outside;
        excessInside = excessOutside;
        warm = next;
    }
    end = std::isfinite(bound)
              ? bound
              : (direction > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max());
    return false;
}

ProfileInterval ProfileSearch::interval(int index, double se) const
{
    evaluations_ = 0;
    ProfileInterval interval;
    interval.computed = true;
    const double estimate = best_[size_t(index)];
    double sumSquares = 0;
    for (const auto &set : problem_.curve(best_))
        for (double y : set)
            sumSquares += y * y;
    if (!(minSS_ > perfectFitShare * sumSquares) || !(se > 0)) {
        // A perfect fit (within rounding) leaves no room for another value.
        interval.low = interval.high = estimate;
        return interval;
    }
    interval.openBelow = !searchSide(index, se, -1, interval.low);
    interval.openAbove = !searchSide(index, se, +1, interval.high);
    return interval;
}

} // namespace Fitting
