#include "graphing/SeriesPlot.h"

#include "graphing/AxisRounding.h"
#include "graphing/DrawAxes.h"
#include "graphing/DrawingSurface.h"
#include "graphing/PlotOverlay.h"
#include "graphing/PlotPoint.h"
#include "graphing/TickScale.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

namespace modPlot_Graph {
namespace {

constexpr double symbolRadius = 40;
constexpr double capHalfWidth = 50;
constexpr double rightMargin = 500;
constexpr double titleSpace = 900; // below the X axis: labels and the title
const QColor zeroGrey(128, 128, 128);
constexpr double legendRoom = 300;     // between the raised data and the legend
constexpr double maxLegendRoom = 0.75; // of the plot's height: the data keep a quarter at least

struct Range
{
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    void take(double v)
    {
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    bool empty() const { return low > high; }
};

// An automatic range: from 0 when every value is positive, widened to
// round values, never of zero width.
void roundRange(double &low, double &high, bool fromZero)
{
    if (fromZero && low >= 0)
        low = 0;
    if (high == low) {
        const double half = low == 0 ? 1.0 : std::fabs(low) / 2;
        low -= low == 0 && fromZero ? 0 : half;
        high += half;
    }
    RoundDownAxisMinimum(low);
    RoundUpAxisMaximum(high);
}

using Mapping = std::function<QPointF(double x, double y)>;

// Visits the finite points of a series in order: its index, where it falls,
// and where the point before it fell, if the series is unbroken there (a
// value that is not finite breaks a curve).
template <typename Visit>
void walkSeries(const PlotSeries &series, const Mapping &at, Visit visit)
{
    std::optional<QPointF> previous;
    for (size_t i = 0; i < series.x.size() && i < series.y.size(); ++i) {
        if (!std::isfinite(series.x[i]) || !std::isfinite(series.y[i])) {
            previous.reset();
            continue;
        }
        const QPointF p = at(series.x[i], series.y[i]);
        visit(i, p, previous);
        previous = p;
    }
}

// Where the plot's points and curves fall: each point, and each curve at
// steps no longer than a symbol.
std::vector<QPointF> drawnPoints(const SeriesPlot &plot, const Mapping &at)
{
    std::vector<QPointF> drawn;
    for (const PlotSeries &series : plot.series)
        walkSeries(series, at, [&](size_t, QPointF p, const std::optional<QPointF> &previous) {
            if (series.kind == PlotSeries::Curve && previous) {
                const int steps = int(QLineF(*previous, p).length() / symbolRadius);
                for (int step = 1; step < steps; ++step)
                    drawn.push_back(*previous + (p - *previous) * step / steps);
            }
            drawn.push_back(p);
        });
    return drawn;
}

std::vector<LegendEntry> legendOf(const SeriesPlot &plot)
{
    std::vector<LegendEntry> legend;
    for (const PlotSeries &series : plot.series)
        if (!series.legend.isEmpty())
            legend.push_back({series.legend,
                              {series.color, LineDash::Solid},
                              series.kind == PlotSeries::Points ? short(PlotClosedCircle) : short(0)});
    return legend;
}

} // namespace

QSizeF SeriesPlotSize(const SeriesPlot &plot)
{
    return QSizeF(ScreenLeft + PlotWidth + rightMargin, PlotTop + plot.plotHeight + titleSpace);
}

bool DrawSeriesPlot(DrawingSurface &surface, const SeriesPlot &plot)
{
    Range xs, ys;
    for (const PlotSeries &series : plot.series) {
        for (size_t i = 0; i < series.x.size() && i < series.y.size(); ++i) {
            if (!std::isfinite(series.x[i]) || !std::isfinite(series.y[i]))
                continue;
            xs.take(series.x[i]);
            const double error = i < series.error.size() && std::isfinite(series.error[i]) ? series.error[i] : 0;
            ys.take(series.y[i] - error);
            ys.take(series.y[i] + error);
        }
    }
    if (xs.empty())
        return false;
    double xMin = xs.low, xMax = xs.high, yMin = ys.low, yMax = ys.high;
    roundRange(xMin, xMax, true);
    if (plot.symmetricY) {
        yMax = std::max(std::fabs(yMin), std::fabs(yMax));
        yMax = yMax == 0 ? 1 : yMax;
        RoundUpAxisMaximum(yMax);
        yMin = -yMax;
    } else {
        roundRange(yMin, yMax, true);
    }
    const double height = plot.plotHeight;
    const double left = plot.left;
    const Mapping at = [&](double x, double y) {
        return QPointF(left + (x - xMin) * PlotWidth / (xMax - xMin),
                       PlotTop + height - (y - yMin) * height / (yMax - yMin));
    };
    surface.setFont(QStringLiteral("Arial"), 9, false);
    // The legend hides no point and no curve: in a free corner, or above
    // them, the Y axis raised to make room.
    const std::vector<LegendEntry> legend = legendOf(plot);
    const QRectF area(left, PlotTop, PlotWidth, height);
    std::optional<QPointF> legendAt;
    if (!legend.empty()) {
        const QSizeF size = LegendSize(surface, legend);
        legendAt = FreeLegendCorner(area, size, drawnPoints(plot, at));
        // Symmetric: the room is taken from both halves.
        const double room = (plot.symmetricY ? 2 : 1) * (size.height() + legendRoom) / height;
        if (!legendAt && room < maxLegendRoom) {
            yMax = plot.symmetricY ? yMax / (1 - room) : yMin + (yMax - yMin) / (1 - room);
            RoundUpAxisMaximum(yMax);
            if (plot.symmetricY)
                yMin = -yMax;
            legendAt = FreeLegendCorner(area, size, drawnPoints(plot, at));
        }
        if (!legendAt)
            legendAt = FreeLegendCorner(area, size, {});
    }
    double xTick = 0, yTick = 0;
    ComputeTickDistance(QStringLiteral("x"), xMin, xMax, xTick);
    ComputeTickDistance(QStringLiteral("y"), yMin, yMax, yTick);

    surface.setLineWidth(plot.lineWidth);
    DrawAxes(surface, left, PlotWidth, int(height), xMin, xMax, yMin, yMax, xTick, yTick, false);
    if (plot.symmetricY)
        surface.drawLine(at(xMin, 0), at(xMax, 0), zeroGrey);

    for (const PlotSeries &series : plot.series)
        walkSeries(series, at, [&](size_t i, QPointF p, const std::optional<QPointF> &previous) {
            if (series.kind == PlotSeries::Curve) {
                if (previous)
                    surface.drawLine(*previous, p, series.color);
                return;
            }
            const double error = i < series.error.size() && std::isfinite(series.error[i]) ? series.error[i] : 0;
            if (error > 0) {
                const QPointF low = at(series.x[i], series.y[i] - error), high = at(series.x[i], series.y[i] + error);
                surface.drawLine(low, high, series.color);
                for (const QPointF &end : {low, high})
                    surface.drawLine(end - QPointF(capHalfWidth, 0), end + QPointF(capHalfWidth, 0), series.color);
            }
            surface.drawCircle(p, symbolRadius, series.color, true, series.color);
        });
    if (legendAt)
        DrawLegend(surface, *legendAt, legend);
    if (!plot.drawTitles)
        return true;

    surface.setPenPosition(QPointF(left + (PlotWidth - surface.textWidth(plot.xTitle)) / 2,
                                   PlotTop + height + titleSpace - surface.textHeight() - 60));
    surface.printText(plot.xTitle, false);
    surface.setPenPosition(
        QPointF(std::max(60.0, left - surface.textWidth(plot.yTitle) / 2), PlotTop - surface.textHeight() - 200));
    surface.printText(plot.yTitle, false);
    return true;
}

} // namespace modPlot_Graph
