#include "FigureMessages.h"
#include "GuideFigures.h"

#include "platform/ModalDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "project/ProjectDocument.h"
#include "shell/frmVn_Main.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

// vornish-guide-figures FOLDER: runs the guide's examples in the program's
// windows, off screen, and saves their pictures as PNG files in FOLDER.
int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: vornish-guide-figures FOLDER\n", stderr);
        return 2;
    }
    // Settings, results and runtime files of a fresh program of its own, never the user's.
    const QTemporaryDir scratch; // only its owner may enter it
    const QDir work(scratch.path());
    work.mkpath(QStringLiteral("settings"));
    work.mkpath(QStringLiteral("program"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(scratch.path()));

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vornish"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vornish.svg")));
    QLocale::setDefault(QLocale::c()); // the guide writes numbers with a decimal point
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, work.filePath(QStringLiteral("settings")));
    SettingsStore::close();
    modVnPublic::SetProgramFolder(work.filePath(QStringLiteral("program")));

    auto service = std::make_unique<FigureMessages>();
    FigureMessages &messages = *service;
    Messages::install(std::move(service));
    int waitingWindows = 0; // nobody would answer a window that waits: each one is a fault
    ModalDialog::setRunner([&waitingWindows](QDialog &dialog) {
        std::fprintf(stderr, "a window waited for an answer: %s\n", qPrintable(dialog.objectName()));
        ++waitingWindows;
        dialog.reject();
        return dialog.result();
    });

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
        return 1;
    }
    frmVn_Main mainWindow;
    mainWindow.ShowAfterSplash();
    const QStringList faults = GuideFigures(mainWindow, messages, folder).makeAll();
    ProjectDocument::current().finish(); // a clean end: the recovery lock goes before its folder
    for (const QString &fault : faults)
        std::fprintf(stderr, "%s\n", qPrintable(fault));
    return faults.isEmpty() && waitingWindows == 0 ? 0 : 1;
}
