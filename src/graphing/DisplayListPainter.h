#pragma once

class DisplayList;
class QPainter;

// Paints a display list. The painter's transform must map twips to the
// device; a line width of n is drawn n x pixelsPerLineWidth device pixels wide.
void paintDisplayList(QPainter &painter, const DisplayList &list, double pixelsPerLineWidth = 1.0);
