#include "scatchard/SaturationFit.h"

#include <boost/math/tools/roots.hpp>

#include <cmath>
#include <cstdint>

// The residual sum of squares as a function of Kd alone: for a fixed Kd the
// model is linear in Bmax, so Bmax has a closed form.
namespace modStatistics {
namespace {

// Bound's residual sum of squares for the shape g(Free) with its best factor.
template <typename Shape>
double bestScaledSS(const std::vector<double> &free, const std::vector<double> &bound, Shape shape)
{
    double gy = 0, gg = 0;
    for (size_t i = 0; i < free.size(); ++i) {
        gy += shape(free[i]) * bound[i];
        gg += shape(free[i]) * shape(free[i]);
    }
    const double factor = gy / gg;
    double ss = 0;
    for (size_t i = 0; i < free.size(); ++i) {
        const double r = bound[i] - factor * shape(free[i]);
        ss += r * r;
    }
    return ss;
}

// Kd -> 0 makes every point saturated (Bound = Bmax); Kd -> infinity makes
// the curve a line through the origin (Bound = Free * Bmax / Kd).
double ssAtZeroKd(const std::vector<double> &free, const std::vector<double> &bound)
{
    return bestScaledSS(free, bound, [](double) { return 1.0; });
}

double ssAtInfiniteKd(const std::vector<double> &free, const std::vector<double> &bound)
{
    return bestScaledSS(free, bound, [](double f) { return f; });
}

// The crossing of the limit between two values of Kd a factor of 2 apart,
// searched in log Kd.
double crossing(const std::vector<double> &free, const std::vector<double> &bound, double limit, double a, double b)
{
    const auto excess = [&](double logKd) { return ProfileResidualSS(free, bound, std::exp(logKd)) - limit; };
    const double logA = std::log(a), logB = std::log(b);
    const double excessA = excess(logA), excessB = excess(logB);
    // Rounding can blur a crossing that lies within an ulp of an end.
    if ((excessA > 0) == (excessB > 0))
        return std::fabs(excessA) < std::fabs(excessB) ? a : b;
    std::uintmax_t iterations = 200;
    const auto bracket = boost::math::tools::toms748_solve(excess, logA, logB, excessA, excessB,
                                                           boost::math::tools::eps_tolerance<double>(52), iterations);
    return std::exp((bracket.first + bracket.second) / 2);
}

// Residuals below 1e-10 of the data are perfect within rounding.
constexpr double perfectFitShare = 1e-20;

double totalSquares(const std::vector<double> &values)
{
    double sum = 0;
    for (double v : values)
        sum += v * v;
    return sum;
}

} // namespace

double ProfileBmax(const std::vector<double> &free, const std::vector<double> &bound, double kd)
{
    double gy = 0, gg = 0;
    for (size_t i = 0; i < free.size(); ++i) {
        const double g = free[i] / (kd + free[i]);
        gy += g * bound[i];
        gg += g * g;
    }
    return gy / gg;
}

double ProfileResidualSS(const std::vector<double> &free, const std::vector<double> &bound, double kd)
{
    return bestScaledSS(free, bound, [kd](double f) { return f / (kd + f); });
}

ProfileInterval ProfileKdInterval(const std::vector<double> &free, const std::vector<double> &bound, double kd,
                                  double minSS, double limitFactor)
{
    ProfileInterval interval;
    const double limit = minSS * limitFactor;
    if (!(minSS > perfectFitShare * totalSquares(bound))) {
        // A perfect fit (within rounding) leaves no room for another Kd.
        interval.low = interval.high = kd;
        return interval;
    }
    // Halving and doubling reach any double in about 1100 steps.
    constexpr int maxSteps = 1100;

    interval.low = 0;
    if (ssAtZeroKd(free, bound) > limit) {
        double high = kd;
        for (int step = 0; step < maxSteps && high > 0; ++step) {
            const double low = high / 2;
            if (ProfileResidualSS(free, bound, low) > limit) {
                interval.low = crossing(free, bound, limit, low, high);
                break;
            }
            high = low;
        }
    }

    interval.kind = ProfileInterval::OpenAbove;
    if (ssAtInfiniteKd(free, bound) > limit) {
        double low = kd;
        for (int step = 0; step < maxSteps && std::isfinite(low * 2); ++step) {
            const double high = low * 2;
            if (ProfileResidualSS(free, bound, high) > limit) {
                interval.kind = ProfileInterval::Finite;
                interval.high = crossing(free, bound, limit, low, high);
                break;
            }
            low = high;
        }
    }
    return interval;
}

} // namespace modStatistics
