#include "platform/QtMessageService.h"

#include "platform/DialogOwner.h"
#include "platform/ModalDialog.h"

#include <QMessageBox>

QtMessageService::QtMessageService()
{
    DialogOwner::startWatching();
}

Messages::Answer QtMessageService::ask(const Messages::Request &request)
{
    using Messages::Answer;
    using Messages::Buttons;
    using Messages::Icon;

    QMessageBox box(DialogOwner::current());
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
    case Buttons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        break;
    }
    switch (ModalDialog::run(box)) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
    case QMessageBox::Save:
        return Answer::Yes;
    case QMessageBox::No:
    case QMessageBox::Discard:
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
