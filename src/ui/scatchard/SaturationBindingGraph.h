#pragma once

#include "graphing/SeriesPlot.h"

namespace modStatistics {

// The Saturation Binding window's graph on the graph window, as the tools
// plot: graphs off or Cancel draw nothing, the picture is cleared unless
// graphs are superimposed, and while printing the same plot goes on the
// printer page. Automatic ranges; faults (RuntimeFault) propagate.
void PlotSaturationBindingGraph(const modPlot_Graph::SeriesPlot &plot);

} // namespace modStatistics
