#pragma once

#include "dynamic/AccuracyCheck.h"

#include <QString>
#include <QStringList>

// The kinetics summary and the accuracy check in plain words.
namespace modKinetics {

// The unit concentrations are shown in: its name and molar per unit.
struct ConcentrationUnit
{
    QString name;
    double factor;
};

// A duration in the unit that suits it: "8.32 ms", "2.5 min", "3 h".
QString DurationText(double seconds);

// What the user should know about the accuracy of the run: the largest
// deviation when it exceeds the chosen precision, with a precision that
// would do better, and each approach to equilibrium too fast for the
// recording interval. Empty when there is nothing to warn about.
QStringList AccuracyFindings(const KineticsReport &report);

// The whole summary, one segment after the other, then the accuracy check.
QString KineticsSummaryText(const KineticsReport &report, const ConcentrationUnit &unit);

} // namespace modKinetics
