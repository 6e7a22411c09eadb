#pragma once

#include "dynamic/ReferenceRun.h"

#include <array>

// How far a simulation is from the exact time course. The engine's samples
// are given in the order it records them; each is compared with its exact
// value from the reference run.
namespace modKinetics {

enum Species { SpeciesA, SpeciesB, SpeciesAB, SpeciesCount = 3 };

struct Deviation
{
    double relative = 0.0; // largest |stored - exact| over the species' range
    double time = 0.0;     // where it is largest (s)
};

// Whether and when the stored [A/B] came within 1 % of the way to a
// segment's equilibrium and stayed there to the segment's end.
struct StoredApproach
{
    bool reached = false;
    double time = 0.0; // s after the segment's start
};

// How a run ended: at its end time, stopped by the user, or by a fault.
enum class RunEnd { Whole, Cancelled, Failed };

// Everything the kinetics summary and the accuracy check say about a run.
struct KineticsReport
{
    modVornish::SimulationInput input;
    RunEnd end = RunEnd::Whole;
    double endedAt = 0.0;     // the last sample's time (s) of a run that did not end whole
    QString failure;          // the message of the fault that ended the run
    QString referenceFailure; // empty when the reference was computed
    bool available() const { return referenceFailure.isEmpty(); }

    std::array<Deviation, SpeciesCount> deviation;
    std::vector<SegmentKinetics> segments;
    std::vector<StoredApproach> approach; // one per segment
    std::vector<ReferencePoint> curve;

    // The finest list precision tried, its index and its largest deviation,
    // when the chosen one was exceeded; -1 when none was tried.
    int suggestedPrecision = -1;
    double suggestedDeviation = 0.0;
    bool suggestionFound = false;

    double worstDeviation() const;
    int worstSpecies() const;
};

class AccuracyCheck
{
public:
    explicit AccuracyCheck(const modVornish::SimulationInput &input);

    // The engine's next sample.
    void add(const modVornish::ResultRecord &stored);
    // After the engine's last sample.
    KineticsReport finish();

private:
    void fail(const QString &why);

    ReferenceRun m_reference;
    KineticsReport m_report;
    std::array<double, SpeciesCount> m_largest{};
    std::array<double, SpeciesCount> m_low, m_high;
    int m_segment = 0;
};

// Runs the engine on input with a check alongside; throws what the engine
// throws. The report of a run that faulted midway covers what was given.
KineticsReport CheckedRun(const modVornish::SimulationInput &input);

// When the run's largest deviation exceeds its precision, tries the finer
// list precisions in turn, over the time the run reached, (as long as their runs stay within a bound of
// integration steps) for one that keeps the deviation under the chosen
// precision, and notes it in the report.
void SuggestPrecision(KineticsReport &report);

} // namespace modKinetics
