#include "scatchard/SaturationFit.h"

#include "fitting/FitEngine.h"
#include "scatchard/OneSiteModels.h"

#include <algorithm>
#include <cmath>

namespace modStatistics {
namespace {

// Past this multiple of the highest Free the curve is a straight line
// within a tenth of a percent over the data: they show no saturation.
constexpr double unboundedKdFactor = 1e3;

constexpr int bmaxIndex = OneSiteModel::Bmax, kdIndex = OneSiteModel::Kd;

// Bound's best multiple of Free / (Kd + Free) for a fixed Kd, and the
// residual sum of squares it leaves: the curve is linear in Bmax.
double bestBmax(const std::vector<double> &free, const std::vector<double> &bound, double kd)
{
    double gy = 0, gg = 0;
    for (size_t i = 0; i < free.size(); ++i) {
        const double g = free[i] / (kd + free[i]);
        gy += g * bound[i];
        gg += g * g;
    }
    return gy / gg;
}

double residualSSAt(const std::vector<double> &free, const std::vector<double> &bound, double kd)
{
    const double bmax = bestBmax(free, bound, kd);
    double ss = 0;
    for (size_t i = 0; i < free.size(); ++i) {
        const double r = bound[i] - bmax * free[i] / (kd + free[i]);
        ss += r * r;
    }
    return ss;
}

bool allEqual(const std::vector<double> &values)
{
    return std::all_of(values.begin(), values.end(), [&](double v) { return v == values.front(); });
}

bool allPositive(const std::vector<double> &values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v) && v > 0; });
}

ProfileInterval kdInterval(const Fitting::ProfileInterval &profile)
{
    ProfileInterval interval;
    interval.low = profile.openBelow ? 0.0 : profile.low;
    if (profile.openAbove)
        interval.kind = ProfileInterval::OpenAbove;
    else
        interval.high = profile.high;
    return interval;
}

} // namespace

SaturationFit::Outcome CheckSaturationData(const std::vector<double> &free, const std::vector<double> &bound)
{
    if (free.size() < 3 || free.size() != bound.size())
        return SaturationFit::TooFewPoints;
    if (!allPositive(free) || !allPositive(bound))
        return SaturationFit::NotPositive;
    if (allEqual(free))
        return SaturationFit::FreeAllEqual;
    if (allEqual(bound))
        return SaturationFit::BoundAllEqual;
    return SaturationFit::Fitted;
}

bool StartFromScatchardLine(double intercept, double slope, SaturationStart &start)
{
    const double kd = -1.0 / slope;
    const double bmax = -intercept / slope;
    if (!(std::isfinite(kd) && std::isfinite(bmax) && kd > 0 && bmax > 0))
        return false;
    start = {kd, bmax};
    return true;
}

SaturationStart StartFromData(const std::vector<double> &free, const std::vector<double> &bound)
{
    const auto [lowest, highest] = std::minmax_element(free.begin(), free.end());
    const double first = *lowest / 100, last = *highest * 100;
    constexpr int steps = 80;
    SaturationStart best{first, bestBmax(free, bound, first)};
    double bestSS = residualSSAt(free, bound, first);
    for (int i = 1; i <= steps; ++i) {
        const double kd = first * std::pow(last / first, double(i) / steps);
        const double ss = residualSSAt(free, bound, kd);
        if (ss < bestSS) {
            bestSS = ss;
            best = {kd, bestBmax(free, bound, kd)};
        }
    }
    return best;
}

SaturationFit FitSaturationCurve(const std::vector<double> &free, const std::vector<double> &bound,
                                 const SaturationStart &start)
{
    SaturationFit fit;
    fit.outcome = CheckSaturationData(free, bound);
    if (fit.outcome != SaturationFit::Fitted)
        return fit;

    Fitting::FitOptions kdProfileOnly;
    kdProfileOnly.profiled = {kdIndex};
    const Fitting::FitResult result = Fitting::Fit(OneSiteModel(start.bmax, start.kd, QString(), QString()),
                                                   {{free, bound, {}}}, kdProfileOnly);
    fit.evaluations = result.evaluations;
    const double highestFree = *std::max_element(free.begin(), free.end());
    if (!result.lastValues.empty() && std::isfinite(result.lastValues[kdIndex])
        && std::fabs(result.lastValues[kdIndex]) > unboundedKdFactor * highestFree) {
        fit.outcome = SaturationFit::Unbounded;
        return fit;
    }
    switch (result.outcome) {
    case Fitting::FitResult::Fitted:
        break;
    case Fitting::FitResult::OutOfBounds:
        fit.outcome = SaturationFit::NegativeEstimate;
        return fit;
    default:
        fit.outcome = SaturationFit::NotConverged;
        return fit;
    }

    const Fitting::ParameterEstimate &bmax = result.parameters[bmaxIndex];
    const Fitting::ParameterEstimate &kd = result.parameters[kdIndex];
    fit.bmax = bmax.value;
    fit.kd = kd.value;
    fit.seBmax = bmax.se;
    fit.seKd = kd.se;
    fit.residualSS = result.residualSS;
    fit.residualSD = result.residualSD;
    fit.rSquared = result.rSquared;
    fit.df = result.df;
    fit.t = result.t;
    fit.kdLow = kd.low;
    fit.kdHigh = kd.high;
    fit.bmaxLow = bmax.low;
    fit.bmaxHigh = bmax.high;
    fit.kdProfile = kdInterval(kd.profile);
    return fit;
}

} // namespace modStatistics
