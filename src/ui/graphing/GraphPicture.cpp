#include "graphing/GraphPicture.h"

#include "graphing/DisplayListPainter.h"
#include "graphing/GraphFigure.h"
#include "graphing/GraphState.h"
#include "platform/Twips.h"
#include "session/Session.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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
    m_twipsSize = QSizeF(width, height);
    setFixedSize(Twips::toPixelsX(width), Twips::toPixelsY(height));
}

void GraphPicture::growWithRoom()
{
    // Never below the drawn size: a smaller window scrolls over the graph
    // and its axis titles, as it always did.
    setMinimumSize(size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QPointF GraphPicture::toTwips(QPointF pixels) const
{
    return QPointF(pixels.x() * Twips::perInch / Twips::dpiX(), pixels.y() * Twips::perInch / Twips::dpiY()) / m_scale;
}

QRect GraphPicture::toPixels(double left, double top, double width, double height) const
{
    const double x = Twips::dpiX() / Twips::perInch * m_scale, y = Twips::dpiY() / Twips::perInch * m_scale;
    return QRect(qRound(left * x), qRound(top * y), qRound(width * x), qRound(height * y));
}

void GraphPicture::resizeEvent(QResizeEvent *)
{
    // Never smaller than drawn: a small window shows part of the graph, as it always did.
    double scale = 1;
    if (!m_twipsSize.isEmpty())
        scale = std::max(1.0, std::min(width() / (m_twipsSize.width() * Twips::dpiX() / Twips::perInch),
                                       height() / (m_twipsSize.height() * Twips::dpiY() / Twips::perInch)));
    if (scale == m_scale)
        return;
    m_scale = scale;
    invalidateRendering();
    emit viewScaleChanged();
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
    if (modPlot_Graph::GraphSurface() == this)
        modPlot_Graph::ForgetGraphCurves();
    m_list.clear();
    invalidateRendering();
    update();
}

void GraphPicture::endLegend()
{
    m_list.endLegend();
    update();
}

QImage GraphPicture::pictureImage() const
{
    return const_cast<GraphPicture *>(this)->grab().toImage();
}

void GraphPicture::clearPicture()
{
    if (modPlot_Graph::GraphSurface() == this)
        modPlot_Graph::ForgetGraphCurves();
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
    painter.scale(m_scale * Twips::dpiX() / Twips::perInch, m_scale * Twips::dpiY() / Twips::perInch);
    paintDisplayItems(painter, m_list, 1.0, m_renderedItems);
    m_renderedItems = m_list.items().size();
}

void GraphPicture::paintEvent(QPaintEvent *)
{
    renderPending();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_rendered);
    if (m_list.legendItems().empty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(m_scale * Twips::dpiX() / Twips::perInch, m_scale * Twips::dpiY() / Twips::perInch);
    paintDisplayLegend(painter, m_list, 1.0);
}

void GraphPicture::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->buttons(), event->modifiers(), toTwips(event->position()));
}

void GraphPicture::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(event->button(), event->modifiers(), toTwips(event->position()));
}
