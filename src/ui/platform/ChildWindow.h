#pragma once

#include <QMdiSubWindow>

// A window that lives inside the main window's frame. It is created once,
// then only shown and hidden: closing it hides it, so its fields keep their
// contents for the whole run. Sizes and positions are in twips.
//
// A window is never smaller than its minimum size hint, whatever size it is
// given: the layout sizes were made for other fonts, and a window that
// fits its texts is better than one that cuts them.
class ChildWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    ChildWindow(const QString &name, const QString &caption, QWidget *parent = nullptr);

    void setTwipsGeometry(double left, double top, double width, double height);
    void setTwipsPosition(double left, double top);
    void setTwipsSize(double width, double height);
    double twipsLeft() const;
    double twipsTop() const;
    double twipsWidth() const;
    double twipsHeight() const;

    // Show the window, or bring it to the front when it is already visible.
    void showInFront();

    // The smallest size at which the caption is seen whole and no control
    // is cut or drawn over another: the content's layout's, or, for controls
    // placed at fixed places, the room the visible ones take.
    QSize minimumSizeHint() const override;

protected:
    // A companion window (an assistant beside its tool) has a close button
    // only: it is never minimised or maximised, and its caption keeps the room.
    void showCloseButtonOnly();

    // The width the window needs for its whole caption in the title bar.
    int captionWidth() const;

    void closeEvent(QCloseEvent *event) override;
    // A window is shown whole inside the main window's work area when it
    // can be: placed beyond its edges, its bottom buttons would be seen only
    // by scrolling the work area, which hides the top of every other window.
    void showEvent(QShowEvent *event) override;

private:
    void keepInWorkArea();
};
