#pragma once

#include "dynamic/SimulationInput.h"

#include <vector>

// When the engine fires the programmed events of a run: at the first
// integration step time at or after the event's time, one event per step in
// table order, with the step times accumulated exactly as the engine does.
namespace modKinetics {

struct FiredEvent
{
    long long interval; // 0 for the first recording interval
    double time;        // the step time at which it fires (s)
    int index;          // in table order
};

// In firing order; events that never fire are left out.
std::vector<FiredEvent> EventFiringTimes(const modVornish::SimulationInput &input);

} // namespace modKinetics
