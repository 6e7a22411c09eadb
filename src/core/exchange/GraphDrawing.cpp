#include "exchange/GraphDrawing.h"

#include "graphing/DisplayListPainter.h"

#include <QPainter>

namespace {

constexpr double twipsPerScreenPixel = 1440.0 / 96;

} // namespace

void GraphDrawing::paint(QPainter &painter, double pixelsPerLineWidth) const
{
    paintBackground(painter);
    paintDisplayList(painter, list, pixelsPerLineWidth);
}

void GraphDrawing::paintEditable(QPainter &painter) const
{
    paintBackground(painter);
    paintEditableDisplayList(painter, list, twipsPerScreenPixel);
}

void GraphDrawing::paintBackground(QPainter &painter) const
{
    painter.fillRect(QRectF(QPointF(0, 0), twipsSize), Qt::white);
    if (!underlay.isNull()) {
        const double twipsPerPixel = 1440.0 / underlayDpi;
        painter.drawImage(QRectF(0, 0, underlay.width() * twipsPerPixel, underlay.height() * twipsPerPixel), underlay);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}
