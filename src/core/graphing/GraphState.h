#pragma once

class DrawingSurface;

// Graph state shared by the tools, the plot engine and printing.
namespace modVnPublic {

// True (-1) while graphs are superimposed or printed: every drawing of the
// plot engine is then repeated on the printer page.
inline short PrinterEcho = 0;

// Set when a picture was pasted into the graph: clearing the graph then
// removes the picture too.
inline short GraphPicturePasted = 0;

} // namespace modVnPublic

namespace modPlot_Graph {

// The graph picture the engine draws on; the graph window registers its
// picture when it is built (null before: screen drawing is then skipped).
DrawingSurface *GraphSurface();
void SetGraphSurface(DrawingSurface *surface);

} // namespace modPlot_Graph
