#include "graphing/GraphHost.h"

namespace modPlot_Graph {
namespace {

GraphHost *g_host = nullptr;

} // namespace

GraphHost *RegisteredGraphHost()
{
    return g_host;
}

void SetGraphHost(GraphHost *host)
{
    g_host = host;
}

} // namespace modPlot_Graph
