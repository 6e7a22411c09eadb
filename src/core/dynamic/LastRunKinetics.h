#pragma once

#include "dynamic/AccuracyCheck.h"

#include <optional>

// The kinetics of the run whose samples are in the results file: none before
// the first run of the session and from the moment a new run starts until it
// has ended.
namespace modKinetics {

inline std::optional<KineticsReport> LastRunKinetics;

// Whether the graph of a run draws the exact time course over it (dashed).
inline bool ShowReferenceCurve = false;

} // namespace modKinetics
