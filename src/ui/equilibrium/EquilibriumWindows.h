#pragma once

class frmVornish;
class frmVnTlAssistant;

// The Equilibrium Tool and its assistant: created once by the main window,
// which fills this in, and null until then (a window tested alone), so every
// user checks.
struct EquilibriumWindows
{
    frmVornish *vornish = nullptr;
    frmVnTlAssistant *vornishAssistant = nullptr;
};

inline EquilibriumWindows &equilibriumWindows()
{
    static EquilibriumWindows windows;
    return windows;
}
