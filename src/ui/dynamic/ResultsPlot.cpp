#include "dynamic/ResultsPlot.h"

#include "dynamic/ReferenceCurvePlot.h"
#include "dynamic/ResultsReading.h"
#include "dynamic/ResultsStore.h"
#include "graphing/GraphHost.h"
#include "graphing/PlotEngine.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <cmath>
#include <optional>

namespace modVornish {
namespace {

using namespace modPlot_Graph;

struct PlottedQuantity
{
    ResultsTable table;
    QString field;
    double scale;
};

PlottedQuantity quantityOf(DynamicY choice)
{
    const double concentrationScale = 1.0 / Session::current().concentrationFactor();
    const double rateScale = double(Session::current().timeFactor()) / Session::current().concentrationFactor();
    switch (choice) {
    case DynamicY::A:
        return {ResultsTable::A, ConcentrationField, concentrationScale};
    case DynamicY::B:
        return {ResultsTable::B, ConcentrationField, concentrationScale};
    case DynamicY::AB:
        return {ResultsTable::AB, ConcentrationField, concentrationScale};
    case DynamicY::dAdt:
        return {ResultsTable::A, RateField, rateScale};
    case DynamicY::dBdt:
        return {ResultsTable::B, RateField, rateScale};
    case DynamicY::dABdt:
        break;
    }
    return {ResultsTable::AB, RateField, rateScale};
}

// A filled manual limit replaces the automatic value and is rewritten as
// the text of the number it was read as.
void applyManualValue(QString &text, double &value)
{
    if (text.isEmpty())
        return;
    value = NumberText::leadingNumber(text);
    text = NumberText::generalText(value);
}

// An automatic range of one value (a run of end time 0, a quantity that
// does not change) would make the graph divide by zero: it is opened to
// 0 .. 2v (or 2v .. 0, or 0 .. 1) so the points can be drawn.
void openEmptyRange(double &low, double &high)
{
    if (low != high)
        return;
    const double v = low;
    if (v > 0) {
        low = 0;
        high = 2 * v;
        RoundUpAxisMaximum(high);
    } else if (v < 0) {
        low = 2 * v;
        high = 0;
        RoundDownAxisMinimum(low);
    } else {
        high = 1;
    }
}

// Where PlotPoint puts a point on the picture, in whole twips.
struct TwipsPosition
{
    short x = 0, y = 0;
    bool operator==(const TwipsPosition &o) const { return x == o.x && y == o.y; }
};

TwipsPosition twipsPosition(double x, double y, double xMin, double xMax, double yMin, double yMax)
{
    return {TwipsCoordinate(ScreenLeft + fault::divide((x - xMin) * PlotWidth, xMax - xMin)),
            TwipsCoordinate(PlotTop + PlotHeight - fault::divide((y - yMin) * PlotHeight, yMax - yMin))};
}

class ProgressSteps
{
public:
    ProgressSteps(const PlotProgress &progress, double xMin, double xMax)
        : m_progress(progress)
        , m_xMin(xMin)
        , m_width(xMax - xMin)
    {
    }

    void at(double x)
    {
        if (!m_progress)
            return;
        const int percent = int(std::floor(100.0 * (x - m_xMin) / m_width));
        if (percent == m_lastPercent)
            return;
        m_lastPercent = percent;
        m_progress(0.2 + 0.8 * (x - m_xMin) / m_width);
    }

private:
    const PlotProgress &m_progress;
    double m_xMin, m_width;
    int m_lastPercent = -1;
};

// The time range the results were drawn over last (s).
struct TimeRange
{
    double from, to;
};
std::optional<TimeRange> lastPlotted;

bool plotResults(double xMinSeconds, double xMaxSeconds, const PlotProgress &progress)
{
    lastPlotted = TimeRange{xMinSeconds, xMaxSeconds};
    if (!BeginToolGraph(DynamicTool)) {
        StatusText::clear();
        return false;
    }
    GraphPreferences prefs = Preferences();
    const QString path = ResultsFilePath();
    const PlottedQuantity quantity = quantityOf(prefs.dynamicY);
    const QString query = ResultsQuery(quantity.table);

    // Before any range is worked out: an empty file has none, and would
    // otherwise end in a division by zero instead of this message.
    if (IsResultsTableEmpty(path, query)) {
        Messages::show(QStringLiteral("A graph can not be plotted as the results file is empty"), Messages::Buttons::Ok,
                       Messages::Icon::None, QStringLiteral("Database error"));
        StatusText::clear();
        return false;
    }

    const double timeFactor = double(Session::current().timeFactor());
    double xMin = xMinSeconds / timeFactor;
    double xMax = xMaxSeconds / timeFactor;
    RoundUpAxisMaximum(xMax);
    if (prefs.xMin.isEmpty() && prefs.xMax.isEmpty())
        openEmptyRange(xMin, xMax);
    applyManualValue(prefs.xMin, xMin);
    applyManualValue(prefs.xMax, xMax);

    double yMin = 0;
    double yMax = 0;
    ScanFieldRange(path, query, quantity.field, yMin, yMax);
    yMin *= quantity.scale;
    yMax *= quantity.scale;
    RoundDownAxisMinimum(yMin);
    RoundUpAxisMaximum(yMax);
    if (prefs.yMin.isEmpty() && prefs.yMax.isEmpty())
        openEmptyRange(yMin, yMax);
    applyManualValue(prefs.yMin, yMin);
    applyManualValue(prefs.yMax, yMax);
    Session::current().setGraphPreferences(prefs); // the manual limits in their standard form

    SetUpGraph(xMin, xMax, yMin, yMax, DynamicTool);

    if (progress)
        progress(0.2);
    ProgressSteps steps(progress, xMin, xMax);
    ResultsReader reader(path, query, quantity.field);
    short mode = PlotDot;
    TwipsPosition last;
    while (reader.next()) {
        const double x = reader.time() / timeFactor;
        if (mode == PlotDot && x < xMin)
            continue;
        if (x > xMax)
            break;
        const double y = reader.value() * quantity.scale;
        // A row that lands on the twips of the point drawn before it would
        // draw nothing new: a million rows fall on a few thousand positions.
        const TwipsPosition at = twipsPosition(x, y, xMin, xMax, yMin, yMax);
        if (mode == PlotSegment && at == last)
            continue;
        PlotPoint(x, y, PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, mode, Session::current().printerEcho());
        mode = PlotSegment;
        last = at;
        steps.at(x);
    }
    modKinetics::DrawReferenceCurve(prefs.dynamicY, quantity.scale, timeFactor, xMin, xMax, yMin, yMax,
                                    Session::current().printerEcho());
    StatusText::clear();
    return true;
}

} // namespace

bool PlotSimulationResults(double endTime, const PlotProgress &progress)
{
    return plotResults(0.0, endTime, progress);
}

bool PlotStoredResults(const PlotProgress &progress)
{
    double firstTime = 0;
    double lastTime = 0;
    ScanFieldRange(ResultsFilePath(), ResultsQuery(ResultsTable::AB), TimeField, firstTime, lastTime);
    return plotResults(firstTime, lastTime, progress);
}

bool ReplotResults()
{
    return lastPlotted && plotResults(lastPlotted->from, lastPlotted->to, {});
}

void ClearDynamicGraph()
{
    lastPlotted.reset();
    GraphHost *host = RegisteredGraphHost();
    if (host && Session::current().graphSource() == DynamicTool)
        host->clearPicture(false);
}

} // namespace modVornish
