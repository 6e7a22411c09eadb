#include "exchange/GraphDrawing.h"

#include "graphing/DisplayListPainter.h"

#include <QPainter>

void GraphDrawing::paint(QPainter &painter, double pixelsPerLineWidth) const
{
    painter.fillRect(QRectF(QPointF(0, 0), twipsSize), Qt::white);
    if (!underlay.isNull()) {
        const double twipsPerPixel = 1440.0 / underlayDpi;
        painter.drawImage(QRectF(0, 0, underlay.width() * twipsPerPixel, underlay.height() * twipsPerPixel), underlay);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintDisplayList(painter, list, pixelsPerLineWidth);
}
