#include "scatchard/SaturationFitTexts.h"

namespace modStatistics {

QString FitQuantityText(double value, const QString &unit)
{
    return FitNumberText(value) + QLatin1Char(' ') + unit;
}

QString IntervalText(const QString &name, double low, double high, const QString &unit)
{
    return FitQuantityText(low, unit) + QStringLiteral(" < ") + name + QStringLiteral(" < ")
           + FitQuantityText(high, unit);
}

QString ProfileIntervalText(const ProfileInterval &interval, const QString &unit)
{
    if (interval.kind == ProfileInterval::OpenAbove)
        return FitQuantityText(interval.low, unit) + QStringLiteral(" < Kd < plus infinite");
    return IntervalText(QStringLiteral("Kd"), interval.low, interval.high, unit);
}

QString FitOutcomeText(SaturationFit::Outcome outcome)
{
    switch (outcome) {
    case SaturationFit::Fitted:
        break;
    case SaturationFit::TooFewPoints:
        return QStringLiteral("The curve fit needs at least three data points (Bound, Bound/Free).");
    case SaturationFit::NotPositive:
        return QStringLiteral("The curve fit needs Bound and Bound/Free greater than zero in every data row "
                              "(Free is Bound divided by Bound/Free).");
    case SaturationFit::FreeAllEqual:
        return QStringLiteral("All Free concentrations (Bound divided by Bound/Free) are equal, so the data do not "
                              "define a saturation curve.");
    case SaturationFit::BoundAllEqual:
        return QStringLiteral("All Bound values are equal, so the data do not define a saturation curve.");
    case SaturationFit::NotConverged:
        return QStringLiteral("The curve fit did not converge: the data do not define a saturation curve.");
    case SaturationFit::NegativeEstimate:
        return QStringLiteral("The best curve has a negative Kd or Bmax: the data do not define a saturation "
                              "curve.");
    case SaturationFit::Unbounded:
        return QStringLiteral("Kd and Bmax grow without bound: the data show no saturation, so they do not define "
                              "a saturation curve. Measurements at higher concentrations would define it.");
    }
    return QString();
}

QString OpenAboveText()
{
    return QStringLiteral("The data set no upper limit to Kd at 95% confidence: its profile interval is open "
                          "above.");
}

} // namespace modStatistics
