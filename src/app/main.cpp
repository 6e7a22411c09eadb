#include "platform/Messages.h"
#include "platform/QtMessageService.h"
#include "shell/frmVn_Main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vornish"));
    Messages::install(std::make_unique<QtMessageService>());
    frmVn_Main mainWindow;
    return app.exec();
}
