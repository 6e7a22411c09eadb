#include "scatchard/KdInterval.h"

#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <algorithm>

namespace modStatistics {

double KdOfSlope(double slope)
{
    return fault::divide(-1.0, slope);
}

KdInterval KdConfidenceInterval(double slope, double seSlope, double t)
{
    const double width = fault::checkedFinite(t * seSlope);
    const double lo = fault::checkedFinite(slope - width);
    const double hi = fault::checkedFinite(slope + width);
    KdInterval interval;
    if (hi < 0) {
        const double k1 = fault::divide(-1.0, lo);
        const double k2 = fault::divide(-1.0, hi);
        interval.kind = KdInterval::Finite;
        interval.low = std::min(k1, k2);
        interval.high = std::max(k1, k2);
    } else if (lo < 0 && slope < 0) {
        interval.kind = KdInterval::OpenAbove;
        interval.low = fault::divide(-1.0, lo);
    }
    return interval;
}

QString OutputNumberText(double value)
{
    return NumberText::format(value, QStringLiteral("#####0.0###"));
}

QString KdIntervalText(const KdInterval &interval, const QString &unit)
{
    switch (interval.kind) {
    case KdInterval::Finite:
        return OutputNumberText(interval.low) + QLatin1Char(' ') + unit + QStringLiteral(" < Kd < ")
               + OutputNumberText(interval.high) + QLatin1Char(' ') + unit;
    case KdInterval::OpenAbove:
        return OutputNumberText(interval.low) + QLatin1Char(' ') + unit + QStringLiteral(" < Kd < plus infinite");
    case KdInterval::Invalid:
        break;
    }
    return QStringLiteral("Invalid");
}

} // namespace modStatistics
