#pragma once

#include "session/GraphPreferences.h"

// The exact time course of the last run drawn dashed over the Dynamic
// Equilibrium Tool's graph (and on the printer page when it is echoed),
// when the kinetics summary asks for it. Only the part inside the plot area
// is drawn.
namespace modKinetics {

// quantity is one of the graph's dynamic Y choices, drawn as value x scale
// against time / timeFactor (its decimal logarithm when logTime) on the axes
// SetUpGraph left.
void DrawReferenceCurve(modPlot_Graph::DynamicY quantity, double scale, double timeFactor, bool logTime, double xMin,
                        double xMax, double yMin, double yMax, bool printerEcho);

} // namespace modKinetics
