#include "competition/CompetitionCurve.h"

#include "platform/RuntimeFault.h"

#include <cmath>

namespace modCompetition {

void AutomaticCompetitionRange(double ic50Molar, double &xMin, double &xMax)
{
    const double decade = fault::checkedFinite(std::log10(ic50Molar));
    xMin = std::floor(decade) - 3;
    xMax = std::floor(decade) + 4;
}

void SweepCompetitionCurve(const CompetitionInput &input, double xMin, double xMax, int steps,
                           const std::function<void(const CompetitionCurvePoint &)> &visit)
{
    CompetitionInput at = input;
    for (int i = 0; i <= steps; ++i) {
        // Each x from the ends, not by adding steps: the last point is xMax.
        const double x = i == steps ? xMax : xMin + (xMax - xMin) * i / steps;
        at.totalC = fault::checkedFinite(std::pow(10.0, x));
        visit({x, at.totalC, SolveCompetition(at)});
    }
}

} // namespace modCompetition
