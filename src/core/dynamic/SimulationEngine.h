#pragma once

#include "dynamic/SimulationInput.h"

#include <QString>

#include <functional>

// The simulation engine: explicit Euler integration of A + B <=> [A/B] with
// a step that is a fixed fraction of the recording interval, floors that keep
// every species above a thousandth of itself, up to four programmed events and
// an optional competitor challenge. Pure computation: it knows no window and
// no file, and reports through the sinks it is given.
//
// Stable interface used by the Dynamic Equilibrium Wizard. Any change to it is
// announced in this comment. Added: ProgressSink::stopRequested, by which
// the caller ends a run between two recording intervals.
namespace modVornish {

// Association flux = (A * kAss) * B, dissociation flux = AB * kDiss;
// rA = rB = dissociation - association, rAB = association - dissociation.
// Inline: it is the arithmetic of every integration step.
inline void ComputeRates(double A, double B, double AB, double kAss, double kDiss, double &rA, double &rB, double &rAB)
{
    const double association = (A * kAss) * B;
    const double dissociation = AB * kDiss;
    rA = dissociation - association;
    rB = dissociation - association;
    rAB = association - dissociation;
}

// Receives every sample in the order produced: one at time 0, one per
// recording interval, and two (before and after) at each event.
using RecordSink = std::function<void(const ResultRecord &)>;

// Optional feedback during a run. report gets the time reached (0 up to the
// end time, single precision) once per recording interval; yieldToUserInterface
// is called once per recording interval and once at each event, so the
// caller can serve the user interface (it decides how often it really does).
// stopRequested is asked after each interval's yield: true ends the run
// there, after the sample of the interval just computed.
struct ProgressSink
{
    std::function<void(float t)> report;
    std::function<void()> yieldToUserInterface;
    std::function<bool()> stopRequested = {};
};

// The text to show (title "Input Error", exclamation icon) when the input
// cannot be run, or an empty text when it can: a positive end time needs a
// positive recording interval and a selected precision, otherwise the run
// would never end. The wizard asks before recreating the results file.
QString SimulationInputRefusal(const SimulationInput &input);

// Performs one run. Throws RuntimeFault: InvalidProcedureCall (5) for input
// that SimulationInputRefusal refuses; Overflow (6) when a value becomes
// infinite or not a number, or the time can no longer advance; and whatever
// the record sink throws (a database failure). Samples given to the sink
// before the fault stay given.
void RunSimulation(const SimulationInput &input, const RecordSink &record, const ProgressSink &progress = {});

} // namespace modVornish
