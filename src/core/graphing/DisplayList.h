#pragma once

#include "graphing/DrawingSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRgb>

#include <vector>

// One recorded drawing, in twips.
struct DisplayItem
{
    enum Kind : quint8 { Line, Point, Circle, Box, Text };

    Kind kind = Line;
    bool filled = false;  // circles and boxes: filled with fill
    quint8 lineWidth = 1; // device pixels
    quint16 font = 0;     // texts: index into the list's fonts
    float x1 = 0, y1 = 0; // line start, point, circle centre, box corner, text top-left
    float x2 = 0, y2 = 0; // line end, box corner; circles: x2 is the radius
    QRgb color = 0xff000000;
    QRgb fill = 0xffffffff;
    qint32 text = -1; // texts: index into the list's texts
};

// A font as the graph procedures ask for it.
struct SurfaceFont
{
    QString name = QStringLiteral("Arial");
    double size = 9; // points
    bool bold = false;

    bool operator==(const SurfaceFont &other) const
    {
        return name == other.name && size == other.size && bold == other.bold;
    }
};

// A drawing surface that records what is drawn: the display list that the
// graph picture paints and the printer page prints. Tests read it.
class DisplayList : public DrawingSurface
{
public:
    DisplayList();

    QPointF penPosition() const override { return m_pen; }
    void setPenPosition(QPointF position) override { m_pen = position; }

    void drawLine(QPointF from, QPointF to, QColor color) override;
    void drawPoint(QPointF at, QColor color) override;
    void drawCircle(QPointF centre, double radius, QColor outline, bool filled, QColor fill,
                    int lineWidth = 0) override;
    void drawBox(QPointF corner1, QPointF corner2, QColor outline, bool filled, QColor fill) override;

    void printText(const QString &text, bool endLine) override;
    double textWidth(const QString &text) const override;
    double textHeight() const override;

    void setFont(const QString &name, double sizePoints, bool bold) override;
    void setLineWidth(int width) override;
    int lineWidth() const override { return m_lineWidth; }

    void clear() override;
    void beginLegend() override;
    void endLegend() override { m_inLegend = false; }

    // The graph's drawings in the order drawn, and the legend over them.
    const std::vector<DisplayItem> &items() const { return m_items; }
    const std::vector<DisplayItem> &legendItems() const { return m_legend; }
    QString textOf(const DisplayItem &item) const;
    SurfaceFont fontOf(const DisplayItem &item) const;
    SurfaceFont currentFont() const { return m_fonts[m_font]; }

    // The font of a surface font at the size it has in twips.
    static QFont twipsFont(const SurfaceFont &font);

private:
    // A figure between two points in the current line width.
    DisplayItem figure(DisplayItem::Kind kind, QPointF p1, QPointF p2, QColor color) const;
    void append(const DisplayItem &item);

    std::vector<DisplayItem> m_items;
    std::vector<DisplayItem> m_legend;
    bool m_inLegend = false;
    std::vector<QString> m_texts;
    std::vector<SurfaceFont> m_fonts;
    quint16 m_font = 0;
    QFontMetricsF m_metrics;
    QPointF m_pen;
    int m_lineWidth = 1;
};
