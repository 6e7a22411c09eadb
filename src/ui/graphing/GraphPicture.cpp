#include "graphing/GraphPicture.h"

#include "graphing/DisplayListPainter.h"
#include "graphing/GraphState.h"
#include "platform/Twips.h"
#include "session/Session.h"

#include <QMouseEvent>
#include <QPainter>

QPointF pixelsToTwips(QPointF pixels)
{
    return QPointF(pixels.x() * Twips::perInch / Twips::dpiX(), pixels.y() * Twips::perInch / Twips::dpiY());
}

GraphPicture::GraphPicture(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PicGraph"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphPicture::setTwipsSize(double width, double height)
{
    setFixedSize(Twips::toPixelsX(width), Twips::toPixelsY(height));
}

void GraphPicture::drawLine(QPointF from, QPointF to, QColor color)
{
    m_list.drawLine(from, to, color);
    update();
}

void GraphPicture::drawPoint(QPointF at, QColor color)
{
    m_list.drawPoint(at, color);
    update();
}

void GraphPicture::drawCircle(QPointF centre, double radius, QColor outline, bool filled, QColor fill, int lineWidth)
{
    m_list.drawCircle(centre, radius, outline, filled, fill, lineWidth);
    update();
}

void GraphPicture::drawBox(QPointF corner1, QPointF corner2, QColor outline, bool filled, QColor fill)
{
    m_list.drawBox(corner1, corner2, outline, filled, fill);
    update();
}

void GraphPicture::printText(const QString &text, bool endLine)
{
    m_list.printText(text, endLine);
    update();
}

void GraphPicture::setFont(const QString &name, double sizePoints, bool bold)
{
    m_list.setFont(name, sizePoints, bold);
}

void GraphPicture::clear()
{
    m_list.clear();
    invalidateRendering();
    update();
}

QImage GraphPicture::pictureImage() const
{
    return const_cast<GraphPicture *>(this)->grab().toImage();
}

void GraphPicture::clearPicture()
{
    m_pasted = QImage();
    m_list.clear();
    invalidateRendering();
    update();
}

void GraphPicture::setPicture(const QImage &image)
{
    m_pasted = image;
    invalidateRendering();
    Session::current().setGraphPicturePasted(true);
    update();
}

void GraphPicture::invalidateRendering()
{
    m_rendered = QImage();
    m_renderedItems = 0;
}

void GraphPicture::renderPending()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_rendered.size() != pixels || m_renderedItems > m_list.items().size()) {
        m_rendered = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_rendered.setDevicePixelRatio(ratio);
        m_rendered.fill(Qt::white);
        m_renderedItems = 0;
        if (!m_pasted.isNull()) {
            QPainter pasted(&m_rendered);
            pasted.drawImage(QPointF(0, 0), m_pasted);
        }
    }
    if (m_renderedItems == m_list.items().size())
        return;
    QPainter painter(&m_rendered);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(Twips::dpiX() / Twips::perInch, Twips::dpiY() / Twips::perInch);
    paintDisplayList(painter, m_list, 1.0, m_renderedItems);
    m_renderedItems = m_list.items().size();
}

void GraphPicture::paintEvent(QPaintEvent *)
{
    renderPending();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_rendered);
}

void GraphPicture::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->buttons(), event->modifiers(), pixelsToTwips(event->position()));
}

void GraphPicture::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(event->button(), event->modifiers(), pixelsToTwips(event->position()));
}
