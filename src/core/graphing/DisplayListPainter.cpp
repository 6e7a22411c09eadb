#include "graphing/DisplayListPainter.h"

#include "graphing/DisplayList.h"

#include <QPainter>
#include <QPolygonF>
#include <QVector>

#include <vector>

namespace {

QPen cosmeticPen(QRgb color, int lineWidth, double pixelsPerLineWidth)
{
    QPen pen{QColor::fromRgba(color)};
    pen.setCosmetic(true);
    pen.setWidthF(lineWidth * pixelsPerLineWidth);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPen scalablePen(QRgb color, int lineWidth, double twipsPerLineWidth)
{
    QPen pen{QColor::fromRgba(color)};
    pen.setWidthF(lineWidth * twipsPerLineWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
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

// The connected lines of one colour and width as polylines. A curve comes
// with its grey shadow copies interleaved, segment by segment, so a few
// polylines stay open at once; they are painted in the order they were
// begun, which keeps each shadow under its curve.
class PolylineBatch
{
public:
    PolylineBatch(QPainter &painter, double twipsPerLineWidth)
        : m_painter(painter)
        , m_scale(twipsPerLineWidth)
    {
    }

    void add(const DisplayItem &item)
    {
        const QPointF from(item.x1, item.y1), to(item.x2, item.y2);
        for (Polyline &open : m_open) {
            if (open.color == item.color && open.width == item.lineWidth && open.points.last() == from) {
                open.points.append(to);
                return;
            }
        }
        if (m_open.size() == maxOpen)
            paintOldest();
        m_open.push_back({item.color, item.lineWidth, QPolygonF{from, to}});
    }

    void flush()
    {
        while (!m_open.empty())
            paintOldest();
    }

private:
    struct Polyline
    {
        QRgb color;
        int width;
        QPolygonF points;
    };
    static constexpr std::size_t maxOpen = 8;

    void paintOldest()
    {
        const Polyline &oldest = m_open.front();
        m_painter.setPen(scalablePen(oldest.color, oldest.width, m_scale));
        m_painter.drawPolyline(oldest.points);
        m_open.erase(m_open.begin());
    }

    QPainter &m_painter;
    double m_scale;
    std::vector<Polyline> m_open;
};

// A point, circle, box or text.
void paintFigure(QPainter &painter, const DisplayList &list, const DisplayItem &item, const QPen &pen)
{
    switch (item.kind) {
    case DisplayItem::Point:
        painter.setPen(pen);
        painter.drawPoint(QPointF(item.x1, item.y1));
        break;
    case DisplayItem::Circle:
        painter.setPen(pen);
        painter.setBrush(item.filled ? QBrush(QColor::fromRgba(item.fill)) : QBrush(Qt::NoBrush));
        painter.drawEllipse(QPointF(item.x1, item.y1), item.x2, item.x2);
        break;
    case DisplayItem::Box:
        painter.setPen(pen);
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

// Lines through batch, every other item painted with the pen made for it.
template <typename Batch, typename MakePen>
void paintItems(QPainter &painter, const DisplayList &list, const std::vector<DisplayItem> &items, std::size_t first,
                Batch &lines, MakePen makePen)
{
    painter.save();
    for (std::size_t i = first; i < items.size(); ++i) {
        const DisplayItem &item = items[i];
        if (item.kind == DisplayItem::Line) {
            lines.add(item);
            continue;
        }
        lines.flush();
        paintFigure(painter, list, item, makePen(item));
    }
    lines.flush();
    painter.restore();
}

} // namespace

void paintDisplayItems(QPainter &painter, const DisplayList &list, double pixelsPerLineWidth, std::size_t first)
{
    LineBatch lines(painter, pixelsPerLineWidth);
    paintItems(painter, list, list.items(), first, lines, [pixelsPerLineWidth](const DisplayItem &item) {
        return cosmeticPen(item.color, item.lineWidth, pixelsPerLineWidth);
    });
}

void paintDisplayLegend(QPainter &painter, const DisplayList &list, double pixelsPerLineWidth)
{
    LineBatch lines(painter, pixelsPerLineWidth);
    paintItems(painter, list, list.legendItems(), 0, lines, [pixelsPerLineWidth](const DisplayItem &item) {
        return cosmeticPen(item.color, item.lineWidth, pixelsPerLineWidth);
    });
}

void paintDisplayList(QPainter &painter, const DisplayList &list, double pixelsPerLineWidth)
{
    paintDisplayItems(painter, list, pixelsPerLineWidth, 0);
    paintDisplayLegend(painter, list, pixelsPerLineWidth);
}

void paintEditableDisplayList(QPainter &painter, const DisplayList &list, double twipsPerLineWidth)
{
    const auto makePen = [twipsPerLineWidth](const DisplayItem &item) {
        return scalablePen(item.color, item.lineWidth, twipsPerLineWidth);
    };
    for (const std::vector<DisplayItem> *items : {&list.items(), &list.legendItems()}) {
        PolylineBatch lines(painter, twipsPerLineWidth);
        paintItems(painter, list, *items, 0, lines, makePen);
    }
}
