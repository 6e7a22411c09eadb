#pragma once

namespace modPlot_Graph {

// Data point modes of PlotPoint.
enum PlotMode : short {
    PlotDot = 1, // first point of a curve
    PlotClosedCircle = 10,
    PlotOpenCircle = 11,
    PlotClosedSquare = 20,
    PlotOpenSquare = 21,
    PlotSegment = 30, // a line from the previous point
};

// Draws one point of a series into the graph that SetUpGraph prepared, at
// x, y on the axes min..max (the values SetUpGraph left); plotWidth and
// plotHeight are 3200. With printerEcho True (-1) the same figure is drawn
// on the printer page, 800 twips further right. Unknown modes draw nothing.
// Faults: a coordinate outside -32768..32767 twips overflows; a zero range
// divides by zero. Nothing is clipped: callers skip the points they do not want.
void PlotPoint(double x, double y, double plotWidth, double plotHeight, double xMin, double xMax, double yMin,
               double yMax, short mode, short printerEcho);

} // namespace modPlot_Graph
