#include "graphing/PlotEngine.h"

#include "graphing/AxisTitleLabel.h"
#include "graphing/DrawAxes.h"
#include "graphing/GraphPicture.h"
#include "graphing/OptionsTexts.h"
#include "graphing/PrinterPage.h"
#include "graphing/TickScale.h"
#include "graphing/Units.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "shell/AppWindows.h"
#include "shell/StatusText.h"

#include <QLineEdit>

#include <map>
#include <utility>

namespace modPlot_Graph {
namespace {

std::map<short, ReplotHandler> &replotHandlers()
{
    static std::map<short, ReplotHandler> handlers;
    return handlers;
}

// Swaps a reversed range and writes the new limits into their filled fields.
void orderRange(double &low, double &high, QLineEdit *lowField, QLineEdit *highField)
{
    if (low <= high)
        return;
    std::swap(low, high);
    if (lowField && !lowField->text().isEmpty())
        lowField->setText(NumberText::generalText(low));
    if (highField && !highField->text().isEmpty())
        highField->setText(NumberText::generalText(high));
}

} // namespace

GraphPreferences Preferences()
{
    if (const frmOptions *options = appWindows().options)
        return options->preferences();
    return GraphPreferences();
}

QString GraphSource()
{
    const frmGraph *graph = appWindows().graph;
    return graph ? graph->PicGraph->tag() : QStringLiteral("0");
}

void SetGraphSource(const QString &source)
{
    if (frmGraph *graph = appWindows().graph)
        graph->PicGraph->setTag(source);
}

void SetUpGraph(double &xMin, double &xMax, double &yMin, double &yMax, short toolCode)
{
    StatusText::set(QStringLiteral("Plotting graph ..."));
    frmGraph *graph = appWindows().graph;
    frmOptions *options = appWindows().options;
    GraphPicture *picture = graph ? graph->PicGraph : nullptr;
    const GraphPreferences prefs = Preferences();
    const bool echo = modVnPublic::PrinterEcho != 0;
    PrinterPage &page = printerPage();

    if (prefs.clearPrevGraph == 1) {
        if (picture) {
            if (modVnPublic::GraphPicturePasted)
                picture->clearPicture();
            else
                picture->clear();
        }
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
    modVnPublic::GraphPicturePasted = 0;

    orderRange(xMin, xMax, options ? options->txtX_min : nullptr, options ? options->txtX_max : nullptr);
    orderRange(yMin, yMax, options ? options->txtY_min : nullptr, options ? options->txtY_max : nullptr);

    double xTick = 0;
    double yTick = 0;
    ComputeTickDistance(QStringLiteral("x"), xMin, xMax, xTick, prefs.xTick);
    ComputeTickDistance(QStringLiteral("y"), yMin, yMax, yTick, prefs.yTick);
    const bool decades = GraphSource() == QLatin1String("1") && prefs.logScale;
    if (decades)
        xTick = DecadeTickDistance(xTick);

    if (graph)
        graph->showInFront();
    if (picture)
        DrawAxes(*picture, ScreenLeft, PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, xTick, yTick, decades);
    if (echo)
        DrawAxes(page, PrinterLeft, PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, xTick, yTick, decades);

    const AxisTitles titles =
        ComposeAxisTitles(toolCode, prefs, modVnPublic::ConcentrationUnit, modVnPublic::TimeUnit);
    if (graph) {
        graph->lblX_axis->setText(titles.x);
        graph->lblY_axis->setText(titles.y);
    }
}

bool ConfirmChangedSettings()
{
    frmOptions *options = appWindows().options;
    if (!options || options->settingsChanged() != QLatin1String("1") || Preferences().doNotRemind != 0)
        return true;
    switch (Messages::show(OptionsTexts::changedSettingsQuestion(), Messages::Buttons::YesNoCancel,
                           Messages::Icon::None, QStringLiteral("Warning"))) {
    case Messages::Answer::Yes:
        return true;
    case Messages::Answer::No:
        options->RestoreDefaults();
        return true;
    default:
        return false;
    }
}

bool BeginToolGraph(short toolCode)
{
    if (Preferences().toPlotOrNot == 0)
        return false;
    if (!ConfirmChangedSettings())
        return false;
    SetGraphSource(QString::number(toolCode));
    return true;
}

void SetReplotHandler(short toolCode, ReplotHandler handler)
{
    replotHandlers()[toolCode] = std::move(handler);
}

bool ReplotGraph(const QString &graphSource)
{
    bool isNumber = false;
    const short code = graphSource.toShort(&isNumber);
    if (!isNumber || code < EquilibriumTool || code > DynamicTool)
        return false;
    const auto found = replotHandlers().find(code);
    if (found == replotHandlers().end() || !found->second)
        return false;
    found->second();
    return true;
}

} // namespace modPlot_Graph
