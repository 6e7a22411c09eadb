#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/QtFileDialogService.h"
#include "platform/QtMessageService.h"
#include "shell/frmVn_Main.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] = "Usage: vornish [PROJECT.vornish | --help | --version]\n"
                      "\n"
                      "Vornish calculates and simulates one reversible binding reaction, A + B <=> [A/B]:\n"
                      "the Equilibrium Tool, the Scatchard Analysis Tool and the Dynamic Equilibrium Tool.\n"
                      "A project file named on the command line opens once the program has started;\n"
                      "the user guide opens with Help > Help Topics or F1.\n"
                      "\n"
                      "  --help     print this text and exit\n"
                      "  --version  print the version and exit\n";

// The two options answer on the terminal before any window (or display) is needed.
bool answeredOnTerminal(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("vornish %d.%d.%d\n", VORNISH_VERSION_MAJOR, VORNISH_VERSION_MINOR, VORNISH_VERSION_PATCH);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            const QCoreApplication program(argc, argv); // knows the program's folder
            std::fputs(kUsage, stdout);
            std::printf("\nThe user guide and pages are read from %s\n", qPrintable(modVnPublic::ProgramFolder()));
            std::printf("Simulation results (Temp.mdb) are written to %s\n", qPrintable(modVnPublic::WritableFolder()));
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (answeredOnTerminal(argc, argv))
        return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vornish"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vornish.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.vornish.Vornish"));
    Messages::install(std::make_unique<QtMessageService>());
    FileDialogs::install(std::make_unique<QtFileDialogService>());
    frmVn_Main mainWindow;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        mainWindow.OpenProjectAtStart(arguments.at(1));
    return app.exec();
}
