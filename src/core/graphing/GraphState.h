#pragma once

class DrawingSurface;

namespace modPlot_Graph {

// The graph picture the engine draws on; the graph window registers its
// picture when it is built (null before: screen drawing is then skipped).
DrawingSurface *GraphSurface();
void SetGraphSurface(DrawingSurface *surface);

} // namespace modPlot_Graph
