#include "printing/ReportTool.h"

#include "dynamic/DynamicWindows.h"
#include "dynamic/frmDynVornish.h"
#include "equilibrium/EquilibriumWindows.h"
#include "equilibrium/frmVornish.h"
#include "platform/MainFrame.h"
#include "printing/PrintWindows.h"
#include "printing/frmPrintOptions.h"
#include "scatchard/ScatchardWindows.h"
#include "scatchard/frmScatchard.h"
#include "session/GraphPreferences.h"

#include <QMdiArea>
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
        if (child == equilibriumWindows().vornish)
            return modPlot_Graph::EquilibriumTool;
        if (child == scatchardWindows().scatchard)
            return modPlot_Graph::ScatchardTool;
        if (child == dynamicWindows().dynamic)
            return modPlot_Graph::DynamicTool;
        return modPlot_Graph::NoTool;
    }
    return modPlot_Graph::NoTool;
}

} // namespace ReportTool
