#include "graphing/PlotGeometry.h"

#include "platform/RuntimeFault.h"

#include <cmath>

namespace modPlot_Graph {

short TwipsCoordinate(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768 && rounded <= 32767))
        throw RuntimeFault::overflow();
    return static_cast<short>(rounded);
}

} // namespace modPlot_Graph
