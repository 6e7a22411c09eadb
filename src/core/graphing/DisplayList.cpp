#include "graphing/DisplayList.h"

#include <algorithm>

namespace {

// Points to twips: the size a font has on a surface measured in twips.
constexpr double twipsPerPoint = 20.0;

} // namespace

DisplayList::DisplayList()
    : m_fonts{SurfaceFont()}
    , m_metrics(twipsFont(SurfaceFont()))
{
}

QFont DisplayList::twipsFont(const SurfaceFont &font)
{
    QFont qfont(font.name);
    qfont.setPixelSize(std::max(1, qRound(font.size * twipsPerPoint)));
    qfont.setBold(font.bold);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

void DisplayList::append(const DisplayItem &item)
{
    (m_inLegend ? m_legend : m_items).push_back(item);
}

void DisplayList::beginLegend()
{
    m_legend.clear();
    m_inLegend = true;
}

DisplayItem DisplayList::figure(DisplayItem::Kind kind, QPointF p1, QPointF p2, QColor color) const
{
    DisplayItem item;
    item.kind = kind;
    item.x1 = float(p1.x());
    item.y1 = float(p1.y());
    item.x2 = float(p2.x());
    item.y2 = float(p2.y());
    item.color = color.rgba();
    item.lineWidth = quint8(m_lineWidth);
    return item;
}

void DisplayList::drawLine(QPointF from, QPointF to, QColor color)
{
    append(figure(DisplayItem::Line, from, to, color));
    m_pen = to;
}

void DisplayList::drawPoint(QPointF at, QColor color)
{
    append(figure(DisplayItem::Point, at, QPointF(), color));
    m_pen = at;
}

void DisplayList::drawCircle(QPointF centre, double radius, QColor outline, bool filled, QColor fill, int lineWidth)
{
    DisplayItem item = figure(DisplayItem::Circle, centre, QPointF(radius, 0), outline);
    item.filled = filled;
    item.fill = fill.rgba();
    if (lineWidth > 0)
        item.lineWidth = quint8(lineWidth);
    append(item);
    m_pen = centre;
}

void DisplayList::drawBox(QPointF corner1, QPointF corner2, QColor outline, bool filled, QColor fill)
{
    DisplayItem item = figure(DisplayItem::Box, corner1, corner2, outline);
    item.filled = filled;
    item.fill = fill.rgba();
    append(item);
    m_pen = corner2;
}

void DisplayList::printText(const QString &text, bool endLine)
{
    DisplayItem item;
    item.kind = DisplayItem::Text;
    item.x1 = float(m_pen.x());
    item.y1 = float(m_pen.y());
    item.font = m_font;
    item.text = qint32(m_texts.size());
    m_texts.push_back(text);
    append(item);
    if (endLine)
        m_pen = QPointF(0, m_pen.y() + textHeight());
    else
        m_pen.rx() += textWidth(text);
}

double DisplayList::textWidth(const QString &text) const
{
    return m_metrics.horizontalAdvance(text);
}

double DisplayList::textHeight() const
{
    return m_metrics.height();
}

void DisplayList::setFont(const QString &name, double sizePoints, bool bold)
{
    const SurfaceFont font{name, sizePoints, bold};
    const auto found = std::find(m_fonts.begin(), m_fonts.end(), font);
    if (found != m_fonts.end()) {
        m_font = quint16(found - m_fonts.begin());
    } else {
        m_font = quint16(m_fonts.size());
        m_fonts.push_back(font);
    }
    m_metrics = QFontMetricsF(twipsFont(font));
}

void DisplayList::setLineWidth(int width)
{
    m_lineWidth = std::clamp(width, 1, 255);
}

void DisplayList::clear()
{
    m_items.clear();
    m_legend.clear();
    m_inLegend = false;
    m_texts.clear();
    m_pen = QPointF();
}

QString DisplayList::textOf(const DisplayItem &item) const
{
    return item.text >= 0 && size_t(item.text) < m_texts.size() ? m_texts[size_t(item.text)] : QString();
}

SurfaceFont DisplayList::fontOf(const DisplayItem &item) const
{
    return item.font < m_fonts.size() ? m_fonts[item.font] : SurfaceFont();
}
