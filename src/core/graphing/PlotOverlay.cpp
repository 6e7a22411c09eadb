#include "graphing/PlotOverlay.h"

#include "graphing/DrawingSurface.h"
#include "graphing/GraphState.h"
#include "graphing/PlotGeometry.h"
#include "graphing/PlotSymbol.h"
#include "graphing/PrinterPage.h"
#include "platform/RuntimeFault.h"
#include "session/Session.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace modPlot_Graph {
namespace {

constexpr double legendMargin = 90;
constexpr double sampleLength = 420;

// Cuts the line to the plot area (Liang-Barsky); false when it misses it.
bool clipToPlotArea(QLineF &line)
{
    const double left = ScreenLeft, right = ScreenLeft + PlotWidth, top = PlotTop, bottom = PlotTop + PlotHeight;
    const double dx = line.dx(), dy = line.dy();
    double enter = 0, leave = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {line.x1() - left, right - line.x1(), line.y1() - top, bottom - line.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, r);
        else
            leave = std::min(leave, r);
    }
    if (enter > leave)
        return false;
    line = QLineF(line.pointAt(enter), line.pointAt(leave));
    return true;
}

// Draws a curve segment by segment in a style, the dash pattern running on
// from one segment to the next, on the picture and the echoed page.
class StyledPen
{
public:
    StyledPen(const CurveStyle &style, bool echo)
        : m_color(style.color)
        , m_pattern(DashPattern(style.dash))
        , m_echo(echo)
    {
    }

    void segment(const QLineF &line)
    {
        if (m_pattern.empty()) {
            draw(line.p1(), line.p2());
            return;
        }
        const double length = line.length();
        if (length == 0)
            return;
        double done = 0;
        while (done < length) {
            const double piece = std::min(length - done, m_pattern[m_place] - m_phase);
            if (m_place % 2 == 0)
                draw(line.pointAt(done / length), line.pointAt((done + piece) / length));
            done += piece;
            m_phase += piece;
            if (m_phase >= m_pattern[m_place]) {
                m_phase = 0;
                m_place = (m_place + 1) % m_pattern.size();
            }
        }
    }

private:
    void draw(QPointF from, QPointF to)
    {
        if (DrawingSurface *picture = GraphSurface())
            picture->drawLine(from, to, m_color);
        if (m_echo) {
            const QPointF shift(PrinterOffset, 0);
            printerPage().drawLine(from + shift, to + shift, m_color);
        }
    }

    QColor m_color;
    std::vector<double> m_pattern;
    bool m_echo;
    size_t m_place = 0;
    double m_phase = 0;
};

struct Axes
{
    double xMin, xMax, yMin, yMax;

    QPointF twips(QPointF value) const
    {
        return QPointF(ScreenLeft + fault::divide((value.x() - xMin) * PlotWidth, xMax - xMin),
                       PlotTop + PlotHeight - fault::divide((value.y() - yMin) * PlotHeight, yMax - yMin));
    }
};

bool isFinite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

} // namespace

QSizeF LegendSize(DrawingSurface &surface, const std::vector<LegendEntry> &entries)
{
    surface.setFont(QStringLiteral("Arial"), 8, false);
    double textWidth = 0;
    for (const LegendEntry &entry : entries)
        textWidth = std::max(textWidth, surface.textWidth(entry.text));
    const QSizeF size(3 * legendMargin + sampleLength + textWidth,
                      2 * legendMargin + surface.textHeight() * double(entries.size()));
    surface.setFont(QStringLiteral("Arial"), 9, false);
    return size;
}

std::optional<QPointF> FreeLegendCorner(const QRectF &area, QSizeF size, const std::vector<QPointF> &drawn)
{
    const QRectF inside = area.adjusted(legendMargin, legendMargin, -legendMargin, -legendMargin);
    for (const QPointF &corner : {QPointF(inside.right() - size.width(), inside.top()), inside.topLeft(),
                                  QPointF(inside.right() - size.width(), inside.bottom() - size.height()),
                                  QPointF(inside.left(), inside.bottom() - size.height())}) {
        const QRectF box = QRectF(corner, size).adjusted(-legendMargin, -legendMargin, legendMargin, legendMargin);
        if (std::none_of(drawn.begin(), drawn.end(), [&box](const QPointF &p) { return box.contains(p); }))
            return corner;
    }
    return std::nullopt;
}

void DrawLegend(DrawingSurface &surface, QPointF topLeft, const std::vector<LegendEntry> &entries)
{
    const QSizeF size = LegendSize(surface, entries);
    surface.beginLegend();
    surface.setFont(QStringLiteral("Arial"), 8, false);
    const double rowHeight = surface.textHeight();
    surface.drawBox(topLeft, topLeft + QPointF(size.width(), size.height()), QColor(0, 0, 0), true,
                    QColor(255, 255, 255));
    for (size_t i = 0; i < entries.size(); ++i) {
        const LegendEntry &entry = entries[i];
        const double top = topLeft.y() + legendMargin + double(i) * rowHeight;
        const QPointF sampleStart(topLeft.x() + legendMargin, top + rowHeight / 2);
        if (IsSymbolMode(entry.symbol)) {
            DrawSymbol(surface, sampleStart + QPointF(sampleLength / 2, 0), entry.symbol, 0, entry.style.color);
        } else {
            // The sample's dashes, as PlotCurve draws them.
            const std::vector<double> pattern = DashPattern(entry.style.dash);
            double at = 0;
            for (size_t place = 0; at < sampleLength; place = (place + 1) % std::max<size_t>(1, pattern.size())) {
                const double step = pattern.empty() ? sampleLength : pattern[place];
                if (place % 2 == 0)
                    surface.drawLine(sampleStart + QPointF(at, 0),
                                     sampleStart + QPointF(std::min(at + step, sampleLength), 0), entry.style.color);
                at += step;
            }
        }
        surface.setPenPosition(QPointF(topLeft.x() + 2 * legendMargin + sampleLength, top));
        surface.printText(entry.text, false);
    }
    // Back to the font the graph's own texts use.
    surface.setFont(QStringLiteral("Arial"), 9, false);
    surface.endLegend();
}

void PlotCurve(const std::vector<QPointF> &points, double xMin, double xMax, double yMin, double yMax,
               const CurveStyle &style, short printerEcho)
{
    const Axes axes{xMin, xMax, yMin, yMax};
    StyledPen pen(style, printerEcho != 0);
    DrawingSurface *picture = GraphSurface();
    // Curves stand out from the axes: twice the line width the graph has.
    const int pictureWidth = picture ? picture->lineWidth() : 1;
    const int pageWidth = printerPage().lineWidth();
    if (picture)
        picture->setLineWidth(2 * pictureWidth);
    if (printerEcho != 0)
        printerPage().setLineWidth(2 * pageWidth);
    bool started = false;
    QPointF last;
    for (const QPointF &point : points) {
        const QPointF at = isFinite(point) ? axes.twips(point) : QPointF(qQNaN(), qQNaN());
        if (!isFinite(at)) {
            started = false;
            continue;
        }
        // Points closer than a twip to the last one add nothing.
        if (started && std::fabs(at.x() - last.x()) < 1 && std::fabs(at.y() - last.y()) < 1)
            continue;
        if (started) {
            QLineF line(last, at);
            if (clipToPlotArea(line))
                pen.segment(line);
        }
        last = at;
        started = true;
    }
    if (picture)
        picture->setLineWidth(pictureWidth);
    if (printerEcho != 0)
        printerPage().setLineWidth(pageWidth);
}

void PlotSymbols(const std::vector<QPointF> &points, double xMin, double xMax, double yMin, double yMax, short mode,
                 QColor color, short printerEcho)
{
    const Axes axes{xMin, xMax, yMin, yMax};
    const QRectF area(QPointF(ScreenLeft, PlotTop), QSizeF(PlotWidth, PlotHeight));
    for (const QPointF &point : points) {
        if (!isFinite(point))
            continue;
        const QPointF at = axes.twips(point);
        if (!area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(at))
            continue;
        if (DrawingSurface *picture = GraphSurface())
            DrawSymbol(*picture, at, mode, 0, color);
        if (printerEcho != 0)
            DrawSymbol(printerPage(), at + QPointF(PrinterOffset, 0), mode, PrintedCircleWidth, color);
    }
}

void PlotLegend(const std::vector<LegendEntry> &entries, short printerEcho)
{
    if (!Session::current().graphPreferences().showLegend || entries.empty()) {
        // No legend: the one drawn before goes too.
        const auto removeLegend = [](DrawingSurface &surface) {
            surface.beginLegend();
            surface.endLegend();
        };
        if (DrawingSurface *picture = GraphSurface())
            removeLegend(*picture);
        if (printerEcho != 0)
            removeLegend(printerPage());
        return;
    }
    // The top right corner of the plot area.
    const auto drawAt = [&entries](DrawingSurface &surface, double left) {
        const QRectF area(left, PlotTop, PlotWidth, PlotHeight);
        DrawLegend(surface, *FreeLegendCorner(area, LegendSize(surface, entries), {}), entries);
    };
    if (DrawingSurface *picture = GraphSurface())
        drawAt(*picture, ScreenLeft);
    if (printerEcho != 0)
        drawAt(printerPage(), PrinterLeft);
}

} // namespace modPlot_Graph
