#include "platform/DialogOwner.h"

#include <QApplication>
#include <QMainWindow>
#include <QPointer>

namespace DialogOwner {
namespace {

QWidget *mainWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow *>(window))
            return window;
    return nullptr;
}

// Remembers the last window that became active.
class ActiveWindowWatch : public QObject
{
public:
    using QObject::QObject;

    QPointer<QWidget> last;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow())
            last = static_cast<QWidget *>(watched);
        return false;
    }
};

QPointer<ActiveWindowWatch> &watch()
{
    static QPointer<ActiveWindowWatch> instance;
    return instance;
}

} // namespace

void startWatching()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (watch() || !application)
        return;
    watch() = new ActiveWindowWatch(application);
    application->installEventFilter(watch());
}

QWidget *current()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    if (watch() && watch()->last && watch()->last->isVisible())
        return watch()->last;
    return mainWindow();
}

} // namespace DialogOwner
