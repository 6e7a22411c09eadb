#include "printing/ReportTool.h"

#include "exchange/ToolData.h"
#include "platform/MainFrame.h"
#include "printing/PrintWindows.h"
#include "printing/frmPrintOptions.h"
#include "session/GraphPreferences.h"

#include <QMdiSubWindow>

#include <iterator>

namespace ReportTool {

short ActiveToolWindow()
{
    const QList<QMdiSubWindow *> history = MainFrame::activationHistory();
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        const QMdiSubWindow *child = *it;
        if (!child->isVisible() || child == printWindows().print)
            continue;
        const ToolData::WindowRegistration window = ToolData::WindowOf(child);
        if (window.role != ToolData::Role::Tool)
            return modPlot_Graph::NoTool;
        switch (window.source) {
        case ToolData::Source::Equilibrium:
            return modPlot_Graph::EquilibriumTool;
        case ToolData::Source::Scatchard:
            return modPlot_Graph::ScatchardTool;
        case ToolData::Source::Dynamic:
            return modPlot_Graph::DynamicTool;
        case ToolData::Source::Saturation:
            return modPlot_Graph::SaturationTool;
        case ToolData::Source::Competition:
            return modPlot_Graph::CompetitionTool;
        case ToolData::Source::KineticsFit:
            return modPlot_Graph::KineticsFitTool;
        case ToolData::Source::Planner:
            return modPlot_Graph::PlannerTool;
        case ToolData::Source::None:
        case ToolData::Source::ResultsTable:
        case ToolData::Source::Graph:
            return modPlot_Graph::NoTool;
        }
    }
    return modPlot_Graph::NoTool;
}

} // namespace ReportTool
