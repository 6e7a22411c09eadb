#pragma once

#include <QList>
#include <QPoint>
#include <QString>

class QAction;
class QMdiSubWindow;
class QWidget;

// What a window may ask of the main window around it. The main window
// provides these; without one (a window tested alone) they return null or
// nothing.
namespace MainFrame {

// The main window itself: the parent of dialogs, the size windows centre in.
QWidget *window();
// A menu command by its name ("mnuGraphDisable").
QAction *action(const QString &name);
// The Graph menu as a context menu at a screen position.
void popupGraphMenu(const QPoint &at);
// The child windows, the most recently activated last.
QList<QMdiSubWindow *> activationHistory();

} // namespace MainFrame
