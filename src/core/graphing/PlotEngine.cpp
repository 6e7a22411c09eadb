#include "graphing/PlotEngine.h"

#include "graphing/DrawAxes.h"
#include "graphing/GraphHost.h"
#include "graphing/OptionsTexts.h"
#include "graphing/PrinterPage.h"
#include "graphing/TickScale.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <map>
#include <utility>

namespace modPlot_Graph {
namespace {

std::map<ToolCode, ReplotHandler> &replotHandlers()
{
    static std::map<ToolCode, ReplotHandler> handlers;
    return handlers;
}

// Swaps a reversed range and writes the new limits into their filled texts.
void orderRange(double &low, double &high, QString &lowText, QString &highText)
{
    if (low <= high)
        return;
    std::swap(low, high);
    if (!lowText.isEmpty())
        lowText = NumberText::generalText(low);
    if (!highText.isEmpty())
        highText = NumberText::generalText(high);
}

} // namespace

GraphPreferences Preferences()
{
    return Session::current().graphPreferences();
}

void SetUpGraph(double &xMin, double &xMax, double &yMin, double &yMax, short toolCode)
{
    StatusText::set(QStringLiteral("Plotting graph ..."));
    Session &session = Session::current();
    GraphHost *host = RegisteredGraphHost();
    DrawingSurface *picture = GraphSurface();
    GraphPreferences prefs = session.graphPreferences();
    const bool echo = session.printerEcho();
    PrinterPage &page = printerPage();

    if (prefs.clearPrevGraph == 1) {
        if (host)
            host->clearPicture(session.graphPicturePasted());
        if (echo)
            page.discard();
    }
    if (picture) {
        picture->setFont(QStringLiteral("Arial"), 9, false);
        picture->setLineWidth(1);
    }
    if (echo) {
        page.setFont(QStringLiteral("Arial"), 9, false);
        page.setLineWidth(2);
    }
    session.setGraphPicturePasted(false);

    const GraphPreferences typed = prefs;
    orderRange(xMin, xMax, prefs.xMin, prefs.xMax);
    orderRange(yMin, yMax, prefs.yMin, prefs.yMax);
    if (prefs.xMin != typed.xMin || prefs.xMax != typed.xMax || prefs.yMin != typed.yMin || prefs.yMax != typed.yMax)
        session.setGraphPreferences(prefs);

    double xTick = 0;
    double yTick = 0;
    ComputeTickDistance(QStringLiteral("x"), xMin, xMax, xTick, prefs.xTick);
    ComputeTickDistance(QStringLiteral("y"), yMin, yMax, yTick, prefs.yTick);
    const bool decades = (session.graphSource() == EquilibriumTool && prefs.logScale)
                         || (session.graphSource() == DynamicTool && prefs.dynamicLogTime)
                         || session.graphSource() == CompetitionTool;
    if (decades)
        xTick = DecadeTickDistance(xTick);

    if (host)
        host->showGraph();
    double yLabelsLeft = -1;
    if (picture)
        yLabelsLeft = DrawAxes(*picture, ScreenLeft, PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, xTick, yTick,
                               decades);
    if (echo)
        DrawAxes(page, PrinterLeft, PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, xTick, yTick, decades);

    if (host) {
        AxisTitles titles = ComposeAxisTitles(toolCode, prefs, session.concentrationUnit(), session.timeUnit());
        titles.yLabelsLeft = yLabelsLeft;
        host->showAxisTitles(titles);
    }
}

bool ConfirmChangedSettings()
{
    GraphHost *host = RegisteredGraphHost();
    if (!host || !Session::current().settingsChanged() || Preferences().doNotRemind != 0)
        return true;
    switch (Messages::show(OptionsTexts::changedSettingsQuestion(), Messages::Buttons::YesNoCancel,
                           Messages::Icon::None, QStringLiteral("Warning"))) {
    case Messages::Answer::Yes:
        return true;
    case Messages::Answer::No:
        host->restoreDefaultPreferences();
        return true;
    default:
        return false;
    }
}

bool BeginToolGraph(ToolCode tool)
{
    if (Preferences().toPlotOrNot == 0)
        return false;
    if (!ConfirmChangedSettings())
        return false;
    Session::current().setGraphSource(tool);
    return true;
}

void SetReplotHandler(ToolCode tool, ReplotHandler handler)
{
    replotHandlers()[tool] = std::move(handler);
}

bool ReplotGraph(ToolCode tool)
{
    const auto found = replotHandlers().find(tool);
    if (found == replotHandlers().end() || !found->second)
        return false;
    found->second();
    return true;
}

} // namespace modPlot_Graph
