#include "graphing/GraphState.h"

namespace modPlot_Graph {
namespace {

DrawingSurface *g_graphSurface = nullptr;

} // namespace

DrawingSurface *GraphSurface()
{
    return g_graphSurface;
}

void SetGraphSurface(DrawingSurface *surface)
{
    g_graphSurface = surface;
}

} // namespace modPlot_Graph
