#pragma once

// The fixed geometry of every graph, in twips, y growing downward.
namespace modPlot_Graph {

constexpr int PlotWidth = 3200;
constexpr int PlotHeight = 3200;
constexpr double ScreenLeft = 2100;   // left edge of the plot area on the graph picture
constexpr double PrinterOffset = 800; // the printer page draws this much further right
constexpr double PrinterLeft = ScreenLeft + PrinterOffset;
constexpr double PlotTop = 800;

// A twips coordinate rounded to the nearest 16-bit integer (ties to even).
// Throws Overflow outside -32768..32767.
short TwipsCoordinate(double value);

} // namespace modPlot_Graph
