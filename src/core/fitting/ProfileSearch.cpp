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

// How far a side is searched before it is called open: a factor of 2^64
// for a parameter that keeps its sign, 2^63 asymptotic half-widths for
// any other.
constexpr int maxDoublings = 64;

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
    std::vector<double> trial = p;
    trial[size_t(index)] = value;
    std::vector<int> others;
    std::copy_if(free_.begin(), free_.end(), std::back_inserter(others), [&](int i) { return i != index; });
    // The sum is flat at the others' minimum: parameters to 1e-8 give it
    // to 1e-16, below the crossing's tolerance.
    constexpr double othersTolerance = 1e-8;
    const Minimum minimum = problem_.minimize(trial, others, weights_, othersTolerance);
    evaluations_ += minimum.evaluations + 1;
    if (minimum.converged)
        p = trial;
    // Where the others cannot be refitted, the sum they reached is the best known.
    return minimum.residualSS;
}

bool ProfileSearch::searchSide(int index, double halfWidth, int direction, double &end) const
{
    const FitParameter &parameter = parameters_[size_t(index)];
    const double estimate = best_[size_t(index)];
    const double bound = direction > 0 ? parameter.upper : parameter.lower;
    // A parameter that keeps its sign is searched in log |value| (a Kd spans
    // decades), any other in its value. `outward` is the way the search
    // variable moves for the value to move in the direction asked.
    const bool bySign = (parameter.lower >= 0 && estimate > 0) || (parameter.upper <= 0 && estimate < 0);
    const double outward = bySign && estimate < 0 ? -direction : direction;
    const auto toSearch = [&](double v) { return bySign ? std::log(std::fabs(v)) : v; };
    const auto fromSearch = [&](double u) { return bySign ? std::copysign(std::exp(u), estimate) : u; };
    const auto beyondBound = [&](double v) { return direction > 0 ? !(v < bound) : !(v > bound); };
    // The first step is the asymptotic interval's, where a nearly linear
    // model crosses the limit; the steps double from there.
    const double origin = toSearch(estimate);
    const double reach = bySign ? maxDoublings * std::log(2.0) : halfWidth * std::ldexp(1.0, maxDoublings - 1);
    const double first = bySign ? std::clamp(halfWidth / std::fabs(estimate), 1e-9, std::log(2.0)) : halfWidth;
    // The square root of the sum's rise above the minimum is nearly linear
    // in the parameter, which the root finder converges on in few trials.
    // Each trial starts the others where the last converged one left them,
    // so that they can follow a parameter that runs far.
    std::vector<double> warm = best_;
    const double limitRise = std::sqrt(limit_ - minSS_);
    // A rise within 1e-9 of the limit's is the crossing (the parameter is
    // then within about 1e-9 of its asymptotic half-width of it): the root
    // finder stops there instead of narrowing its bracket further.
    const auto excess = [&](double u) {
        const double e = std::sqrt(std::max(profileSS(index, fromSearch(u), warm) - minSS_, 0.0)) - limitRise;
        return std::fabs(e) <= 1e-9 * limitRise ? 0.0 : e;
    };

    double inside = origin, excessInside = -limitRise;
    bool firstStep = true;
    for (double distance = first;;) {
        const double outside = origin + outward * distance;
        const double value = fromSearch(outside);
        if (beyondBound(value) || !std::isfinite(value))
            break;
        const double excessOutside = excess(outside);
        if (excessOutside >= 0) { // at or beyond the crossing
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
        if (!(distance < reach))
            break;
        // After the first step the line through the two points predicts the
        // crossing: the second step goes just beyond it, for a narrow
        // bracket. The steps double from there.
        double next = 2.0 * distance;
        const double predicted = distance
                                 - excessOutside * (outside - inside) * outward / (excessOutside - excessInside);
        if (firstStep && excessOutside > excessInside && std::isfinite(predicted))
            next = std::clamp(1.02 * predicted, 1.02 * distance, 2.0 * distance);
        firstStep = false;
        inside = outside;
        excessInside = excessOutside;
        distance = std::min(next, reach);
    }
    end = std::isfinite(bound)
              ? bound
              : (direction > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max());
    return false;
}

ProfileInterval ProfileSearch::interval(int index, double halfWidth) const
{
    evaluations_ = 0;
    ProfileInterval interval;
    interval.computed = true;
    const double estimate = best_[size_t(index)];
    double sumSquares = 0;
    for (const auto &set : problem_.curve(best_))
        for (double y : set)
            sumSquares += y * y;
    if (!(minSS_ > perfectFitShare * sumSquares) || !(halfWidth > 0)) {
        // A perfect fit (within rounding) leaves no room for another value.
        interval.low = interval.high = estimate;
        return interval;
    }
    interval.openBelow = !searchSide(index, halfWidth, -1, interval.low);
    interval.openAbove = !searchSide(index, halfWidth, +1, interval.high);
    return interval;
}

} // namespace Fitting
