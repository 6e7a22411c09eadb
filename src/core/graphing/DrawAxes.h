#pragma once

class DrawingSurface;

namespace modPlot_Graph {

// Draws the Y and X axis lines from the plot area's left edge, with ticks
// at min, min + tick, ... and their labels, on one surface. xMax is
// rounded to 15 significant digits and written back. decadeLabels prints
// each X label as "10" with the value raised after it (decimal-log X axis).
// Every tick gets its mark; labels that would run into each other are
// thinned evenly (every second, third, ... from the first), and a Y label
// too wide for its place moves left to end clear of its tick.
// Faults: a zero range or tick divides by zero; more than 32767 ticks on
// an axis, or a tick against the axis's direction, overflows. The pen is left on the X axis one tick beyond the last.
// Returns where the Y labels begin: the left edge of the widest, twips.
double DrawAxes(DrawingSurface &surface, double left, int width, int height, double xMin, double &xMax, double yMin,
                double yMax, double xTick, double yTick, bool decadeLabels);

} // namespace modPlot_Graph
