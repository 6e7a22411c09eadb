#pragma once

class DisplayList;
class QPainter;

#include <cstddef>

// Paints a display list, from item `first` on. The painter's transform must
// map twips to the device; a line width of n is drawn n x pixelsPerLineWidth
// device pixels wide.
void paintDisplayList(QPainter &painter, const DisplayList &list, double pixelsPerLineWidth = 1.0,
                      std::size_t first = 0);
