#pragma once

#include "graphing/AxisTitles.h"

// What the plot engine needs of the windows that show its graph and its
// preferences. The program registers one when its windows are built;
// without one (the engine used alone) nothing is shown on screen.
class GraphHost
{
public:
    virtual ~GraphHost() = default;

    // Empties the graph picture; a pasted picture goes too when pastedToo.
    virtual void clearPicture(bool pastedToo) = 0;
    // Shows the graph window in front.
    virtual void showGraph() = 0;
    virtual void showAxisTitles(const modPlot_Graph::AxisTitles &titles) = 0;
    // Puts the graph preferences and the units back to their defaults.
    virtual void restoreDefaultPreferences() = 0;
};

namespace modPlot_Graph {

GraphHost *RegisteredGraphHost();
void SetGraphHost(GraphHost *host);

} // namespace modPlot_Graph
