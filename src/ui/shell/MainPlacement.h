#pragma once

#include <QRect>
#include <QRectF>
#include <QSizeF>

class QWidget;

// The main window's placement in twips: read from the settings store at
// start, fitted to the available screen, and stored back at the end. A
// value the user did not change is stored back exactly as it was placed,
// so that whole-pixel rounding cannot make it drift from run to run.
class MainPlacement
{
public:
    // The size of a first run and of Default docking, in twips.
    static constexpr double DefaultWidth = 11310;
    static constexpr double DefaultHeight = 7340;

    // Places the window from "MainLeft", "MainTop", "MainWidth" and "MainHeight".
    void restore(QWidget &window);
    // Fits the window again once it is shown and its frame is known: the
    // frame, not only the client area, goes on the screen.
    void fitFrame(QWidget &window);
    // Gives the window a size in twips, keeping its place.
    void resize(QWidget &window, double width, double height);
    // Writes the four values.
    void store(const QWidget &window) const;

    // The window's placement now, in twips.
    QRectF current(const QWidget &window) const;

    // A stored placement made usable on the available area: no larger than
    // the area, no smaller than minimum, and wholly on it.
    static QRectF fitted(const QRectF &stored, const QRectF &available, const QSizeF &minimum);

private:
    // A placement fitted for the window on the screen it starts on.
    static QRectF usable(const QWidget &window, const QRectF &twips);
    void place(QWidget &window, const QRectF &twips);

    QRectF m_twips; // the placement last given to the window
    QRect m_pixels; // the pixels it became
};
