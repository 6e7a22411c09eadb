#pragma once

#include "graphing/AxisRounding.h"
#include "graphing/GraphState.h"
#include "graphing/PlotGeometry.h"
#include "graphing/PlotPoint.h"
#include "session/GraphPreferences.h"

#include <functional>

// The plot engine as the tools use it. How a tool plots, after its
// computation succeeded, inside its own fault handler:
//
//   using namespace modPlot_Graph;
//   if (!BeginToolGraph(ScatchardTool)) {          // graphs off, or Cancel
//       StatusText::clear();
//       return;
//   }
//   const GraphPreferences prefs = Preferences();  // read after BeginToolGraph:
//                                                  // No restores the defaults
//   double xMin = 0, xMax = dataMax, yMin = 0, yMax = ...;
//   RoundUpAxisMaximum(xMax);                      // widen automatic ranges
//   if (!prefs.xMax.isEmpty())
//       xMax = NumberText::leadingNumber(prefs.xMax);   // manual ranges win
//   SetUpGraph(xMin, xMax, yMin, yMax, ScatchardTool);  // may swap the ranges
//   PlotPoint(x, y, PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, PlotDot,
//             Session::current().printerEcho());   // PlotSegment for the next
//   StatusText::clear();
//
// Faults (RuntimeFault: equal limits, a zero tick, a coordinate overflow)
// propagate to the tool's handler; what was drawn stays.
namespace modPlot_Graph {

// Clears the graph unless graphs are superimposed, draws axes, ticks and
// labels for the ranges, sets the axis titles for the tool and shows the
// graph window. A reversed range is swapped (and written into its filled
// Options fields); xMax comes back rounded to 15 significant digits.
void SetUpGraph(double &xMin, double &xMax, double &yMin, double &yMax, short toolCode);

// The preferences of the session (as the Options window shows them).
GraphPreferences Preferences();

// The plot protocol's start: false when "Show data in graph" is off or the
// user cancels the changed-settings question (No restores the defaults
// first and goes on); otherwise sets the graph source to the tool.
bool BeginToolGraph(ToolCode tool);

// The changed-settings question alone: true to go on plotting.
bool ConfirmChangedSettings();

// Re-running a tool to draw its graph again (Apply in the Options window,
// printing). Each tool registers what its calculate button does, e.g. in
// its window's constructor:
//   modPlot_Graph::SetReplotHandler(modPlot_Graph::ScatchardTool, [this] { cmdScatchard_Click(); });
// The Dynamic Equilibrium Tool's handler sets useExistingData, selects the
// wizard's step index 2 and presses cmdGo itself.
using ReplotHandler = std::function<void()>;
void SetReplotHandler(ToolCode tool, ReplotHandler handler);
// Runs the handler of the tool; false when there is none.
bool ReplotGraph(ToolCode tool);

} // namespace modPlot_Graph
