#include "scatchard/SaturationGraph.h"

#include "graphing/GraphHost.h"
#include "graphing/PlotEngine.h"
#include "scatchard/ScatchardWindows.h"
#include "scatchard/frmScatchTlAssistant.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <algorithm>

namespace modStatistics {

using namespace modPlot_Graph;

namespace {

constexpr int curveSteps = 200;

} // namespace

void PlotSaturationGraph(const SaturationComparison &comparison)
{
    if (!BeginToolGraph(ScatchardTool)) {
        StatusText::clear();
        return;
    }
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

    for (int step = 0; step <= curveSteps; ++step) {
        const double x = xMin + (xMax - xMin) * step / curveSteps;
        PlotPoint(x, curveAt(x), PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, step == 0 ? PlotDot : PlotSegment,
                  Session::current().printerEcho());
    }
    const short symbol = Preferences().scatchardSymbol;
    for (size_t i = 0; i < free.size(); ++i) {
        if (free[i] <= xMax && bound[i] <= yMax)
            PlotPoint(free[i], bound[i], PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, symbol,
                      Session::current().printerEcho());
    }

    StatusText::clear();
    frmScatchTlAssistant *assistant = scatchardWindows().scatchardAssistant;
    if (assistant && assistant->isVisible())
        assistant->hide();
}

} // namespace modStatistics
