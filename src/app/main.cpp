#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/QtFileDialogService.h"
#include "platform/QtMessageService.h"
#include "shell/frmVn_Main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vornish"));
    Messages::install(std::make_unique<QtMessageService>());
    FileDialogs::install(std::make_unique<QtFileDialogService>());
    frmVn_Main mainWindow;
    return app.exec();
}
