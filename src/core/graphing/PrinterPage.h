#pragma once

#include "graphing/DisplayList.h"

class QPainter;
class QPaintDevice;

// The page being prepared for the printer. The plot engine echoes its
// drawing here while PrinterEcho is set; printing adds its texts with the
// same surface operations (fonts, pen position, printText), then prints
// the page with paint() and discards it. Discarding throws the page away.
class PrinterPage : public DisplayList
{
public:
    void discard() { clear(); }
    bool isEmpty() const { return items().empty(); }

    // Paints the page on a device (a QPrinter), twips measured from its
    // printable origin; a line width of 1 is 1/300 inch.
    void paint(QPainter &painter, const QPaintDevice &device) const;
};

PrinterPage &printerPage();
