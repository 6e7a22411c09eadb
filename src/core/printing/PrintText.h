#pragma once

#include <QString>

class DrawingSurface;

// Printing texts at a place on the printer page. Positions are twips; each
// printed line moves the surface's pen to the start of the next line.
namespace PrintText {

enum Align { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };

// Prints text word-wrapped into a box of the given width from (left, top),
// each line aligned in the box; the height is not used. A word wider than
// the box stands on a line of its own. An empty text prints one empty line.
void PrintWrappedText(DrawingSurface &surface, const QString &text, double left, double top, double width,
                      double height, int align);

// Prints the lines of text (separated by CR LF) from top down, each
// starting at x (align 0), centred on x (1) or ending at x (2). Lines after
// a line break lose their leading blanks; a final CR LF adds no line; an
// empty text prints one empty line.
void PrintTextLines(DrawingSurface &surface, const QString &text, double x, double top, int align);

} // namespace PrintText
