#pragma once

#include "equilibrium/EquilibriumInput.h"

namespace modVornish {

// The assistant's guidance for the Equilibrium Tool's fields: a field counts
// as filled when its text is not empty (a blank or letters included).
QString GuidanceText(const EquilibriumFields &fields);

} // namespace modVornish
