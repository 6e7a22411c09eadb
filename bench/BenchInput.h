#pragma once

#include "dynamic/SimulationInput.h"

// The binding run the dynamic benchmarks simulate: 1, 2 and 0.5 nM with
// k_ass 1e6 and k_diss 1e-3, one sample a second.
inline modVornish::SimulationInput benchmarkInput(int intervals, int precisionIndex)
{
    modVornish::SimulationInput in;
    in.initialA = 1e-9;
    in.initialB = 2e-9;
    in.initialAB = 0.5e-9;
    in.kAss = 1e6;
    in.kDiss = 1e-3;
    in.endTime = intervals;
    in.recordingInterval = 1.0;
    in.precisionFactor = modVornish::PrecisionFactor(precisionIndex);
    return in;
}
