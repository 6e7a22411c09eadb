#pragma once

#include "scatchard/SaturationFit.h"

#include <vector>

// Both analyses of one set of Scatchard pairs (x Bound, y Bound/Free): the
// straight line of the Scatchard plot and the saturation curve fitted to
// Bound against Free = Bound / (Bound/Free).
namespace modStatistics {

struct SaturationComparison
{
    std::vector<double> free, bound;

    // The Scatchard line, when one can be fitted (at least three pairs,
    // not all Bound equal, finite results).
    bool hasLine = false;
    double intercept = 0.0, slope = 0.0;
    double scatchardKd = 0.0;   // -1 / slope
    double scatchardBmax = 0.0; // the line's X intercept, -intercept / slope

    // Started from the Scatchard line when it gives a positive Kd and
    // Bmax, otherwise (or when that start does not converge) from the data.
    SaturationFit fit;
};

SaturationComparison CompareAnalyses(const std::vector<double> &x, const std::vector<double> &y);

} // namespace modStatistics
