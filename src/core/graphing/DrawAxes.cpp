#include "graphing/DrawAxes.h"

#include "graphing/DrawingSurface.h"
#include "graphing/PlotGeometry.h"
#include "graphing/TickScale.h"
#include "platform/RuntimeFault.h"

#include <QRectF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace modPlot_Graph {
namespace {

const QColor black(0, 0, 0);

// The last tick index of an axis: the 0.01 lets the maximum itself have a
// tick when the range is a whole number of ticks. A count outside
// 0..32767 (a tick far too small, or one against the axis's direction)
// overflows rather than leaving the axis silently without ticks.
long lastTickIndex(double range, double tick)
{
    const double last = std::floor(fault::divide(range, tick) + 0.01);
    if (!(last >= 0 && last <= 32767))
        throw RuntimeFault::overflow();
    return static_cast<long>(last);
}

double roundedToSignificantDigits(double value, int digits)
{
    return QString::number(value, 'g', digits).toDouble();
}

// One tick of an axis: its mark, its label and where the pen goes next.
struct Tick
{
    QPointF from, to; // the tick mark
    QPointF labelAt;  // top left of the label ("10" first for decade labels)
    QString text;
    QRectF box;       // what the label covers
    QPointF penAfter; // the next tick's place on the axis
};

// The smallest step k such that every k-th label, from the first, stands
// clear of the next one kept by at least gap: crowded labels are thinned
// evenly instead of running into each other.
size_t labelStride(const std::vector<Tick> &ticks, double gap)
{
    for (size_t stride = 1; stride < ticks.size(); ++stride) {
        bool clear = true;
        for (size_t i = stride; i < ticks.size() && clear; i += stride)
            clear = !ticks[i - stride].box.adjusted(-gap, 0, gap, 0).intersects(ticks[i].box);
        if (clear)
            return stride;
    }
    return std::max<size_t>(1, ticks.size());
}

std::vector<Tick> yTicks(const DrawingSurface &surface, double left, double bottom, int height, double yMin,
                         double yMax, double yTick, double gap)
{
    std::vector<Tick> ticks;
    const double yRange = yMax - yMin;
    QString format; // a first label of 0 keeps the empty format: general form
    short widthClass = 0;
    double v = yMin;
    QPointF pen(left, bottom);
    for (long i = 0, last = lastTickIndex(yRange, yTick); i <= last; ++i) {
        if (v != 0)
            ChooseTickLabelFormat(true, v, yRange, format, widthClass);
        Tick tick;
        tick.from = pen;
        tick.to = pen - QPointF(158 - 8 * widthClass, 0);
        tick.text = TickLabelText(v, format, yTick);
        const double textWidth = surface.textWidth(tick.text);
        // A label too wide for its place would cross the tick and the axis: it ends clear of the tick.
        const double x = std::min(tick.to.x() - (50 * widthClass + 250), tick.to.x() - gap - textWidth);
        tick.labelAt = QPointF(x, pen.y() - 100);
        tick.box = QRectF(tick.labelAt, QSizeF(textWidth, surface.textHeight()));
        v = NextTickValue(v, yTick);
        pen = QPointF(left, bottom - fault::divide((v - yMin) * height, yRange));
        tick.penAfter = pen;
        ticks.push_back(tick);
    }
    return ticks;
}

std::vector<Tick> xTicks(const DrawingSurface &surface, double left, double bottom, int width, double xMin, double xMax,
                         double xTick, bool decadeLabels)
{
    std::vector<Tick> ticks;
    const double xRange = xMax - xMin;
    QString format;
    short widthClass = 0;
    double v = xMin;
    QPointF pen(left, bottom);
    for (long i = 0, last = lastTickIndex(xRange, xTick); i <= last; ++i) {
        ChooseTickFormat(v, format, widthClass);
        Tick tick;
        tick.from = pen;
        tick.to = pen + QPointF(0, 150);
        tick.text = TickLabelText(v, format, xTick);
        const double textWidth = surface.textWidth(tick.text);
        if (decadeLabels) {
            // "10" with the exponent raised 100 twips after it.
            tick.labelAt = tick.to + QPointF(-40 * widthClass - 100, 150);
            tick.box = QRectF(tick.labelAt.x(), tick.labelAt.y() - 100,
                              surface.textWidth(QStringLiteral("10")) + textWidth, surface.textHeight() + 100);
        } else {
            tick.labelAt = tick.to + QPointF(-40 * widthClass, 150);
            tick.box = QRectF(tick.labelAt, QSizeF(textWidth, surface.textHeight()));
        }
        v = NextTickValue(v, xTick);
        pen = QPointF(left + fault::divide((v - xMin) * width, xRange), bottom);
        tick.penAfter = pen;
        ticks.push_back(tick);
    }
    return ticks;
}

// Every tick mark, and the labels that can be read.
void drawTicks(DrawingSurface &surface, const std::vector<Tick> &ticks, double gap, bool decadeLabels)
{
    const size_t stride = labelStride(ticks, gap);
    for (size_t i = 0; i < ticks.size(); ++i) {
        const Tick &tick = ticks[i];
        surface.drawLine(tick.from, tick.to, black);
        if (i % stride == 0) {
            surface.setPenPosition(tick.labelAt);
            if (decadeLabels) {
                surface.printText(QStringLiteral("10"), false);
                surface.setPenPosition(surface.penPosition() - QPointF(0, 100));
            }
            surface.printText(tick.text, true);
        }
        surface.setPenPosition(tick.penAfter);
    }
}

} // namespace

double DrawAxes(DrawingSurface &surface, double left, int width, int height, double xMin, double &xMax, double yMin,
                double yMax, double xTick, double yTick, bool decadeLabels)
{
    const double bottom = PlotTop + height;
    surface.drawLine(QPointF(left, PlotTop), QPointF(left, bottom), black);
    surface.drawLine(QPointF(left, bottom), QPointF(left + width, bottom), black);
    // Labels keep half a blank's width from each other and from the ticks.
    const double gap = surface.textWidth(QStringLiteral(" ")) / 2;
    const std::vector<Tick> y = yTicks(surface, left, bottom, height, yMin, yMax, yTick, gap);
    drawTicks(surface, y, gap, false);
    double labelsLeft = left;
    for (const Tick &tick : y)
        labelsLeft = std::min(labelsLeft, tick.box.left());

    xMax = roundedToSignificantDigits(xMax, 15);
    drawTicks(surface, xTicks(surface, left, bottom, width, xMin, xMax, xTick, decadeLabels), gap, decadeLabels);
    return labelsLeft;
}

} // namespace modPlot_Graph
