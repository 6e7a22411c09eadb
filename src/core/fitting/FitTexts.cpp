#include "fitting/FitTexts.h"

#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>

namespace Fitting {

QString FitNumberText(double value)
{
    const double magnitude = std::fabs(value);
    if (magnitude != 0 && (magnitude < 1e-4 || magnitude >= 1e9))
        return NumberText::format(value, QStringLiteral("Scientific"));
    const int integerDigits = magnitude == 0 ? 1 : int(std::floor(std::log10(magnitude))) + 1;
    const int decimals = std::max(1, 6 - integerDigits);
    return NumberText::format(value, QStringLiteral("0.0") + QString(decimals - 1, QLatin1Char('#')));
}

QString AsymptoticText(const ParameterEstimate &estimate)
{
    return FitNumberText(estimate.low) + QStringLiteral(" to ") + FitNumberText(estimate.high);
}

QString ProfileText(const ParameterEstimate &estimate)
{
    const ProfileInterval &profile = estimate.profile;
    if (!profile.computed)
        return QString();
    const QString open = QStringLiteral("open");
    return (profile.openBelow ? open : FitNumberText(profile.low)) + QStringLiteral(" to ")
           + (profile.openAbove ? open : FitNumberText(profile.high));
}

QString OutcomeText(const FitResult &result, const std::vector<FitParameter> &parameters)
{
    switch (result.outcome) {
    case FitResult::Fitted:
        break;
    case FitResult::TooFewPoints:
        return QStringLiteral("The fit needs more data points than the model has parameters.");
    case FitResult::NotFinite:
        return QStringLiteral("A value of the data is not a finite number.");
    case FitResult::NotConverged:
        return QStringLiteral("The fit did not converge: the data do not define this model's curve.");
    case FitResult::OutOfBounds: {
        const size_t index = size_t(result.boundParameter);
        const QString name = index < parameters.size() ? parameters[index].name : QStringLiteral("a parameter");
        return QStringLiteral("The best curve needs %1 outside its possible values: the data do not define this "
                              "model's curve.")
            .arg(name);
    }
    case FitResult::Singular:
        return QStringLiteral("The data cannot tell this model's parameters apart: fit a simpler model or measure "
                              "over a wider range.");
    }
    return QString();
}

} // namespace Fitting
