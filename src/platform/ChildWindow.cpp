#include "platform/ChildWindow.h"

#include "platform/Twips.h"

#include <QCloseEvent>
#include <QMdiArea>

ChildWindow::ChildWindow(const QString &name, const QString &caption, QWidget *parent)
    : QMdiSubWindow(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void ChildWindow::setTwipsGeometry(double left, double top, double width, double height)
{
    setGeometry(Twips::toPixels(left, top, width, height));
}

void ChildWindow::setTwipsPosition(double left, double top)
{
    move(Twips::toPixelsX(left), Twips::toPixelsY(top));
}

void ChildWindow::setTwipsSize(double width, double height)
{
    resize(Twips::toPixelsX(width), Twips::toPixelsY(height));
}

double ChildWindow::twipsLeft() const { return Twips::fromPixelsX(x()); }
double ChildWindow::twipsTop() const { return Twips::fromPixelsY(y()); }
double ChildWindow::twipsWidth() const { return Twips::fromPixelsX(width()); }
double ChildWindow::twipsHeight() const { return Twips::fromPixelsY(height()); }

void ChildWindow::showInFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    if (QMdiArea *area = mdiArea())
        area->setActiveSubWindow(this);
    else
        activateWindow();
}

void ChildWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}
