#pragma once

#include "graphing/AxisTitles.h"

#include <QString>

// An axis title as the graph window shows it: its text in a box of twips
// on the picture.
struct TitleBox
{
    QString text;
    double left = 0, top = 0, width = 0, height = 0;
};

// What the plot engine and the report need of the windows that show its graph and its
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
    // The axis titles where the user left them.
    virtual TitleBox xAxisTitle() const = 0;
    virtual TitleBox yAxisTitle() const = 0;
};

namespace modPlot_Graph {

GraphHost *RegisteredGraphHost();
void SetGraphHost(GraphHost *host);

} // namespace modPlot_Graph
