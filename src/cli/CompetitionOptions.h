#pragma once

#include "cli/Arguments.h"
#include "cli/Quantities.h"

#include <vector>

// The concentrations of a competition assay as options, shared by compete
// and ki, read with the Competition Tool's checks and messages.
namespace cli {

// --total-a, --total-b and --kd.
std::vector<Option> AssayOptions();

// A concentration option that must be given: a total (>= 0) or a constant
// or IC50 (> 0), in molar. name is the field's label in the messages.
double RequiredTotal(const Arguments &arguments, const char *option, const QString &name, const Unit &unit);
double RequiredPositive(const Arguments &arguments, const char *option, const QString &name, const Unit &unit);

} // namespace cli
