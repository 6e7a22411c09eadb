#pragma once

class DisplayList;
class QPainter;

#include <cstddef>

// Paints a display list, its legend last. The painter's transform must map
// twips to the device; a line width of n is drawn n x pixelsPerLineWidth
// device pixels wide, whatever the transform (cosmetic pens).
void paintDisplayList(QPainter &painter, const DisplayList &list, double pixelsPerLineWidth = 1.0);

// The two parts of paintDisplayList for a picture that renders as it goes:
// the graph's items from item `first` on, and the legend alone.
void paintDisplayItems(QPainter &painter, const DisplayList &list, double pixelsPerLineWidth, std::size_t first);
void paintDisplayLegend(QPainter &painter, const DisplayList &list, double pixelsPerLineWidth);

// Paints a display list as a drawing to be edited in a vector program:
// every stroke has a real width, a line width of n being n x twipsPerLineWidth
// twips (it scales with the drawing), and the connected lines of one colour
// and width (a curve) are one polyline instead of one element a segment.
void paintEditableDisplayList(QPainter &painter, const DisplayList &list, double twipsPerLineWidth);
