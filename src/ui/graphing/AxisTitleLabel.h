#pragma once

#include <QLabel>

// An axis title on the graph picture (lblX_axis, lblY_axis). Its place and
// size are kept in twips, as the user sets them by dragging; printing
// reads them. Border style 1 (a thin border) marks resize mode.
class AxisTitleLabel : public QLabel
{
    Q_OBJECT

public:
    // The toolkit's standard pointer codes the resize logic works with.
    enum Pointer { PointerSizeNS = 7, PointerSizeNWSE = 8, PointerSizeWE = 9, PointerSizeAll = 15 };

    AxisTitleLabel(const QString &name, QWidget *picture);

    void setTwipsGeometry(double left, double top, double width, double height);
    void setTwipsPosition(double left, double top);
    void setTwipsSize(double width, double height);
    double twipsLeft() const { return m_left; }
    double twipsTop() const { return m_top; }
    double twipsWidth() const { return m_width; }
    double twipsHeight() const { return m_height; }

    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    bool inResizeMode() const { return m_borderStyle == 1; }

    int mousePointer() const { return m_pointer; }
    void setMousePointer(Pointer pointer);

private:
    void applyGeometry();

    double m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    int m_borderStyle = 0;
    int m_pointer = 0;
};
