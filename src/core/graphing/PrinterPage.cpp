#include "graphing/PrinterPage.h"

#include "graphing/DisplayListPainter.h"

#include <QPaintDevice>
#include <QPainter>

void PrinterPage::paint(QPainter &painter, const QPaintDevice &device) const
{
    painter.save();
    painter.scale(device.logicalDpiX() / 1440.0, device.logicalDpiY() / 1440.0);
    paintDisplayList(painter, *this, device.logicalDpiX() / 300.0);
    painter.restore();
}

PrinterPage &printerPage()
{
    static PrinterPage page;
    return page;
}
