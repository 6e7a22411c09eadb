#pragma once

#include "exchange/ResultsCsv.h"

#include <string>

namespace modVornish {
struct SimulationInput;
}

namespace ResultsCsv {

// The lines starting with "#" that open a simulation's CSV file: what it
// holds and in which units, then the run's starting concentrations,
// constants, times, precision and events ("# k_ass: 1000000 1/(M s)"), in
// the file's units where they have one. run is null when the run is not
// known (results opened from an earlier session): a line then says so.
std::string RunDescription(const modVornish::SimulationInput *run, const Units &units);

} // namespace ResultsCsv
