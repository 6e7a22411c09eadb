#pragma once

#include "scatchard/SaturationComparison.h"

namespace modStatistics {

// The saturation graph of a fitted comparison on the graph window: Bound
// against Free from 0, the fitted curve and the data points in the
// Scatchard graph's symbol. It follows the plot protocol (graphs off or
// Cancel draw nothing) with automatic ranges: the Options window's manual
// ranges and titles belong to the Scatchard graph. Faults propagate.
void PlotSaturationGraph(const SaturationComparison &comparison);

} // namespace modStatistics
