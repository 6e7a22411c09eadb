#include "platform/MainFrame.h"

#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

#include <QMdiArea>
#include <QMenu>

namespace MainFrame {

QWidget *window()
{
    return appWindows().main;
}

QAction *action(const QString &name)
{
    return appWindows().main ? appWindows().main->action(name) : nullptr;
}

void popupGraphMenu(const QPoint &at)
{
    if (frmVn_Main *main = appWindows().main)
        main->mnuGraph->popup(at);
}

QList<QMdiSubWindow *> activationHistory()
{
    frmVn_Main *main = appWindows().main;
    return main ? main->mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder) : QList<QMdiSubWindow *>();
}

} // namespace MainFrame
