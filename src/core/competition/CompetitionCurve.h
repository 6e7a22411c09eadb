#pragma once

#include "competition/CompetitionEquilibrium.h"

#include <functional>

// The competition curve: [A/B] as Total C is swept over decades, the
// other totals and both constants fixed. Plain data for the graph and the
// command line alike; x is the decimal logarithm of the molar Total C.
namespace modCompetition {

// The automatic X range: whole decades, three below the decade of the
// IC50 and three above its next. Throws RuntimeFault for an IC50 whose
// logarithm is not finite.
void AutomaticCompetitionRange(double ic50Molar, double &xMin, double &xMax);

struct CompetitionCurvePoint
{
    double x;      // log10 of the molar Total C
    double totalC; // molar
    CompetitionSpecies species;
};

// Visits steps + 1 points from xMin to xMax, x = xMin + i (xMax - xMin) /
// steps, solving the equilibrium at each (input.totalC is ignored).
// Throws RuntimeFault when a solve does (the points visited stay visited).
void SweepCompetitionCurve(const CompetitionInput &input, double xMin, double xMax, int steps,
                           const std::function<void(const CompetitionCurvePoint &)> &visit);

} // namespace modCompetition
