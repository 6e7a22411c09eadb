#pragma once

#include "graphing/DisplayList.h"
#include "platform/ClipboardPicture.h"

#include <QWidget>

// PicGraph: the picture the plot engine draws on. It records the drawing
// in twips and paints it scaled to the screen over a white background and
// any pasted picture. Like a persistent bitmap, the rendered picture is
// kept: a repaint renders only what was drawn since, then copies the image.
// Given more room than its twips size (a larger or maximised window), it
// draws the graph larger, keeping its proportions; its titles follow.
class GraphPicture : public QWidget, public DrawingSurface, public ClipboardPicture
{
    Q_OBJECT

public:
    explicit GraphPicture(QWidget *parent = nullptr);

    // The size the graph is drawn for at the screen's scale; the picture
    // keeps it unless it grows with its room.
    void setTwipsSize(double width, double height);
    // Takes the room a layout gives it: the graph window's picture.
    void growWithRoom();
    // Screen pixels per twips-size pixel: 1 at the drawn size, more when
    // the picture has more room. Twips on the picture times Twips::dpi / 1440
    // times this scale are pixels.
    double viewScale() const { return m_scale; }
    QSizeF twipsSize() const { return m_twipsSize; }
    // A position in widget pixels as twips of the picture.
    QPointF toTwips(QPointF pixels) const;
    QRect toPixels(double left, double top, double width, double height) const;

    const DisplayList &displayList() const { return m_list; }

    // Drawing surface: each drawing is recorded and repainted.
    QPointF penPosition() const override { return m_list.penPosition(); }
    void setPenPosition(QPointF position) override { m_list.setPenPosition(position); }
    void drawLine(QPointF from, QPointF to, QColor color) override;
    void drawPoint(QPointF at, QColor color) override;
    void drawCircle(QPointF centre, double radius, QColor outline, bool filled, QColor fill,
                    int lineWidth = 0) override;
    void drawBox(QPointF corner1, QPointF corner2, QColor outline, bool filled, QColor fill) override;
    void printText(const QString &text, bool endLine) override;
    double textWidth(const QString &text) const override { return m_list.textWidth(text); }
    double textHeight() const override { return m_list.textHeight(); }
    void setFont(const QString &name, double sizePoints, bool bold) override;
    void setLineWidth(int width) override { m_list.setLineWidth(width); }
    int lineWidth() const override { return m_list.lineWidth(); }
    // Erases the drawing; a pasted picture stays.
    void clear() override;
    void beginLegend() override { m_list.beginLegend(); }
    void endLegend() override;

    // Clipboard: the graph as shown, titles included; cutting removes the
    // pasted picture and the drawing; pasting puts a picture under the drawing.
    QImage pictureImage() const override;
    void clearPicture() override;
    void setPicture(const QImage &image) override;
    bool hasPastedPicture() const { return !m_pasted.isNull(); }
    const QImage &pastedPicture() const { return m_pasted; }

signals:
    void viewScaleChanged();
    // Mouse events in twips of the picture.
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPointF at);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Renders the items drawn since the last paint into the kept image, or
    // everything again after a clear, a paste or a change of size.
    void renderPending();
    void invalidateRendering();

    DisplayList m_list;
    QImage m_rendered;
    std::size_t m_renderedItems = 0;
    QImage m_pasted;
    QSizeF m_twipsSize;
    double m_scale = 1;
};
