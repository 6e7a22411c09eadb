#include "graphing/GraphState.h"

#include "graphing/GraphHost.h"

// The engine's two registers: the picture it draws on and the windows
// around it.
namespace modPlot_Graph {
namespace {

DrawingSurface *g_graphSurface = nullptr;
GraphHost *g_graphHost = nullptr;

} // namespace

DrawingSurface *GraphSurface()
{
    return g_graphSurface;
}

void SetGraphSurface(DrawingSurface *surface)
{
    g_graphSurface = surface;
}

GraphHost *RegisteredGraphHost()
{
    return g_graphHost;
}

void SetGraphHost(GraphHost *host)
{
    g_graphHost = host;
}

} // namespace modPlot_Graph
