#pragma once

#include "cli/Arguments.h"
#include "cli/Quantities.h"

#include <vector>

// The six quantities of the Equilibrium Tool as options, shared by solve
// and sweep, and the tool's calculation over them.
namespace cli {

std::vector<Option> EquilibriumQuantityOptions();

// All six, in molar, after the Equilibrium Tool's choice of pattern, its
// checks and its solve. Throws Refusal with the tool's own message texts.
struct Equilibrium
{
    double A, Atot, B, Btot, AB, Kd;
};
Equilibrium SolveGivenQuantities(const Arguments &arguments, const Unit &unit);

// A molar value in the unit, refused with the tool's text for an arithmetic
// fault when it is too large for the unit (as the tool refuses to show it).
double InUnit(double molar, const Unit &unit);

// Names of the six, in the order A, Total A, B, Total B, [A/B], Kd, as the
// tool labels them.
extern const char *const QuantityNames[6];

} // namespace cli
