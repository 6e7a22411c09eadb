#pragma once

#include <optional>
#include <vector>

class frmScatchard;

// Where the Scatchard window meets the graphing subsystem.
namespace modStatistics {

// The plot hand-over of Analyze data: unless graphs are off or the user
// cancels the changed-settings question, the fitted line from the lowest to
// the highest Bound on the X axis and the data points (x, y) that fall
// inside the axis ranges, in the symbol of the Options window. Clears the
// status text; after a plot hides the assistant. Faults propagate to the
// analysis' handler.
// A fitted saturation curve, given as model, is drawn too: in Scatchard
// coordinates the line y = (Bmax - x) / Kd, dashed, with a legend.
struct ModelLine
{
    double kd = 0.0;
    double bmax = 0.0;
};
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
