#include "dynamic/ResultsPlot.h"

#include "dynamic/LastRunKinetics.h"
#include "dynamic/ReferenceCurvePlot.h"
#include "dynamic/ResultsReading.h"
#include "dynamic/ResultsStore.h"
#include "graphing/GraphFigure.h"
#include "graphing/GraphHost.h"
#include "graphing/PlotEngine.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace modVornish {
namespace {

using namespace modPlot_Graph;

struct PlottedQuantity
{
    DynamicY choice;
    ResultsTable table;
    QString field;
    double scale;
    QString name; // its legend text when several are shown together
};

PlottedQuantity quantityOf(DynamicY choice)
{
    const double concentrationScale = 1.0 / Session::current().concentrationFactor();
    const double rateScale = double(Session::current().timeFactor()) / Session::current().concentrationFactor();
    switch (choice) {
    case DynamicY::A:
        return {choice, ResultsTable::A, ConcentrationField, concentrationScale, QStringLiteral("A")};
    case DynamicY::B:
        return {choice, ResultsTable::B, ConcentrationField, concentrationScale, QStringLiteral("B")};
    case DynamicY::AB:
        return {choice, ResultsTable::AB, ConcentrationField, concentrationScale, QStringLiteral("[A/B]")};
    case DynamicY::dAdt:
        return {choice, ResultsTable::A, RateField, rateScale, QStringLiteral("d[A]dt")};
    case DynamicY::dBdt:
        return {choice, ResultsTable::B, RateField, rateScale, QStringLiteral("d[B]dt")};
    case DynamicY::dABdt:
    case DynamicY::Together:
        break;
    }
    return {DynamicY::dABdt, ResultsTable::AB, RateField, rateScale, QStringLiteral("d[A/B]dt")};
}

// The quantities the Options window's dynamic Y choice shows: together,
// the competitor and its complex too when the run had one.
std::vector<PlottedQuantity> quantitiesOf(DynamicY choice, const QString &path)
{
    if (choice != DynamicY::Together)
        return {quantityOf(choice)};
    std::vector<PlottedQuantity> together = {quantityOf(DynamicY::A), quantityOf(DynamicY::B),
                                             quantityOf(DynamicY::AB)};
    if (!IsResultsTableEmpty(path, ResultsQuery(ResultsTable::C))) {
        const double concentrationScale = 1.0 / Session::current().concentrationFactor();
        together.push_back({choice, ResultsTable::C, ConcentrationField, concentrationScale, QStringLiteral("C")});
        together.push_back({choice, ResultsTable::CB, ConcentrationField, concentrationScale, QStringLiteral("[C/B]")});
    }
    return together;
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

// Where PlotPoint puts a point on the picture, in whole twips, on the axes
// in the order SetUpGraph puts them.
struct TwipsPosition
{
    short x = 0, y = 0;
    bool operator==(const TwipsPosition &o) const { return x == o.x && y == o.y; }
};

struct Axes
{
    double xMin, xMax, yMin, yMax;

    TwipsPosition twips(double x, double y) const
    {
        const double xLow = std::min(xMin, xMax), xHigh = std::max(xMin, xMax);
        const double yLow = std::min(yMin, yMax), yHigh = std::max(yMin, yMax);
        return {TwipsCoordinate(ScreenLeft + fault::divide((x - xLow) * PlotWidth, xHigh - xLow)),
                TwipsCoordinate(PlotTop + PlotHeight - fault::divide((y - yLow) * PlotHeight, yHigh - yLow))};
    }
};

class ProgressSteps
{
public:
    ProgressSteps(const PlotProgress &progress, double xMin, double xMax, size_t curves)
        : m_progress(progress)
        , m_xMin(std::min(xMin, xMax))
        , m_width(std::fabs(xMax - xMin))
        , m_curves(double(curves))
    {
    }

    void at(size_t curve, double x)
    {
        if (!m_progress)
            return;
        const double share = (double(curve) + (x - m_xMin) / m_width) / m_curves;
        const int percent = int(std::floor(100.0 * share));
        if (percent == m_lastPercent)
            return;
        m_lastPercent = percent;
        m_progress(0.2 + 0.8 * share);
    }

private:
    const PlotProgress &m_progress;
    double m_xMin, m_width, m_curves;
    int m_lastPercent = -1;
};

// The time range the results were drawn over last (s).
struct TimeRange
{
    double from, to;
};
std::optional<TimeRange> lastPlotted;

// The first stored time after 0 (s), where a logarithmic time axis starts;
// 0 when there is none.
double firstPositiveTime(const QString &path, const QString &query)
{
    ResultsReader reader(path, query, TimeField);
    while (reader.next())
        if (reader.time() > 0)
            return reader.time();
    return 0;
}

// The X range in the shown time unit, or its decimal exponents on a log axis.
void timeAxisRange(double fromSeconds, double toSeconds, double firstPositive, const GraphPreferences &prefs,
                   double &xMin, double &xMax)
{
    const double timeFactor = double(Session::current().timeFactor());
    if (prefs.dynamicLogTime) {
        const double from = std::max(fromSeconds, firstPositive) / timeFactor;
        const double to = toSeconds / timeFactor;
        xMin = from > 0 ? std::floor(std::log10(from)) : 0;
        xMax = to > 0 ? std::ceil(std::log10(to)) : xMin + 1;
        if (xMax <= xMin)
            xMax = xMin + 1;
        return;
    }
    xMin = fromSeconds / timeFactor;
    xMax = toSeconds / timeFactor;
    RoundUpAxisMaximum(xMax);
    if (prefs.xMin.isEmpty() && prefs.xMax.isEmpty())
        openEmptyRange(xMin, xMax);
}

// The curve of one quantity as the graph will show it: one point for each
// twips position it reaches (a million rows fall on a few thousand).
FigureCurve readCurve(const QString &path, const PlottedQuantity &quantity, const Axes &axes, bool logTime,
                      size_t index, ProgressSteps &steps)
{
    const double timeFactor = double(Session::current().timeFactor());
    const double xLow = std::min(axes.xMin, axes.xMax), xHigh = std::max(axes.xMin, axes.xMax);
    FigureCurve curve;
    curve.name = quantity.name;
    ResultsReader reader(path, ResultsQuery(quantity.table), quantity.field);
    TwipsPosition last;
    while (reader.next()) {
        const double time = reader.time() / timeFactor;
        if (logTime && !(time > 0))
            continue;
        const double x = logTime ? std::log10(time) : time;
        if (curve.points.empty() && x < xLow)
            continue;
        if (x > xHigh)
            break;
        const double y = reader.value() * quantity.scale;
        const TwipsPosition at = axes.twips(x, y);
        if (!curve.points.empty() && at == last)
            continue;
        curve.points.emplace_back(x, y);
        last = at;
        steps.at(index, x);
    }
    return curve;
}

// What a run was computed from, in the shown units.
std::vector<CurveParameter> runParameters(const SimulationInput &run)
{
    const Session &session = Session::current();
    const double factor = session.concentrationFactor();
    const QString unit = session.concentrationUnit();
    std::vector<CurveParameter> parameters = {{QStringLiteral("A0"), run.initialA / factor, unit},
                                              {QStringLiteral("B0"), run.initialB / factor, unit},
                                              {QStringLiteral("[A/B]0"), run.initialAB / factor, unit},
                                              {QStringLiteral("k_ass"), run.kAss, QStringLiteral("1/(M s)")}};
    if (run.kAss > 0)
        parameters.push_back({QStringLiteral("Kd"), run.kDiss / run.kAss / factor, unit});
    return parameters;
}

bool plotResults(double xMinSeconds, double xMaxSeconds, const PlotProgress &progress)
{
    lastPlotted = TimeRange{xMinSeconds, xMaxSeconds};
    if (!BeginToolGraph(DynamicTool)) {
        StatusText::clear();
        return false;
    }
    GraphPreferences prefs = Preferences();
    const QString path = ResultsFilePath();
    const std::vector<PlottedQuantity> quantities = quantitiesOf(prefs.dynamicY, path);

    // Before any range is worked out: an empty file has none, and would
    // otherwise end in a division by zero instead of this message.
    for (const PlottedQuantity &quantity : quantities) {
        if (IsResultsTableEmpty(path, ResultsQuery(quantity.table))) {
            Messages::show(QStringLiteral("A graph can not be plotted as the results file is empty"),
                           Messages::Buttons::Ok, Messages::Icon::None, QStringLiteral("Database error"));
            StatusText::clear();
            return false;
        }
    }

    GraphFigure figure;
    figure.tool = DynamicTool;
    const double firstPositive = prefs.dynamicLogTime ? firstPositiveTime(path, ResultsQuery(quantities.front().table))
                                                      : 0;
    timeAxisRange(xMinSeconds, xMaxSeconds, firstPositive, prefs, figure.xMin, figure.xMax);
    applyManualValue(prefs.xMin, figure.xMin);
    applyManualValue(prefs.xMax, figure.xMax);

    bool first = true;
    for (const PlottedQuantity &quantity : quantities) {
        double low = 0, high = 0;
        ScanFieldRange(path, ResultsQuery(quantity.table), quantity.field, low, high);
        figure.yMin = first ? low * quantity.scale : std::min(figure.yMin, low * quantity.scale);
        figure.yMax = first ? high * quantity.scale : std::max(figure.yMax, high * quantity.scale);
        first = false;
    }
    RoundDownAxisMinimum(figure.yMin);
    RoundUpAxisMaximum(figure.yMax);
    if (prefs.yMin.isEmpty() && prefs.yMax.isEmpty())
        openEmptyRange(figure.yMin, figure.yMax);
    applyManualValue(prefs.yMin, figure.yMin);
    applyManualValue(prefs.yMax, figure.yMax);
    Session::current().setGraphPreferences(prefs); // the manual limits in their standard form

    if (progress)
        progress(0.2);
    const Axes axes{figure.xMin, figure.xMax, figure.yMin, figure.yMax};
    ProgressSteps steps(progress, figure.xMin, figure.xMax, quantities.size());
    for (size_t i = 0; i < quantities.size(); ++i)
        figure.curves.push_back(readCurve(path, quantities[i], axes, prefs.dynamicLogTime, i, steps));
    // A lone quantity is named by its run, so that superimposed runs are told apart.
    if (quantities.size() == 1 && modKinetics::LastRunKinetics) {
        figure.curves.front().name.clear();
        figure.curves.front().parameters = runParameters(modKinetics::LastRunKinetics->input);
    }

    DrawFigure(figure);
    const double timeFactor = double(Session::current().timeFactor());
    for (const PlottedQuantity &quantity : quantities)
        modKinetics::DrawReferenceCurve(quantity.choice, quantity.scale, timeFactor, prefs.dynamicLogTime, figure.xMin,
                                        figure.xMax, figure.yMin, figure.yMax, Session::current().printerEcho());
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
