#pragma once

#include "graphing/SeriesPlot.h"
#include "planning/PredictedPrecision.h"

#include <vector>

// The predicted curves of planned saturation designs: the share of the
// sites occupied against the decimal logarithm of the ligand added, each
// design's points with the bar of its scatter (95 % of single
// measurements), and the band the measurements will fall in.
namespace Planning {

struct PlottedDesign
{
    QString name; // in the legend
    PrecisionDesign design;
};

// Throws RuntimeFault as the equilibrium does.
modPlot_Graph::SeriesPlot PlannedCurvePlot(double kd, double sites, const std::vector<PlottedDesign> &designs);

} // namespace Planning
