#include "dynamic/AssistantGuidanceText.h"

namespace modVornish {
namespace {

const QString twoBreaks = QStringLiteral("\n\n");

bool isEmptyBox(const QString &text)
{
    return text.trimmed().isEmpty();
}

AssistantGuidance concentrationGuidance(const std::array<QString, 3> &concentrations, const QString &unit)
{
    AssistantGuidance guidance;
    int count = 0;
    QString names = QStringLiteral(" ");
    // Examined bottom up, so the star ends beside the topmost empty box and
    // the names read top down.
    for (int box = 2; box >= 0; --box) {
        if (!isEmptyBox(concentrations[box]))
            continue;
        ++count;
        guidance.star1Box = box;
        if (box == 2) {
            names.prepend(QStringLiteral("[A/B]"));
        } else {
            const QString name = box == 0 ? QStringLiteral("A") : QStringLiteral("B");
            names.prepend(names == QLatin1String(" ") ? name : name + QStringLiteral(", "));
        }
    }
    if (count == 0)
        return guidance;
    guidance.text = QStringLiteral("Enter the concentration(s) of ") + QString::number(count)
                    + QStringLiteral(" molecule(s): ") + names + QStringLiteral(". ") + twoBreaks
                    + QStringLiteral("The values represent the concentrations at the beginning of the "
                                     "simulation (t = 0). ")
                    + twoBreaks + QStringLiteral("Enter these concentrations in ") + unit + QStringLiteral(".");
    return guidance;
}

AssistantGuidance constantGuidance(const std::array<QString, 3> &constants)
{
    AssistantGuidance guidance;
    int missing = 0;
    int topmostEmpty = -1;
    for (int box = 2; box >= 0; --box) {
        if (isEmptyBox(constants[box])) {
            ++missing;
            topmostEmpty = box;
        }
    }
    if (missing < 2) {
        guidance.text = QStringLiteral("Check whether all values are valid and correct. Then "
                                       "click on the 'Next' button for the next step.");
        return guidance;
    }
    guidance.star2Box = topmostEmpty;
    guidance.text = QStringLiteral("Enter the values for ") + QString::number(missing - 1)
                    + QStringLiteral(" of 3 of the equilibrium constants.") + twoBreaks
                    + QStringLiteral("The software will calculate the remaining constant.") + twoBreaks
                    + QStringLiteral(" Enter the constants expressed in the units indicated next to each field.");
    return guidance;
}

} // namespace

AssistantGuidance GuidanceForStep(int step, const std::array<QString, 3> &concentrations,
                                  const std::array<QString, 3> &constants, const QString &concentrationUnit)
{
    if (step == 2) {
        AssistantGuidance guidance;
        guidance.text = QStringLiteral(
            "Time window: Period of simulation. Recording interval: Interval at which simulation data "
            "will be stored. Simulation precision: Determines number of steps between recorded time "
            "points.\nYou may change the default values, click on the 'Next' button when you are done.");
        return guidance;
    }
    if (step == 3) {
        AssistantGuidance guidance;
        guidance.text = QStringLiteral(
            "You may use the Programmed events table to cause sudden changes in one of the "
            "concentrations to see what happens.\nYou do not necessarily have to enter values in the "
            "Programmed events table.\nClick on the 'Finish' button to start the simulation.");
        return guidance;
    }
    AssistantGuidance guidance = concentrationGuidance(concentrations, concentrationUnit);
    if (guidance.star1Box >= 0)
        return guidance;
    return constantGuidance(constants);
}

} // namespace modVornish
