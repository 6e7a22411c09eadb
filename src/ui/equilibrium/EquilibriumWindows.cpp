#include "equilibrium/EquilibriumWindows.h"

EquilibriumWindows &equilibriumWindows()
{
    static EquilibriumWindows windows;
    return windows;
}
