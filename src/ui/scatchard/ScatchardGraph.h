#pragma once

#include "scatchard/ScatchardFigures.h"

class frmScatchard;

// Where the Scatchard window meets the graphing subsystem.
namespace modStatistics {

// The plot hand-over of Analyze data: the Scatchard figure (with the
// fitted saturation curve's line when given). Clears the status text; after
// a plot hides the assistant. Faults propagate to the analysis' handler.
void PlotScatchardGraph(const std::vector<double> &x, const std::vector<double> &y, double slope, double intercept,
                        std::optional<ModelLine> model = std::nullopt);

// The Options window's X scale row heading and tool tips in their linear
// form, the only scale of the Scatchard graph.
void ShowLinearScaleTitles();

// Shows the Options window on its "Scatchard Analysis Graph" tab.
void ShowScatchardGraphOptions();

// Lets the graphing subsystem re-run the analysis (Apply, printing) and
// rescale and relabel the window when the concentration unit changes.
void RegisterScatchardHooks(frmScatchard &form);

} // namespace modStatistics
