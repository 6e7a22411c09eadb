#pragma once

class frmGraph;
class frmOptions;

// The graph window and the Options window: created once by the main window,
// which fills this in, and null until then (a window tested alone), so every
// user checks.
struct GraphWindows
{
    frmGraph *graph = nullptr;
    frmOptions *options = nullptr;
};

inline GraphWindows &graphWindows()
{
    static GraphWindows windows;
    return windows;
}
