#include "graphing/PlotOverlay.h"

#include "graphing/DrawingSurface.h"
#include "graphing/GraphState.h"
#include "graphing/PlotGeometry.h"
#include "graphing/PrinterPage.h"
#include "platform/RuntimeFault.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace modPlot_Graph {
namespace {

constexpr double dashLength = 120;
constexpr double gapLength = 80;
constexpr double legendMargin = 90;
constexpr double sampleLength = 360;

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

void drawDashes(DrawingSurface &surface, const QLineF &line, double offset, QColor color)
{
    const QPointF shift(offset, 0);
    const double length = line.length();
    for (double at = 0; at < length; at += dashLength + gapLength) {
        const double end = std::min(at + dashLength, length);
        surface.drawLine(line.pointAt(at / length) + shift, line.pointAt(end / length) + shift, color);
    }
    if (length == 0)
        surface.drawPoint(line.p1() + shift, color);
}

} // namespace

void PlotDashedLine(double x1, double y1, double x2, double y2, double xMin, double xMax, double yMin, double yMax,
                    QColor color, short printerEcho)
{
    const auto twipsX = [&](double x) { return ScreenLeft + fault::divide((x - xMin) * PlotWidth, xMax - xMin); };
    const auto twipsY = [&](double y) {
        return PlotTop + PlotHeight - fault::divide((y - yMin) * PlotHeight, yMax - yMin);
    };
    QLineF line(fault::checkedFinite(twipsX(x1)), fault::checkedFinite(twipsY(y1)), fault::checkedFinite(twipsX(x2)),
                fault::checkedFinite(twipsY(y2)));
    if (!clipToPlotArea(line))
        return;
    if (DrawingSurface *picture = GraphSurface())
        drawDashes(*picture, line, 0, color);
    if (printerEcho != 0)
        drawDashes(printerPage(), line, PrinterOffset, color);
}

void DrawLegend(DrawingSurface &surface, double left, const QList<LegendEntry> &entries)
{
    surface.setFont(QStringLiteral("Arial"), 8, false);
    double textWidth = 0;
    for (const LegendEntry &entry : entries)
        textWidth = std::max(textWidth, surface.textWidth(entry.text));
    const double rowHeight = surface.textHeight();
    const double width = 3 * legendMargin + sampleLength + textWidth;
    const double height = 2 * legendMargin + rowHeight * entries.size();
    const QPointF topRight(left + PlotWidth - legendMargin, PlotTop + legendMargin);
    const QPointF topLeft(topRight.x() - width, topRight.y());
    surface.drawBox(topLeft, topLeft + QPointF(width, height), QColor(0, 0, 0), true, QColor(255, 255, 255));
    for (int i = 0; i < entries.size(); ++i) {
        const double top = topLeft.y() + legendMargin + i * rowHeight;
        const QPointF sampleStart(topLeft.x() + legendMargin, top + rowHeight / 2);
        const QLineF sample(sampleStart, sampleStart + QPointF(sampleLength, 0));
        if (entries[i].dashed)
            drawDashes(surface, sample, 0, entries[i].color);
        else
            surface.drawLine(sample.p1(), sample.p2(), entries[i].color);
        surface.setPenPosition(QPointF(sample.x2() + legendMargin, top));
        surface.printText(entries[i].text, false);
    }
    // Back to the font the graph's own texts use.
    surface.setFont(QStringLiteral("Arial"), 9, false);
}

void PlotLegend(const QList<LegendEntry> &entries, short printerEcho)
{
    if (DrawingSurface *picture = GraphSurface())
        DrawLegend(*picture, ScreenLeft, entries);
    if (printerEcho != 0)
        DrawLegend(printerPage(), PrinterLeft, entries);
}

} // namespace modPlot_Graph
