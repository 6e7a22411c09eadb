#pragma once

#include "kineticsfit/KineticTraces.h"

#include <QString>

// The association trace of a simulation in the Dynamic results file: the
// complex [A/B] over time, at the total A of the start, up to the first
// event (a later event changes the mixture the trace starts from).
namespace KineticsFit {

struct SimulatedTrace
{
    Trace trace;         // concentration and signal in the concentration unit, time in the time unit
    double totalB = 0.0; // B + [A/B] at the start, in the concentration unit
    bool cutAtEvent = false;
};

// Throws RuntimeFault when the file cannot be read (53 when it is not
// there); a file without samples gives a trace without points.
SimulatedTrace TraceFromResults(const QString &path, double concentrationFactor, double timeFactor);

} // namespace KineticsFit
