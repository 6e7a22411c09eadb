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

// Whether and when the stored run came within 1 % of a segment's
// equilibrium (of the way from the segment's start).
struct StoredApproach
{
    bool reached = false;
    double time = 0.0; // s after the segment's start
};

// Everything the kinetics summary and the accuracy check say about a run.
struct KineticsReport
{
    modVornish::SimulationInput input;
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
// list precisions in turn (as long as their runs stay within a bound of
// integration steps) for one that keeps the deviation under the chosen
// precision, and notes it in the report.
void SuggestPrecision(KineticsReport &report);

} // namespace modKinetics
