#include "scatchard/ScatchardFigures.h"

#include "graphing/GraphHost.h"
#include "graphing/PlotEngine.h"
#include "graphing/PlotOverlay.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "session/Session.h"

#include <algorithm>

namespace modStatistics {

using namespace modPlot_Graph;

namespace {

const QColor ModelLineColor(0, 0, 192);
constexpr int SaturationCurveSteps = 200;

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
void plotModelLine(const ModelLine &model, double xMin, double xMax, double yMin, double yMax)
{
    const auto modelAt = [&](double x) { return fault::divide(model.bmax - x, model.kd); };
    const CurveStyle modelStyle{ModelLineColor, LineDash::Dashed};
    PlotCurve({QPointF(xMin, modelAt(xMin)), QPointF(xMax, modelAt(xMax))}, xMin, xMax, yMin, yMax, modelStyle,
              Session::current().printerEcho());
    PlotLegend({{QStringLiteral("Scatchard line"), CurveStyle()}, {QStringLiteral("Curve fit"), modelStyle}},
               Session::current().printerEcho());
}

} // namespace

bool DrawScatchardFigure(const std::vector<double> &x, const std::vector<double> &y, double slope, double intercept,
                         std::optional<ModelLine> model)
{
    if (!BeginToolGraph(ScatchardTool))
        return false;
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
    const short echo = Session::current().printerEcho();
    PlotPoint(xMin, lineAt(slope, intercept, xMin), PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, PlotDot, echo);
    PlotPoint(xMax, lineAt(slope, intercept, xMax), PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, PlotSegment, echo);
    for (size_t i = 0; i < x.size(); ++i) {
        if (xMin <= x[i] && x[i] <= xMax && yMin <= y[i] && y[i] <= yMax)
            PlotPoint(x[i], y[i], PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, prefs.scatchardSymbol, echo);
    }
    if (model)
        plotModelLine(*model, xMin, xMax, yMin, yMax);
    return true;
}

bool DrawSaturationFigure(const SaturationComparison &comparison)
{
    if (!BeginToolGraph(ScatchardTool))
        return false;
    const SaturationFit &fit = comparison.fit;
    const auto curveAt = [&](double free) { return fit.bmax * free / (fit.kd + free); };
    const std::vector<double> &free = comparison.free, &bound = comparison.bound;

    double xMin = 0, xMax = *std::max_element(free.begin(), free.end());
    double yMin = 0, yMax = std::max(*std::max_element(bound.begin(), bound.end()), curveAt(xMax));
    RoundUpAxisMaximum(xMax);
    RoundUpAxisMaximum(yMax);
    SetUpGraph(xMin, xMax, yMin, yMax, ScatchardTool);
    const QString unit = QStringLiteral(" (") + Session::current().concentrationUnit() + QLatin1Char(')');
    if (GraphHost *host = RegisteredGraphHost())
        host->showAxisTitles({QStringLiteral("[Free]") + unit, QStringLiteral("[Bound]") + unit});

    const short echo = Session::current().printerEcho();
    for (int step = 0; step <= SaturationCurveSteps; ++step) {
        const double x = xMin + (xMax - xMin) * step / SaturationCurveSteps;
        PlotPoint(x, curveAt(x), PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, step == 0 ? PlotDot : PlotSegment,
                  echo);
    }
    const short symbol = Preferences().scatchardSymbol;
    for (size_t i = 0; i < free.size(); ++i) {
        if (free[i] <= xMax && bound[i] <= yMax)
            PlotPoint(free[i], bound[i], PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, symbol, echo);
    }
    return true;
}

} // namespace modStatistics
