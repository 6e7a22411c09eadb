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

} // namespace

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
        return;
    }
    // The labels' width class only grows, so this ends by class 8.
    short widthClass = std::max(widthClassOf(min), widthClassOf(max));
    for (;;) {
        tick = range / divisionsFor(widthClass);
        const short tickClass = widthClassOf(tick);
        if (tickClass <= widthClass)
            return;
        widthClass = tickClass;
    }
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
