#pragma once

namespace modVornish {

// The nine combination codes: which three of the six quantities are known.
enum CombinationCode : short {
    NoValidCombination = 0,
    TotalsAndKd = 1,    // Total A, Total B, Kd
    FreeAndComplex = 2, // A, B, [A/B]
    FreeAndKd = 3,      // A, B, Kd
    AComplexKd = 4,     // A, [A/B], Kd
    BComplexKd = 5,     // B, [A/B], Kd
    ATotalAB = 6,       // A, Total A, B
    ABTotalB = 7,       // A, B, Total B
    ATotalATotalB = 8,  // A, Total A, Total B
    BTotalATotalB = 9,  // B, Total A, Total B
};

// Computes the three unknown quantities of A + B <=> [A/B] from the three
// known ones named by code (all in molar). Afterwards Total A = A + [A/B],
// Total B = B + [A/B] and Kd = A*B/[A/B] hold to rounding. Code 0 changes
// nothing. Throws RuntimeFault when a result is not a finite number.
void SolveEquilibrium(double &A, double &Atot, double &B, double &Btot, double &AB, double &Kd, short &code);

} // namespace modVornish
