#pragma once

// Competition at equilibrium: a labelled ligand A and an unlabelled
// competitor C bind the same sites B, one at a time.
//   A + B <=> [A/B]  with Kd,   C + B <=> [C/B]  with Ki.
// Plain data in and out, in molar, for the window and the command line.
namespace modCompetition {

struct CompetitionInput
{
    double totalA = 0, totalB = 0, totalC = 0; // molar, >= 0
    double kd = 0, ki = 0;                     // molar, > 0
};

struct CompetitionSpecies
{
    double A = 0, B = 0, C = 0, AB = 0, CB = 0; // free A, B, C and the two complexes, molar
    double fractionABound = 0;                  // [A/B] / Total A (0 without A)
    double occupancyA = 0, occupancyC = 0;      // [A/B] / Total B and [C/B] / Total B (0 without B)
};

// How far free B is polished. LastPlace: to the double nearest the root,
// for every reader of the equilibrium. Fit: until a Newton step moves it by
// less than 1e-9 of itself, after which (the convergence being quadratic)
// it is within about 1e-17 of the root: as good for a fit, which solves the
// curve a thousand times, without the last confirming evaluations.
enum class Polish { LastPlace, Fit };

// The one equilibrium of the totals. Free B is the one root in
// [0, Total B] of the mass balance of B (a cubic), started from its
// trigonometric closed form and polished by a bracketed Newton iteration
// on the balance evaluated in double-double arithmetic; every species
// then follows from free B without cancellation, to a few units in the
// last place. A total of 0 reduces to the two-species solver exactly.
// Throws RuntimeFault for a negative or non-finite input, a constant that
// is not above 0, or a result beyond the range of doubles.
CompetitionSpecies SolveCompetition(const CompetitionInput &input, Polish polish = Polish::LastPlace);

} // namespace modCompetition
