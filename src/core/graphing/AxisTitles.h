#pragma once

#include "session/GraphPreferences.h"

#include <QString>

namespace modPlot_Graph {

struct AxisTitles
{
    QString x;
    QString y;
    double yLabelsLeft = -1; // where the Y tick labels begin on the picture (twips): titles keep clear; -1 unknown
};

// The axis titles of a tool's graph in the given units; the manual titles
// of the preferences replace them when filled.
AxisTitles ComposeAxisTitles(short toolCode, const GraphPreferences &preferences, const QString &concentrationUnit,
                             const QString &timeUnit);

} // namespace modPlot_Graph
