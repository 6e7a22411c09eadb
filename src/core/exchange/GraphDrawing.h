#pragma once

#include "graphing/DisplayList.h"

#include <QImage>
#include <QSizeF>

class QPainter;

// The graph as the screen shows it, ready to be drawn on any device: the
// picture's display list with the axis titles added, the pasted picture
// under it, and the picture's size, all in twips.
struct GraphDrawing
{
    DisplayList list;
    QImage underlay; // a pasted picture, at the screen's pixels
    double underlayDpi = 96;
    QSizeF twipsSize;
    // The size a file gives the graph, relative to twipsSize: texts and
    // lines grow with it, as a figure enlarged to a column's width.
    double magnification = 1;

    // Paints on a painter whose transform maps twips to the device, over
    // a white background; pixelsPerLineWidth as paintDisplayList takes it.
    void paint(QPainter &painter, double pixelsPerLineWidth) const;
    // The same for a drawing to be edited: strokes that scale with it, a
    // line width of 1 being one screen pixel (15 twips), a curve one
    // polyline (paintEditableDisplayList).
    void paintEditable(QPainter &painter) const;

private:
    void paintBackground(QPainter &painter) const;
};
