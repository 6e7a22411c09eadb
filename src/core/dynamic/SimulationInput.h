#pragma once

#include <QString>

#include <vector>

// The plain data of one simulation of A + B <=> [A/B]: what the wizard
// gathers (already converted to molar and seconds, every value taken as its
// absolute value except an event's change) and what the engine emits.
//
// This is the stable interface between the Dynamic Equilibrium Wizard and the
// engine. Any change to it is announced in this comment.
namespace modVornish {

// The species a programmed event changes; None still fires and still
// writes its two samples.
enum class EventTarget { None, A, B, AB };

struct ProgrammedEvent
{
    double time = 0.0;   // s; fires at the first integration step at or after it
    double change = 0.0; // M, signed: added to the target (negative removes)
    EventTarget target = EventTarget::None;
};

struct SimulationInput
{
    double initialA = 0.0;          // M, free A at t = 0
    double initialB = 0.0;          // M, free B at t = 0
    double initialAB = 0.0;         // M, complex [A/B] at t = 0
    double kAss = 0.0;              // M^-1 s^-1
    double kDiss = 0.0;             // s^-1
    double endTime = 0.0;           // s
    double recordingInterval = 0.0; // s, time between stored samples
    // Fraction of the recording interval used as the integration step: one of
    // PrecisionFactors below, or 0 when no precision is selected.
    float precisionFactor = 0.0f;
    std::vector<ProgrammedEvent> events; // table order, event 1 first (0 to 4)
    // Event 1 introduces a competitor that binds B with the same constants,
    // instead of changing A.
    bool competitorChallenge = false;
};

// One sample: time (s), and for each species its concentration (M) and
// rate (M/s). The results store writes the A pair to table A, the B pair to
// table B and the AB pair to table AB, each with the same time.
struct ResultRecord
{
    double time = 0.0;
    double A = 0.0, rA = 0.0;
    double B = 0.0, rB = 0.0;
    double AB = 0.0, rAB = 0.0;
    // The competitor of a competitor challenge and its complex [C/B] (0
    // before the competitor is introduced, and in a run without one).
    double C = 0.0, rC = 0.0;
    double CB = 0.0, rCB = 0.0;
};

// The precision list of the wizard, in percent of the recording interval,
// and the factor of each row (held in single precision).
inline constexpr int PrecisionCount = 5;
inline const char *const PrecisionListTexts[PrecisionCount] = {"5", "1", "0.2", "0.05", "0.01"};
inline constexpr float PrecisionFactors[PrecisionCount] = {0.05f, 0.01f, 0.002f, 0.0005f, 0.0001f};

// The factor of a precision list row; 0 for no selection (index -1) or an
// index outside the list.
inline float PrecisionFactor(int listIndex)
{
    return listIndex >= 0 && listIndex < PrecisionCount ? PrecisionFactors[listIndex] : 0.0f;
}

} // namespace modVornish
