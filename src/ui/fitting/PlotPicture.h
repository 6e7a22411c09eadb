#pragma once

#include "graphing/GraphPicture.h"
#include "graphing/SeriesPlot.h"

// A picture in a fit window that shows one plot of its own (data, curves,
// residuals) drawn by the graph engine's axes.
class PlotPicture : public GraphPicture
{
    Q_OBJECT

public:
    PlotPicture(const QString &objectName, double plotHeight, QWidget *parent = nullptr);

    // Draws the plot in place of the one shown; false (the picture left
    // empty) when there is nothing to draw or the axes cannot be drawn.
    bool showPlot(modPlot_Graph::SeriesPlot plot);
    // Empties the picture.
    void clearPlot();
    bool hasPlot() const { return m_hasPlot; }

private:
    double m_plotHeight;
    bool m_hasPlot = false;
};
