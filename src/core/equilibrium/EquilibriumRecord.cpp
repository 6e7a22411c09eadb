#include "equilibrium/EquilibriumRecord.h"

namespace modVornish {

EquilibriumRecord &LastEquilibrium()
{
    static EquilibriumRecord record;
    return record;
}

} // namespace modVornish
