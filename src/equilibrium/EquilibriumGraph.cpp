#include "equilibrium/EquilibriumGraph.h"

#include "shell/StatusText.h"

namespace modVornish {

void DrawEquilibriumGraph(frmVornish &, double)
{
    // Until the plot engine exists the operation ends with the shown results.
    StatusText::clear();
}

} // namespace modVornish
