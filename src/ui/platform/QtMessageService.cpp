#include "platform/QtMessageService.h"

#include "platform/ModalDialog.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

namespace {

QWidget *mainWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow *>(window))
            return window;
    return nullptr;
}

} // namespace

// Remembers the last window that became active.
class QtMessageService::ActiveWindowWatch : public QObject
{
public:
    ActiveWindowWatch()
    {
        if (QCoreApplication *application = QCoreApplication::instance())
            application->installEventFilter(this);
    }

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

QtMessageService::QtMessageService()
    : m_watch(std::make_unique<ActiveWindowWatch>())
{
}

QtMessageService::~QtMessageService() = default;

QWidget *QtMessageService::owner() const
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    if (m_watch->last && m_watch->last->isVisible())
        return m_watch->last;
    return mainWindow();
}

Messages::Answer QtMessageService::ask(const Messages::Request &request)
{
    using Messages::Answer;
    using Messages::Buttons;
    using Messages::Icon;

    QMessageBox box(owner());
    box.setWindowTitle(request.title);
    box.setText(QString(request.text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    switch (request.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (request.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (ModalDialog::run(box)) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // Closed without a button: OK for a plain message, No for a Yes/No question.
        if (request.buttons == Buttons::Ok)
            return Answer::Ok;
        return request.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}
