#include "printing/ReportTool.h"

#include "dynamic/frmDynVornish.h"
#include "equilibrium/frmVornish.h"
#include "graphing/GraphPreferences.h"
#include "printing/frmPrintOptions.h"
#include "scatchard/frmScatchard.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <iterator>

namespace ReportTool {

short ToolOfGraphSource(const QString &graphSource)
{
    if (graphSource == QLatin1String("1"))
        return modPlot_Graph::EquilibriumTool;
    if (graphSource == QLatin1String("2"))
        return modPlot_Graph::ScatchardTool;
    if (graphSource == QLatin1String("3"))
        return modPlot_Graph::DynamicTool;
    return modPlot_Graph::NoTool;
}

short ActiveToolWindow()
{
    const AppWindows &windows = appWindows();
    if (!windows.main)
        return modPlot_Graph::NoTool;
    const QList<QMdiSubWindow *> history = windows.main->mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        const QMdiSubWindow *child = *it;
        if (!child->isVisible() || child == windows.print)
            continue;
        if (child == windows.vornish)
            return modPlot_Graph::EquilibriumTool;
        if (child == windows.scatchard)
            return modPlot_Graph::ScatchardTool;
        if (child == windows.dynamic)
            return modPlot_Graph::DynamicTool;
        return modPlot_Graph::NoTool;
    }
    return modPlot_Graph::NoTool;
}

} // namespace ReportTool
