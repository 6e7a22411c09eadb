#include "scatchard/SaturationComparison.h"

#include "platform/RuntimeFault.h"
#include "scatchard/LinearRegression.h"

#include <cmath>

namespace modStatistics {
namespace {

void fitScatchardLine(const std::vector<double> &x, const std::vector<double> &y, SaturationComparison &result)
{
    if (x.size() < 3)
        return;
    try {
        const LineFit line = FitLine(int(x.size()), x, y);
        result.intercept = line.intercept;
        result.slope = line.slope;
        result.scatchardKd = fault::divide(-1.0, line.slope);
        result.scatchardBmax = fault::divide(-line.intercept, line.slope);
        result.hasLine = true;
    } catch (const RuntimeFault &) {
        result.hasLine = false;
    }
}

} // namespace

SaturationComparison CompareAnalyses(const std::vector<double> &x, const std::vector<double> &y)
{
    SaturationComparison result;
    result.bound = x;
    for (size_t i = 0; i < x.size() && i < y.size(); ++i)
        result.free.push_back(x[i] / y[i]);
    fitScatchardLine(x, y, result);

    result.fit.outcome = CheckSaturationData(result.free, result.bound);
    if (result.fit.outcome != SaturationFit::Fitted)
        return result;
    SaturationStart start;
    const bool fromLine = result.hasLine && StartFromScatchardLine(result.intercept, result.slope, start);
    if (fromLine)
        result.fit = FitSaturationCurve(result.free, result.bound, start);
    if (!fromLine || result.fit.outcome == SaturationFit::NotConverged)
        result.fit = FitSaturationCurve(result.free, result.bound, StartFromData(result.free, result.bound));
    return result;
}

} // namespace modStatistics
