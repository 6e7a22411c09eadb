#pragma once

#include "cli/Arguments.h"
#include "cli/Quantities.h"
#include "dynamic/SimulationInput.h"

#include <vector>

// What the Dynamic Equilibrium Wizard gathers, as options or from a
// --config file (options win), read with the wizard's rules: a subcommand
// that runs a simulation takes these options and ReadSimulationSetup.
namespace cli {

std::vector<Option> SimulationInputOptions();

struct SimulationSetup
{
    modVornish::SimulationInput input; // molar and seconds
    Unit unit;                         // of concentrations without one, and of results
    Unit timeUnit;                     // of times without one, and of results
};

// Throws Refusal with the wizard's texts where it has one.
SimulationSetup ReadSimulationSetup(const Arguments &arguments);

} // namespace cli
