#include "scatchard/ScatchardGraph.h"

#include "graphing/GraphWindows.h"
#include "graphing/PlotEngine.h"
#include "graphing/PlotOverlay.h"
#include "graphing/UnitDisplays.h"
#include "graphing/frmOptions.h"
#include "platform/EditableGrid.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "printing/ToolLists.h"
#include "scatchard/SaturationFitPanel.h"
#include "scatchard/ScatchardWindows.h"
#include "scatchard/frmScatchTlAssistant.h"
#include "scatchard/frmScatchard.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace modStatistics {

using namespace modPlot_Graph;

namespace {

const QColor ModelLineColor(0, 0, 192);

// A manual axis text of the Options window replaces the automatic value.
void applyOverride(double &value, const QString &manualText)
{
    if (!manualText.isEmpty())
        value = NumberText::leadingNumber(manualText);
}

double lineAt(double slope, double intercept, double x)
{
    return fault::checkedFinite(slope * x + intercept);
}

// The fitted curve in Scatchard coordinates, across the X range.
void PlotModelLine(const ModelLine &model, double xMin, double xMax, double yMin, double yMax)
{
    const auto modelAt = [&](double x) { return fault::divide(model.bmax - x, model.kd); };
    const CurveStyle modelStyle{ModelLineColor, LineDash::Dashed};
    PlotCurve({QPointF(xMin, modelAt(xMin)), QPointF(xMax, modelAt(xMax))}, xMin, xMax, yMin, yMax, modelStyle,
              Session::current().printerEcho());
    PlotLegend({{QStringLiteral("Scatchard line"), CurveStyle()}, {QStringLiteral("Curve fit"), modelStyle}},
               Session::current().printerEcho());
}

} // namespace

void PlotScatchardGraph(const std::vector<double> &x, const std::vector<double> &y, double slope, double intercept,
                        std::optional<ModelLine> model)
{
    if (!BeginToolGraph(ScatchardTool)) {
        StatusText::clear();
        return;
    }
    const GraphPreferences prefs = Preferences();

    const auto [xLowest, xHighest] = std::minmax_element(x.begin(), x.end());
    double xMin = *xLowest, xMax = *xHighest;
    RoundDownAxisMinimum(xMin);
    RoundUpAxisMaximum(xMax);
    applyOverride(xMin, prefs.xMin);
    applyOverride(xMax, prefs.xMax);

    // The Y range holds the data and both ends of the line; taking the
    // lower and the higher end (rather than the ends by the slope's sign)
    // also holds when manual X limits come in reverse order.
    const double y1 = lineAt(slope, intercept, xMin);
    const double y2 = lineAt(slope, intercept, xMax);
    const auto [yLowest, yHighest] = std::minmax_element(y.begin(), y.end());
    double yMin = std::min(*yLowest, std::min(y1, y2));
    double yMax = std::max(*yHighest, std::max(y1, y2));
    RoundDownAxisMinimum(yMin);
    RoundUpAxisMaximum(yMax);
    applyOverride(yMin, prefs.yMin);
    applyOverride(yMax, prefs.yMax);

    SetUpGraph(xMin, xMax, yMin, yMax, ScatchardTool);

    // The line ends on the axis limits SetUpGraph left (it may swap them).
    PlotPoint(xMin, lineAt(slope, intercept, xMin), PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, PlotDot,
              Session::current().printerEcho());
    PlotPoint(xMax, lineAt(slope, intercept, xMax), PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, PlotSegment,
              Session::current().printerEcho());
    for (size_t i = 0; i < x.size(); ++i) {
        if (xMin <= x[i] && x[i] <= xMax && yMin <= y[i] && y[i] <= yMax)
            PlotPoint(x[i], y[i], PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, prefs.scatchardSymbol,
                      Session::current().printerEcho());
    }
    if (model)
        PlotModelLine(*model, xMin, xMax, yMin, yMax);

    StatusText::clear();
    frmScatchTlAssistant *assistant = scatchardWindows().scatchardAssistant;
    if (assistant && assistant->isVisible())
        assistant->hide();
}

void ShowLinearScaleTitles()
{
    if (frmOptions *options = graphWindows().options)
        options->ShowXScaleTitles(false);
}

void ShowScatchardGraphOptions()
{
    if (frmOptions *options = graphWindows().options)
        options->ShowOnTab(frmOptions::TabScatchard);
}

void RegisterScatchardHooks(frmScatchard &)
{
    // The hooks find the window through the registry, which forgets it
    // when the main window ends.
    SetReplotHandler(ScatchardTool, [] {
        frmScatchard *form = scatchardWindows().scatchard;
        if (form && !form->fitPanel->ReplotFitGraph())
            form->cmdScatchard->click();
    });

    modVnPublic::UnitDisplay display;
    display.rescaleConcentrations = [](const modVnPublic::RescaleText &rescale) {
        frmScatchard *form = scatchardWindows().scatchard;
        if (!form)
            return;
        EditableGrid &grid = *form->flgInputScatchard;
        grid.CommitEdit(); // a Bound still being typed is in the old unit too
        for (int row = 1; row < grid.Rows() && !grid.TextMatrix(row, 1).isEmpty(); ++row)
            grid.setTextMatrix(row, 1, rescale(grid.TextMatrix(row, 1)));
    };
    display.showConcentrationUnit = [](const modVnPublic::ConcentrationUnitTexts &texts) {
        if (frmScatchard *form = scatchardWindows().scatchard)
            form->lblUnit->setText(texts.scatchardLabel);
        if (frmScatchTlAssistant *assistant = scatchardWindows().scatchardAssistant)
            assistant->lblUnits->setText(texts.longText);
    };
    modVnPublic::SetUnitDisplay(modVnPublic::UnitDisplayWindow::Scatchard, display);

    ToolLists::SetReportSource(ScatchardTool, [](const QString &) {
        const frmScatchard *form = scatchardWindows().scatchard;
        if (!form)
            return ReportColumns();
        return ToolLists::ScatchardToolList({form->lblOutputKd->text(), form->lblOutputCI->text(),
                                             form->lblOutputSlope->text(), form->lblOutputIntercept->text(),
                                             form->lblOutputdf->text(), form->lblOutputSEb->text()});
    });
}

} // namespace modStatistics
