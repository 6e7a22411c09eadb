#pragma once

#include "graphing/PlotGeometry.h"

#include <QColor>
#include <QSizeF>
#include <QString>

#include <vector>

class DrawingSurface;

// A plot of its own on one surface, with the graph window's axes, ticks and
// fonts: measured points (with error bars) and curves in colours with a
// legend, as the fit windows draw their data, curves and residuals. The
// axes take their ranges from the values, rounded as the graph window's
// automatic ranges are.
namespace modPlot_Graph {

struct PlotSeries
{
    enum Kind { Points, Curve };
    Kind kind = Points;
    QString legend; // empty: not in the legend
    QColor color;
    std::vector<double> x, y;  // values that are not finite are left out
    std::vector<double> error; // Points: each point's error bar reaches y -/+ error (empty: none)
};

struct SeriesPlot
{
    QString xTitle, yTitle;
    std::vector<PlotSeries> series;
    bool symmetricY = false;        // Y from -m to m with a line at 0 (residuals)
    double plotHeight = PlotHeight; // twips; the width is PlotWidth
    double left = ScreenLeft;       // the plot area's left edge (PrinterLeft on the printer page)
    bool drawTitles = true;         // false where the axis titles are shown apart (the graph window)
    int lineWidth = 1;              // device pixels (2 on the printer page)
};

// The size in twips of a surface that shows the whole plot.
QSizeF SeriesPlotSize(const SeriesPlot &plot);

// Draws the plot from the surface's top left; false (nothing drawn) when no
// series has a finite point. Faults of the axes (RuntimeFault) propagate.
bool DrawSeriesPlot(DrawingSurface &surface, const SeriesPlot &plot);

} // namespace modPlot_Graph
