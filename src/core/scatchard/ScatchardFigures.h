#pragma once

#include "scatchard/SaturationComparison.h"

#include <optional>
#include <vector>

// The Scatchard window's graphs composed into the display list, from plain
// data: the window only asks for them and paints what the list holds.
namespace modStatistics {

// A fitted saturation curve, drawn on the Scatchard graph as the line
// y = (Bmax - x) / Kd.
struct ModelLine
{
    double kd = 0.0;
    double bmax = 0.0;
};

// Unless graphs are off or the user cancels the changed-settings question
// (false, nothing drawn): the fitted line from the lowest to the highest
// Bound on the X axis and the data points (x, y) that fall inside the axis
// ranges, in the symbol of the Options window; with a model, its line
// dashed, with a legend. Faults propagate.
bool DrawScatchardFigure(const std::vector<double> &x, const std::vector<double> &y, double slope, double intercept,
                         std::optional<ModelLine> model);

// Bound against Free from 0, the fitted curve and the data points in the
// Scatchard graph's symbol, with automatic ranges (the Options window's
// manual ranges and titles belong to the Scatchard graph). False when
// graphs are off or the user cancels. Faults propagate.
bool DrawSaturationFigure(const SaturationComparison &comparison);

} // namespace modStatistics
