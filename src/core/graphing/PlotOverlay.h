#pragma once

#include <QColor>
#include <QList>
#include <QString>

class DrawingSurface;

// A second series over a graph that SetUpGraph prepared: a dashed line in
// its own colour, and a small legend that tells the lines apart. Like
// PlotPoint they draw on the graph picture and, with printerEcho True (-1),
// on the printer page too.
namespace modPlot_Graph {

// The line from (x1, y1) to (x2, y2) on the axes min..max, dashed, clipped
// to the plot area (nothing when it misses the area). Throws Overflow for
// a coordinate that is not finite and DivisionByZero for a zero range.
void PlotDashedLine(double x1, double y1, double x2, double y2, double xMin, double xMax, double yMin, double yMax,
                    QColor color, short printerEcho);

struct LegendEntry
{
    QString text;
    QColor color;
    bool dashed = false;
};

// A boxed legend in the top right corner of the plot area: for each entry a
// short sample of its line and its text.
void PlotLegend(const QList<LegendEntry> &entries, short printerEcho);

// The same legend on one surface, for a plot area whose left edge is left.
void DrawLegend(DrawingSurface &surface, double left, const QList<LegendEntry> &entries);

} // namespace modPlot_Graph
