#include "graphing/DrawAxes.h"

#include "graphing/DrawingSurface.h"
#include "graphing/PlotGeometry.h"
#include "graphing/TickScale.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <cmath>

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

// The next tick value, without the noise the additions accumulate: -0.3
// plus two ticks of 0.1 is -0.1 (not -0.0999..., labelled "-0.10"), plus
// three is 0 (not 5.55E-17).
double nextTick(double value, double tick)
{
    const double next = value + tick;
    if (std::fabs(next) < std::fabs(tick) * 1e-9)
        return 0.0;
    return roundedToSignificantDigits(next, 15);
}

QString labelText(double value, const QString &format)
{
    return format.isEmpty() ? NumberText::generalText(value) : NumberText::format(value, format);
}

} // namespace

void DrawAxes(DrawingSurface &surface, double left, int width, int height, double xMin, double &xMax,
              double yMin, double yMax, double xTick, double yTick, bool decadeLabels)
{
    const double bottom = PlotTop + height;
    surface.drawLine(QPointF(left, PlotTop), QPointF(left, bottom), black);
    surface.drawLine(QPointF(left, bottom), QPointF(left + width, bottom), black);
    surface.setPenPosition(QPointF(left, bottom));

    const double yRange = yMax - yMin;
    QString format;        // a first label of 0 keeps the empty format: general form
    short widthClass = 0;
    double v = yMin;
    for (long i = 0, last = lastTickIndex(yRange, yTick); i <= last; ++i) {
        if (v != 0) {
            // Labels far larger than the range (60000 .. 60050) take the range's format.
            const double share = fault::divide(v, yRange);
            ChooseTickFormat(share > 1000 || share < -1000 ? yRange : v, format, widthClass);
        }
        QPointF pen = surface.penPosition();
        surface.drawLine(pen, pen - QPointF(158 - 8 * widthClass, 0), black);
        pen = surface.penPosition();
        surface.setPenPosition(QPointF(pen.x() - (50 * widthClass + 250), pen.y() - 100));
        surface.printText(labelText(v, format), true);
        v = nextTick(v, yTick);
        surface.setPenPosition(QPointF(left, bottom - fault::divide((v - yMin) * height, yRange)));
    }

    surface.setPenPosition(QPointF(left, bottom));
    xMax = roundedToSignificantDigits(xMax, 15);
    const double xRange = xMax - xMin;
    v = xMin;
    for (long i = 0, last = lastTickIndex(xRange, xTick); i <= last; ++i) {
        ChooseTickFormat(v, format, widthClass);
        QPointF pen = surface.penPosition();
        surface.drawLine(pen, pen + QPointF(0, 150), black);
        pen = surface.penPosition();
        if (decadeLabels) {
            surface.setPenPosition(QPointF(pen.x() - 40 * widthClass - 100, pen.y() + 150));
            surface.printText(QStringLiteral("10"), false);
            surface.setPenPosition(surface.penPosition() - QPointF(0, 100));
        } else {
            surface.setPenPosition(QPointF(pen.x() - 40 * widthClass, pen.y() + 150));
        }
        surface.printText(labelText(v, format), true);
        v = nextTick(v, xTick);
        surface.setPenPosition(QPointF(left + fault::divide((v - xMin) * width, xRange), bottom));
    }
}

} // namespace modPlot_Graph
