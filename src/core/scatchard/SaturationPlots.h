#pragma once

#include "fitting/ReplicateTable.h"
#include "graphing/SeriesPlot.h"
#include "scatchard/SaturationModels.h"

// The plots of the Saturation Binding window: the data with the fitted
// curves, and the same as a Scatchard or a Rosenthal view.
namespace modStatistics {

// The colour of the k-th fitted curve (blue, red, green ...).
QColor CurveColor(int k);

struct SaturationPlotData
{
    Fitting::ReplicateTable binding, nonspecific;
    bool means = false; // replicates drawn as their means with SD error bars
    QString xTitle, yTitle;
};

// Binding (and nonspecific binding) against X with each fit's curve in
// its colour and a legend.
modPlot_Graph::SeriesPlot SaturationPlot(const SaturationPlotData &data, const std::vector<SaturationModelFit> &fits);

// Specific binding as Bound/Free against Bound (Scatchard) or Bound against
// Bound/Free (Rosenthal) with each fit's curve: nonspecific binding of a
// total-and-nonspecific fit is taken off, and Free is X less Bound for a
// ligand depletion fit. The points are the replicates, or the rows' means
// when means are fitted; points with no Free left are left out.
enum class BindingView { Scatchard, Rosenthal };
modPlot_Graph::SeriesPlot TransformedPlot(BindingView view, const SaturationPlotData &data,
                                          const std::vector<SaturationModelFit> &fits);

} // namespace modStatistics
