#pragma once

#include "dynamic/SimulationInput.h"

#include <QString>

// The bound on a simulation's length: a run of more recording intervals
// than the bound is refused before it starts, so that a slip of the end
// time or the interval does not run for hours and fill the disk. Every way
// of starting a run checks it; the command line's --max-intervals raises it.
namespace modVornish {

inline constexpr double DefaultMaxRecordingIntervals = 1e6;

// End time / recording interval, rounded up (events add two samples each,
// not intervals).
double RecordingIntervalCount(const SimulationInput &input);

// Empty when the run has at most maxIntervals recording intervals, else
// the refusal naming both counts.
QString RunLengthRefusal(const SimulationInput &input, double maxIntervals = DefaultMaxRecordingIntervals);

} // namespace modVornish
