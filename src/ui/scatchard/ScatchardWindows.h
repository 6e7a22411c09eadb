#pragma once

class frmScatchard;
class frmScatchTlAssistant;

// The Scatchard Analysis Tool and its assistant: created once by the main
// window, which fills this in, and null until then (a window tested alone), so
// every user checks.
struct ScatchardWindows
{
    frmScatchard *scatchard = nullptr;
    frmScatchTlAssistant *scatchardAssistant = nullptr;
};

inline ScatchardWindows &scatchardWindows()
{
    static ScatchardWindows windows;
    return windows;
}
