#pragma once

#include "dynamic/BindingTimeCourse.h"
#include "dynamic/SimulationInput.h"

#include <QString>

#include <memory>
#include <vector>

// The exact counterpart of a simulation: the same model, the competitor
// included, restarted at each event, which is applied at the step time and
// in the way the engine applies it. A segment without the competitor follows
// the closed form, however long or stiff; one with it is integrated by an
// adaptive Dormand-Prince method with dense output. It gives the exact value of every sample
// the engine records, in the engine's order, the kinetics of each segment
// between events, and a curve fine enough to draw.
namespace modKinetics {

struct Mixture
{
    double A = 0.0, B = 0.0, AB = 0.0, Cp = 0.0, CpB = 0.0;
};

// A point of the exact curve: time (s), concentrations (M) and their rates
// of change (M/s), the competitor's share of B included.
struct ReferencePoint
{
    double time, A, B, AB, rA, rB, rAB;
};

// The fractions of the way to equilibrium the summary gives times for.
inline constexpr double SummaryFractions[] = {0.5, 0.9, 0.95, 0.99};
inline constexpr int SummaryFractionCount = 4;

// One stretch of the run between events.
struct SegmentKinetics
{
    double start = 0.0, end = 0.0; // s
    int event = -1;                // the event (table order) that starts it; -1 for the first
    double applied = 0.0;          // the change the event made to its target (M), which an empty target caps
    Mixture startState;
    bool competitor = false;
    // False only where the end state depends on the path (no dissociation,
    // with the competitor and too little B for both).
    bool equilibriumKnown = true;
    Equilibrium equilibrium;
    // The relaxation rate constant; with the competitor it is ln 2 over the
    // half-time of [A/B] (apparent).
    double kObs = 0.0;
    bool kObsApparent = false;
    // The fastest relaxation rate about the equilibrium (1/s): an Euler step
    // longer than 2 over it swings about the equilibrium instead of settling.
    double stiffness = 0.0;
    // Seconds after the start until [A/B] has come each of SummaryFractions
    // of the way to equilibrium: the half-time when it first gets half way,
    // the others when it gets there and stays within the rest of the way
    // (with the competitor it may overshoot). 0 when the segment starts
    // there, infinity when nothing reacts, -1 when not within the segment.
    double timeTo[SummaryFractionCount] = {-1.0, -1.0, -1.0, -1.0};
};

class ReferenceRun
{
public:
    explicit ReferenceRun(const modVornish::SimulationInput &input);
    ~ReferenceRun();
    ReferenceRun(const ReferenceRun &) = delete;
    ReferenceRun &operator=(const ReferenceRun &) = delete;

    // The exact value of the engine's next sample (its rates are the exact
    // derivatives of the main reaction, as the engine's event samples) and
    // the segment it belongs to. False after the last sample, or when the
    // reference cannot be computed (see failure()).
    bool next(modVornish::ResultRecord &sample, int &segment);

    // After the last sample the run gave, which may come before its end
    // time: closes the last segment and the curve there.
    void finish();

    // Why there is no reference, or an empty text.
    QString failure() const;

    // The segments met so far; the last one ends at the last sample given.
    const std::vector<SegmentKinetics> &segments() const;
    // The exact curve up to the last sample given, in time order (a time
    // appears twice at an event: before and after it).
    const std::vector<ReferencePoint> &curve() const;

private:
    struct Integration;
    std::unique_ptr<Integration> m;
};

} // namespace modKinetics
