#include "TextFit.h"

#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <algorithm>

namespace TextFit {
namespace {

QString describe(const QString &text, const QSize &needed, const QSize &space)
{
    return QStringLiteral("\"%1\" needs %2 x %3 px, has %4 x %5")
        .arg(text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(space.width())
        .arg(space.height());
}

} // namespace

QString labelProblem(const QLabel *label)
{
    const QRect space = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                       -label->margin());
    const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : int(Qt::TextSingleLine);
    const QSize needed = QFontMetrics(label->font())
                             .boundingRect(QRect(0, 0, space.width(), QWIDGETSIZE_MAX),
                                           flags | Qt::AlignLeft | Qt::AlignTop, label->text())
                             .size();
    if (needed.width() > space.width() || needed.height() > space.height())
        return describe(label->text(), needed, space.size());
    for (const QWidget *w = label; w->parentWidget() && !qobject_cast<const QMdiSubWindow *>(w); w = w->parentWidget())
        if (!w->parentWidget()->rect().contains(w->geometry()))
            return QStringLiteral("\"%1\": %2 is cut by its parent %3")
                .arg(label->text(), w->objectName(), w->parentWidget()->objectName());
    return QString();
}

QString captionProblem(const QMdiSubWindow *window)
{
    QStyleOptionTitleBar option;
    option.initFrom(window);
    option.subControls = QStyle::SC_All;
    option.titleBarFlags = window->windowFlags();
    option.titleBarState = int(window->windowState());
    option.text = window->windowTitle();
    option.icon = window->windowIcon();
    const int height = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, window);
    option.rect = QRect(0, 0, window->width(), height);
    // Qt's own style draws the caption no closer than 14 pixels to the buttons.
    const QRect label = window->style()
                            ->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarLabel, window)
                            .adjusted(0, 0, -14, 0);
    // The title is drawn in the title bar font, or in the window's own when it has one.
    const int needed =
        std::max(QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(option.text),
                 QFontMetrics(window->font()).horizontalAdvance(option.text));
    if (needed > label.width())
        return describe(option.text, QSize(needed, height), label.size());
    return QString();
}

} // namespace TextFit
