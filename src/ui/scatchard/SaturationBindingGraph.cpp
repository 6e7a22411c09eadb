#include "scatchard/SaturationBindingGraph.h"

#include "graphing/GraphHost.h"
#include "graphing/GraphState.h"
#include "graphing/PlotEngine.h"
#include "graphing/PrinterPage.h"
#include "session/Session.h"
#include "session/StatusText.h"

namespace modStatistics {

using namespace modPlot_Graph;

void PlotSaturationBindingGraph(const SeriesPlot &plot)
{
    if (!BeginToolGraph(SaturationTool)) {
        StatusText::clear();
        return;
    }
    StatusText::set(QStringLiteral("Plotting graph ..."));
    Session &session = Session::current();
    GraphHost *host = RegisteredGraphHost();
    const bool echo = session.printerEcho();
    if (Preferences().clearPrevGraph == 1) {
        if (host)
            host->clearPicture(session.graphPicturePasted());
        if (echo)
            printerPage().discard();
    }
    session.setGraphPicturePasted(false);
    if (host)
        host->showGraph();
    SeriesPlot shown = plot;
    shown.drawTitles = false; // the graph window shows them beside the picture
    if (DrawingSurface *picture = GraphSurface())
        DrawSeriesPlot(*picture, shown);
    if (echo) {
        shown.left = PrinterLeft;
        shown.lineWidth = 2;
        DrawSeriesPlot(printerPage(), shown);
    }
    if (host)
        host->showAxisTitles({plot.xTitle, plot.yTitle});
    StatusText::clear();
}

} // namespace modStatistics
