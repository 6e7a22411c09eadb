#pragma once

#include "exchange/GraphDrawing.h"

class frmGraph;

// The graph window's picture leaving the program: Save Graph As (PNG, SVG,
// PDF) and Copy Graph (bitmap and SVG on the clipboard).
namespace GraphExport {

// The graph as the window shows it, the axis titles in their boxes.
GraphDrawing DrawingOf(const frmGraph &graph);

// Asks for a file (and, for PNG, a resolution) and writes the graph; every
// message is shown here.
void SaveGraphAs();
void CopyGraph();

} // namespace GraphExport
