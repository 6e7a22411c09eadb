#include "dynamic/WizardMessages.h"

#include "platform/Messages.h"

namespace modVornish {

QString InitialConcentrationsMissingText()
{
    return QStringLiteral("Please enter initial concentrations (i.e. concentrations at t = 0) for all the components "
                          "of the equilibrium.");
}

QString RateConstantsMissingText()
{
    return QStringLiteral("You need to enter two out of three equilibrium constants.");
}

QString RateConstantsConflictText()
{
    return QStringLiteral("There is a conflict in the values that have been entered for the equilibrium constants.")
           + Messages::paragraph() + QStringLiteral("You need to enter only two out of three equilibrium constants. ")
           + Messages::lineBreak() + QStringLiteral("If all three constants are entered, make sure that ")
           + Messages::lineBreak() + QStringLiteral("Kd = (K-diss.rate) / (K-ass.rate)");
}

QString RateConstantsConflictQuestion()
{
    return RateConstantsConflictText() + Messages::paragraph()
           + QStringLiteral("Do you want Vornish to calculate the Kd according to the formula above (OK), or do you "
                            "want to adjust the values yourself (Cancel)?");
}

QString EndTimeMissingText()
{
    return QStringLiteral("Please enter a simulation end time (see 'Simulation time window').");
}

QString RecordingIntervalMissingText()
{
    return QStringLiteral("Please enter a recording interval.");
}

QString NonValidEventsText()
{
    return QStringLiteral("Non-valid input in Programmed Events. These values will be ignored in the simulation.");
}

} // namespace modVornish
