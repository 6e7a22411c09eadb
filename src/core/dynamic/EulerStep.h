#pragma once

#include "dynamic/SimulationEngine.h"

#include <QtGlobal>

// One explicit Euler step of the engine, apart so that its floors can be
// tested on their own; inline because it is the whole of the inner loop.
namespace modVornish {

// A floor leaves a thousandth of a species that one step would use up.
constexpr double FloorFactor = 0.999;

// Amounts of the five species (M), or their increments over one step.
// Cp is the free competitor and CpB its complex with B.
struct Species
{
    double A, B, AB, Cp, CpB;
};

struct ReactionConstants
{
    double kAss, kDiss;
};

// The increments of the main reaction alone, with its three floors; each
// floor keeps A and B changing together and [A/B] by the opposite amount.
Q_ALWAYS_INLINE Species MainReactionIncrements(const Species &w, double delta, ReactionConstants k)
{
    double rA, rB, rAB;
    ComputeRates(w.A, w.B, w.AB, k.kAss, k.kDiss, rA, rB, rAB);
    Species inc{delta * rA, delta * rB, delta * rAB, 0.0, 0.0};

    if (inc.A <= -w.A) {
        inc.A = -FloorFactor * w.A;
        inc.B = -FloorFactor * w.A;
        inc.AB = FloorFactor * w.A;
    }
    if (inc.B <= -w.B) {
        inc.B = -FloorFactor * w.B;
        inc.A = -FloorFactor * w.B;
        inc.AB = FloorFactor * w.B;
    }
    if (inc.AB <= -w.AB) {
        inc.AB = -FloorFactor * w.AB;
        inc.A = FloorFactor * w.AB;
        inc.B = FloorFactor * w.AB;
    }
    return inc;
}

// Adds the competitor's binding of B to the main reaction's increments.
//
// Its B floor shares the floored consumption of B between the two
// reactions: both reactions' increments are scaled by the same factor so that
// B keeps a thousandth of itself. Replacing only the total B increment would
// let [A/B] grow from B that is no longer taken away, creating matter. For the
// same reason the competitor's own floors change only its own share of B, and
// they come before the shared B floor so that no later floor can undo it.
inline void AddCompetitorIncrements(Species &inc, const Species &w, double delta, ReactionConstants k)
{
    double rCp, rBc, rCpB;
    ComputeRates(w.Cp, w.B, w.CpB, k.kAss, k.kDiss, rCp, rBc, rCpB);
    inc.Cp = delta * rCp;
    double incBc = delta * rBc;
    inc.CpB = delta * rCpB;
    if (inc.Cp <= -w.Cp) {
        inc.Cp = -FloorFactor * w.Cp;
        incBc = -FloorFactor * w.Cp;
        inc.CpB = FloorFactor * w.Cp;
    }
    if (inc.CpB <= -w.CpB) {
        inc.CpB = -FloorFactor * w.CpB;
        inc.Cp = FloorFactor * w.CpB;
        incBc = FloorFactor * w.CpB;
    }
    const double totalB = inc.B + incBc;
    if (totalB <= -w.B) {
        const double share = totalB < 0.0 ? (-FloorFactor * w.B) / totalB : 0.0;
        inc.A *= share;
        inc.B *= share;
        inc.AB *= share;
        inc.Cp *= share;
        incBc *= share;
        inc.CpB *= share;
    }
    inc.B += incBc;
}

// The increments of one integration step at state w; the competitor takes
// part once it has been introduced.
Q_ALWAYS_INLINE Species StepIncrements(const Species &w, double delta, ReactionConstants k, bool competitor)
{
    Species inc = MainReactionIncrements(w, delta, k);
    if (competitor)
        AddCompetitorIncrements(inc, w, delta, k);
    return inc;
}

} // namespace modVornish
