#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

// A surface the plot engine draws on, in twips (1/1440 inch) with y growing
// downward. It keeps a pen position that every drawing moves, as the graph
// procedures rely on it: a line ends the pen at its end point, a point or a
// circle at its centre, a box at its second corner, printed text after the
// text (or at the start of the next line).
class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;

    virtual QPointF penPosition() const = 0;
    virtual void setPenPosition(QPointF position) = 0;

    virtual void drawLine(QPointF from, QPointF to, QColor color) = 0;
    virtual void drawPoint(QPointF at, QColor color) = 0;
    // A circle of the given radius in the outline colour, filled with fill
    // when filled is set. lineWidth 0 means the surface's line width.
    virtual void drawCircle(QPointF centre, double radius, QColor outline, bool filled, QColor fill,
                            int lineWidth = 0) = 0;
    // A box between two corners with its border in the outline colour,
    // filled with fill when filled is set.
    virtual void drawBox(QPointF corner1, QPointF corner2, QColor outline, bool filled, QColor fill) = 0;

    // Prints text with its top-left corner at the pen. With endLine the pen
    // goes to the start of the next line (x 0), otherwise just after the text.
    virtual void printText(const QString &text, bool endLine) = 0;
    virtual double textWidth(const QString &text) const = 0;
    virtual double textHeight() const = 0;

    // Font by name, size in points and weight; line width in device pixels.
    virtual void setFont(const QString &name, double sizePoints, bool bold) = 0;
    virtual void setLineWidth(int width) = 0;
    virtual int lineWidth() const = 0;

    // Erases every drawing; the pen returns to (0, 0).
    virtual void clear() = 0;

    // What is drawn from beginLegend() to endLegend() is the legend: it
    // replaces the legend drawn before and is painted over everything else,
    // whatever is drawn later. clear() erases it too.
    virtual void beginLegend() = 0;
    virtual void endLegend() = 0;
};
