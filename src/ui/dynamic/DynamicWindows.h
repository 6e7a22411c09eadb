#pragma once

class frmDynVornish;
class frmDynamVnTlAssistant;
class frm_dbResults_DynamVn;
class frmKinetics;

// The Dynamic Equilibrium Tool, its assistant, the results browser and the
// kinetics window: created once by the main window, which fills this in, and
// null until then (a window tested alone), so every user checks.
struct DynamicWindows
{
    frmDynVornish *dynamic = nullptr;
    frmDynamVnTlAssistant *dynamicAssistant = nullptr;
    frm_dbResults_DynamVn *results = nullptr;
    frmKinetics *kinetics = nullptr;
};

inline DynamicWindows &dynamicWindows()
{
    static DynamicWindows windows;
    return windows;
}
