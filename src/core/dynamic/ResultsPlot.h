#pragma once

#include <QString>

#include <functional>

// The graph of the Dynamic Equilibrium Tool: the quantities that the
// Options window's dynamic Y choice names (one, or A, B and [A/B]
// together), read back from the results file into one GraphFigure against
// time (linear or in decades) in the current units, and drawn with one
// DrawFigure. Runs inside the wizard's fault handler: faults of the file or
// of the drawing propagate as RuntimeFault.
namespace modVornish {

// Receives the plot's share of the progress bar: 0.2 before reading, then
// up to 1 while the curves are read (0.2 + 0.8 x the share of the time axis
// done, over every curve), a hundred times at most.
using PlotProgress = std::function<void(double value)>;

// After a run of endTime seconds: X from 0 to the end time. False when
// nothing was drawn (graphs off, the changed-settings question cancelled,
// an empty file).
bool PlotSimulationResults(double endTime, const PlotProgress &progress = {});

// "Use existing simulation data": X over the stored times.
bool PlotStoredResults(const PlotProgress &progress = {});

// The graph of the results file drawn again over the time range it was
// drawn over last, with nothing else changed; false when it has not been
// drawn yet or nothing was drawn.
bool ReplotResults();

// After a run that failed: the graph of the run before it, if the graph
// shows one, is cleared.
void ClearDynamicGraph();

} // namespace modVornish
