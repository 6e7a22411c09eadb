#include "graphing/DisplayListPainter.h"

#include "graphing/DisplayList.h"

#include <QPainter>
#include <QVector>

namespace {

QPen cosmeticPen(QRgb color, int lineWidth, double pixelsPerLineWidth)
{
    QPen pen{QColor::fromRgba(color)};
    pen.setCosmetic(true);
    pen.setWidthF(lineWidth * pixelsPerLineWidth);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// Consecutive lines of one colour and width are drawn in one call: a long
// curve is hundreds of thousands of segments.
class LineBatch
{
public:
    LineBatch(QPainter &painter, double pixelsPerLineWidth)
        : m_painter(painter)
        , m_scale(pixelsPerLineWidth)
    {
    }

    void add(const DisplayItem &item)
    {
        if (!m_lines.isEmpty() && (item.color != m_color || item.lineWidth != m_width))
            flush();
        m_color = item.color;
        m_width = item.lineWidth;
        m_lines.append(QLineF(item.x1, item.y1, item.x2, item.y2));
    }

    void flush()
    {
        if (m_lines.isEmpty())
            return;
        m_painter.setPen(cosmeticPen(m_color, m_width, m_scale));
        m_painter.drawLines(m_lines);
        m_lines.clear();
    }

private:
    QPainter &m_painter;
    double m_scale;
    QVector<QLineF> m_lines;
    QRgb m_color = 0;
    int m_width = 1;
};

} // namespace

void paintDisplayList(QPainter &painter, const DisplayList &list, double pixelsPerLineWidth, std::size_t first)
{
    painter.save();
    LineBatch lines(painter, pixelsPerLineWidth);
    const std::vector<DisplayItem> &items = list.items();
    for (std::size_t i = first; i < items.size(); ++i) {
        const DisplayItem &item = items[i];
        if (item.kind == DisplayItem::Line) {
            lines.add(item);
            continue;
        }
        lines.flush();
        switch (item.kind) {
        case DisplayItem::Point:
            painter.setPen(cosmeticPen(item.color, item.lineWidth, pixelsPerLineWidth));
            painter.drawPoint(QPointF(item.x1, item.y1));
            break;
        case DisplayItem::Circle:
            painter.setPen(cosmeticPen(item.color, item.lineWidth, pixelsPerLineWidth));
            painter.setBrush(item.filled ? QBrush(QColor::fromRgba(item.fill)) : QBrush(Qt::NoBrush));
            painter.drawEllipse(QPointF(item.x1, item.y1), item.x2, item.x2);
            break;
        case DisplayItem::Box:
            painter.setPen(cosmeticPen(item.color, item.lineWidth, pixelsPerLineWidth));
            painter.setBrush(item.filled ? QBrush(QColor::fromRgba(item.fill)) : QBrush(Qt::NoBrush));
            painter.drawRect(QRectF(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2)).normalized());
            break;
        case DisplayItem::Text:
            painter.setPen(QColor::fromRgba(item.color));
            painter.setFont(DisplayList::twipsFont(list.fontOf(item)));
            painter.drawText(QRectF(item.x1, item.y1, 100000, 100000), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                             list.textOf(item));
            break;
        case DisplayItem::Line:
            break;
        }
    }
    lines.flush();
    painter.restore();
}
