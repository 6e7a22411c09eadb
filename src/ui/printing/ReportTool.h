#pragma once

#include <QString>

// Which tool's input and output the report lists (1 Equilibrium Tool,
// 2 Scatchard Analysis Tool, 3 Dynamic Equilibrium Tool, 0 none).
namespace ReportTool {

// The tool window that is the main window's active child: the most recently
// activated visible child other than the print window itself (which takes
// the focus while the user prints). 0 when that child is no tool window.
short ActiveToolWindow();

} // namespace ReportTool
