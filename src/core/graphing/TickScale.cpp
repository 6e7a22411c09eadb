#include "graphing/TickScale.h"

#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <algorithm>
#include <cmath>

namespace modPlot_Graph {
namespace {

short widthClassOf(double value)
{
    QString format;
    short widthClass = 0;
    ChooseTickFormat(value, format, widthClass);
    return widthClass;
}

// Divisions of an automatic X axis by the width class of its labels:
// wider labels, fewer ticks.
int divisionsFor(short widthClass)
{
    static const int divisions[] = {8, 8, 8, 8, 8, 6, 5, 4, 4};
    return divisions[std::clamp<int>(widthClass, 0, 8)];
}

double roundedToSignificantDigits(double value, int digits)
{
    return QString::number(value, 'g', digits).toDouble();
}

bool showsValue(const QString &text, double value, double step)
{
    return std::fabs(NumberText::leadingNumber(text) - value) <= std::fabs(step) * 1e-9;
}

// Whether every label of the ticks min, min + tick, ... up to max, in the
// formats the axis gives them, shows its tick's value.
bool labelsShowTicks(bool yAxis, double min, double max, double tick)
{
    const double range = max - min;
    const double last = std::floor(range / tick + 0.01);
    if (!(tick > 0) || !(last >= 0 && last <= 32767))
        return true; // DrawAxes reports these
    double v = min;
    for (long i = 0; i <= long(last); ++i, v = NextTickValue(v, tick)) {
        QString format;
        short widthClass = 0;
        ChooseTickLabelFormat(yAxis, v, range, format, widthClass);
        if (!showsValue(NumberText::format(v, format), v, tick))
            return false;
    }
    return true;
}

} // namespace

void ChooseTickLabelFormat(bool yAxis, double value, double range, QString &format, short &widthClass)
{
    const double share = yAxis ? fault::divide(value, range) : 0;
    ChooseTickFormat(share > 1000 || share < -1000 ? range : value, format, widthClass);
}

QString TickLabelText(double value, const QString &format, double step)
{
    if (format.isEmpty())
        return NumberText::generalText(value);
    QString text = NumberText::format(value, format);
    if (showsValue(text, value, step))
        return text;
    if (format == QLatin1String("Scientific"))
        return NumberText::generalText(value);
    // More optional decimals until the label reads back as its value.
    QString pattern = format.contains(QLatin1Char('.')) ? format : format + QLatin1Char('.');
    for (int extra = 0; extra < 15 && !showsValue(text, value, step); ++extra) {
        pattern += QLatin1Char('#');
        text = NumberText::format(value, pattern);
    }
    return showsValue(text, value, step) ? text : NumberText::generalText(value);
}

double NextTickValue(double value, double tick)
{
    const double next = value + tick;
    if (std::fabs(next) < std::fabs(tick) * 1e-9)
        return 0.0;
    return roundedToSignificantDigits(next, 15);
}

double RoundTickStep(double distance)
{
    const double magnitude = std::pow(10.0, std::floor(std::log10(distance)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0}) {
        const double step = roundedToSignificantDigits(factor * magnitude, 15);
        if (step >= distance * (1 - 1e-12))
            return step;
    }
    return roundedToSignificantDigits(10 * magnitude, 15);
}

void ChooseTickFormat(double value, QString &format, short &widthClass)
{
    const double a = std::fabs(value);
    struct Row
    {
        double low;
        const char *format;
        short widthClass;
    };
    static const Row rows[] = {
        {10000, "Scientific", 8},
        {1000, "#####0", 4},
        {100, "####0", 3},
        {10, "###0", 2},
    };
    for (const Row &row : rows) {
        if (a >= row.low) {
            format = QLatin1String(row.format);
            widthClass = row.widthClass;
            return;
        }
    }
    if (a >= 1) {
        const bool whole = a == std::floor(a);
        format = whole ? QStringLiteral("##0") : QStringLiteral("##0.0#");
        widthClass = whole ? 1 : 4;
        return;
    }
    static const Row fractions[] = {
        {0.1, "0.0##", 5},
        {0.01, "0.00##", 6},
        {0.001, "0.000##", 7},
        {0.0001, "0.0000##", 8},
    };
    for (const Row &row : fractions) {
        if (a >= row.low) {
            format = QLatin1String(row.format);
            widthClass = row.widthClass;
            return;
        }
    }
    if (a > 0) {
        format = QStringLiteral("Scientific");
        widthClass = 8;
        return;
    }
    format = QStringLiteral("0");
    widthClass = 1;
}

void ComputeTickDistance(const QString &axis, double min, double max, double &tick, const QString &manualTick)
{
    const bool isX = axis == QLatin1String("x");
    if (!isX && axis != QLatin1String("y"))
        return;
    if (!manualTick.isEmpty()) {
        tick = NumberText::leadingNumber(manualTick);
        return;
    }
    const double range = fault::checkedFinite(max - min);
    if (!isX) {
        tick = range / 8;
    } else {
        // The labels' width class only grows, so this ends by class 8.
        short widthClass = std::max(widthClassOf(min), widthClassOf(max));
        for (;;) {
            tick = range / divisionsFor(widthClass);
            const short tickClass = widthClassOf(tick);
            if (tickClass <= widthClass)
                break;
            widthClass = tickClass;
        }
    }
    if (range > 0 && !labelsShowTicks(!isX, min, max, tick))
        tick = RoundTickStep(tick);
}

double DecadeTickDistance(double tick)
{
    tick = std::fabs(tick);
    if (tick < 1)
        tick = 1;
    if (tick != std::floor(tick))
        tick = std::floor(tick) + 1;
    return tick;
}

} // namespace modPlot_Graph
