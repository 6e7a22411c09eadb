#pragma once

#include <QMdiSubWindow>

// A window that lives inside the main window's frame. It is created once,
// then only shown and hidden: closing it hides it, so its fields keep their
// contents for the whole run. Sizes and positions are in twips.
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

protected:
    void closeEvent(QCloseEvent *event) override;
};
