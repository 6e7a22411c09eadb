#include "equilibrium/InputGuidance.h"

#include <QStringList>

namespace modVornish {

QString GuidanceText(const EquilibriumFields &fields)
{
    const std::pair<const QString *, const char *> checked[] = {
        {&fields.A, "A"},        {&fields.Atot, "A_tot"}, {&fields.B, "B"},
        {&fields.Btot, "B_tot"}, {&fields.AB, "AB"},      {&fields.Kd, "Kd"},
    };
    QStringList filled;
    for (const auto &[text, name] : checked)
        if (!text->isEmpty())
            filled.append(QLatin1String(name));

    switch (filled.size()) {
    case 0:
        return QStringLiteral("Enter values (concentration) for three variables, e.g. Total A, Total B and Kd. "
                              "See below for information on other valid input combinations. The Equilibrium "
                              "Tool will calculate the three remaining values.");
    case 1: {
        // Each suggestion names a pair that completes an accepted combination.
        const QString &only = filled.first();
        if (only == QLatin1String("A"))
            return QStringLiteral("Enter values for two more variables, e.g. B and [A/B]. See below for "
                                  "information on other valid input combinations.");
        if (only == QLatin1String("A_tot"))
            return QStringLiteral("Enter values for two more variables, e.g. Total B and Kd. See below for "
                                  "information on other valid input combinations.");
        if (only == QLatin1String("B"))
            return QStringLiteral("Enter values for two more variables, e.g. [A/B] and Kd. See below for "
                                  "information on other valid input combinations.");
        if (only == QLatin1String("B_tot"))
            return QStringLiteral("Enter values for two more variables, e.g. Total A and Kd. See below for "
                                  "information on other valid input combinations.");
        if (only == QLatin1String("AB"))
            return QStringLiteral("Enter values for two more variables, e.g. A and Kd. See below for "
                                  "information on other valid input combinations.");
        return QStringLiteral("Enter values for two more variables, e.g. Total A and Total B. See below for "
                              "information on other valid input combinations.");
    }
    case 2:
        return QStringLiteral("Enter a value (concentration) for one more variable. See below for information on "
                              "valid input combinations.");
    case 3:
        return QStringLiteral("Check in the table below to see whether the input combination is a valid one. "
                              "Click on the Vornish button to vornish the reaction.");
    case 4:
    case 5:
        return QStringLiteral("Only three values are required. See the Help file for information on redundant "
                              "input. Click on the Vornish button to vornish.");
    default:
        return QStringLiteral("You can make changes and Vornish again. As the Equilibrium Tool needs only three "
                              "values, some values will be ignored if more than three are entered. See the Help "
                              "file for information on redundant input.");
    }
}

} // namespace modVornish
