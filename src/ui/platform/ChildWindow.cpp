#include "platform/ChildWindow.h"

#include "platform/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMdiArea>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <algorithm>

ChildWindow::ChildWindow(const QString &name, const QString &caption, QWidget *parent)
    : QMdiSubWindow(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void ChildWindow::setTwipsGeometry(double left, double top, double width, double height)
{
    const QRect pixels = Twips::toPixels(left, top, width, height);
    setGeometry(QRect(pixels.topLeft(), pixels.size().expandedTo(minimumSizeHint())));
}

void ChildWindow::setTwipsPosition(double left, double top)
{
    move(Twips::toPixelsX(left), Twips::toPixelsY(top));
}

void ChildWindow::setTwipsSize(double width, double height)
{
    resize(QSize(Twips::toPixelsX(width), Twips::toPixelsY(height)).expandedTo(minimumSizeHint()));
}

double ChildWindow::twipsLeft() const
{
    return Twips::fromPixelsX(x());
}
double ChildWindow::twipsTop() const
{
    return Twips::fromPixelsY(y());
}
double ChildWindow::twipsWidth() const
{
    return Twips::fromPixelsX(width());
}
double ChildWindow::twipsHeight() const
{
    return Twips::fromPixelsY(height());
}

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

void ChildWindow::showCloseButtonOnly()
{
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

int ChildWindow::captionWidth() const
{
    if (windowTitle().isEmpty() || (windowFlags() & Qt::FramelessWindowHint))
        return 0;
    QStyleOptionTitleBar option;
    option.initFrom(this);
    option.subControls = QStyle::SC_All;
    option.titleBarFlags = windowFlags();
    option.titleBarState = int(windowState());
    option.text = windowTitle();
    const int wide = 1000; // any bar wide enough for its buttons
    option.rect = QRect(0, 0, wide, style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this));
    const QRect label = style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarLabel, this);
    if (label.isEmpty())
        return 0;
    // The icon, the buttons and the borders take the rest of the bar, and
    // Qt's own style keeps the caption 14 pixels short of the buttons. The
    // active window's caption is bold.
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int text = std::max(QFontMetrics(titleFont).horizontalAdvance(windowTitle()),
                              fontMetrics().horizontalAdvance(windowTitle()));
    return wide - label.width() + text + 14;
}

QSize ChildWindow::minimumSizeHint() const
{
    QSize least = QMdiSubWindow::minimumSizeHint();
    if (isMinimized())
        return least;
    least.setWidth(std::max(least.width(), captionWidth()));
    const QWidget *content = widget();
    if (content && content->layout() && content->layout()->hasHeightForWidth()) {
        // Wrapped texts take more lines the narrower the window.
        const QMargins frame = contentsMargins();
        const int contentWidth = width() - frame.left() - frame.right();
        least.setHeight(std::max(least.height(),
                                 content->layout()->totalHeightForWidth(contentWidth) + frame.top() + frame.bottom()));
    }
    if (content && !content->layout()) {
        const QRect used = content->childrenRect();
        const QSize room(used.right() + 1, used.bottom() + 1);
        const QMargins frame = contentsMargins() + (layout() ? layout()->contentsMargins() : QMargins());
        least = least.expandedTo(room.grownBy(frame));
    }
    return least;
}

void ChildWindow::showEvent(QShowEvent *event)
{
    QMdiSubWindow::showEvent(event);
    if (!isMinimized() && !isMaximized()) {
        resize(size().expandedTo(minimumSizeHint()));
        keepInWorkArea();
    }
}

void ChildWindow::keepInWorkArea()
{
    const QMdiArea *area = mdiArea();
    if (!area || !area->isVisible())
        return; // the work area has no size of its own yet
    const QRect room = area->viewport()->rect();
    QRect placed = geometry();
    // Taller or wider than the work area: as small as the window can be, but no smaller than the area.
    const QSize least = minimumSizeHint();
    if (placed.height() > room.height())
        placed.setHeight(std::max(room.height(), least.height()));
    if (placed.width() > room.width())
        placed.setWidth(std::max(room.width(), least.width()));
    // Then moved up or left, as far as needed and no further than the area's corner.
    placed.moveTop(std::max(room.top(), std::min(placed.top(), room.bottom() - placed.height() + 1)));
    placed.moveLeft(std::max(room.left(), std::min(placed.left(), room.right() - placed.width() + 1)));
    if (placed != geometry())
        setGeometry(placed);
}

void ChildWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}
