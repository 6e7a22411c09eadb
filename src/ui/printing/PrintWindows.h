#pragma once

class frmPrintOptions;

// The print window: created once by the main window, which fills this in, and
// null until then (a window tested alone), so every user checks.
struct PrintWindows
{
    frmPrintOptions *print = nullptr;
};

inline PrintWindows &printWindows()
{
    static PrintWindows windows;
    return windows;
}
