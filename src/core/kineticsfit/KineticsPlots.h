#pragma once

#include "graphing/SeriesPlot.h"
#include "kineticsfit/KineticsFit.h"

// The graphs of a kinetics fit on the graph engine's axes: the traces as
// points with their fitted curves in the colour of each trace and a legend
// of the concentrations, and k_obs of each trace against its concentration
// with the line k_ass [L] + k_diss of the global fit.
namespace KineticsFit {

QString TraceName(const Trace &trace, const Units &units);

// The colour of each fitted trace (Okabe-Ito) is that of its place in
// places (the list the user sees), or of its place among the fitted ones.
modPlot_Graph::SeriesPlot TracesPlot(const KineticsFitResult &result, const Units &units,
                                     const std::vector<int> &places = {});

// Empty (no series) when no trace has its own k_obs.
modPlot_Graph::SeriesPlot KObsPlot(const KineticsFitResult &result, const Units &units);

} // namespace KineticsFit
