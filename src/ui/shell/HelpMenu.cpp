// The Help menu of the main window: the user guide (also on F1), the advice
// on a missing or unreadable guide file and the About window. (ReadMe is with the other menus.)
#include "shell/frmVn_Main.h"

#include "platform/DocumentLauncher.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "session/StatusText.h"
#include "shell/AppWindows.h"
#include "shell/frmVnAbout.h"

#include <QApplication>
#include <QFileInfo>

namespace {

const QString kHelpProblemTitle = QStringLiteral("HTML Help problem");

// Where the guide is expected, whether it is there, and how to put it back
// on this system: by reinstalling the package, or by building again.
QString helpProblemsQuestion()
{
    const QString br = Messages::lineBreak();
    const QString guide = modVnPublic::HelpFilePath();
    const QString state = QFileInfo(guide).isReadable()
                              ? QStringLiteral("The file is there; when the guide does not open all the same, the "
                                               "file is damaged.")
                              : QStringLiteral("The file is missing or cannot be read.");
    const QString remedy =
        modVnPublic::CurrentProgramLayout() == modVnPublic::ProgramLayout::Installed
            ? QStringLiteral("To put it back, reinstall Vornish, for example in a terminal:") + br
                  + QStringLiteral("     sudo apt install --reinstall vornish")
            : QStringLiteral("This Vornish runs from its build folder. To put the guide back, build Vornish again "
                             "in its source folder:")
                  + br + QStringLiteral("     cmake --build build");
    return QStringLiteral("Vornish shows its user guide from the file") + br + QStringLiteral("     ") + guide + br
           + state + br + br + remedy + br
           + QStringLiteral("Then choose Help Topics again; Vornish need not be restarted.") + br + br
           + QStringLiteral("- Click 'OK' to open this advice as a page in your default internet browser.") + br
           + QStringLiteral("- Click 'Cancel' to close this message box.");
}

} // namespace

void frmVn_Main::mnuHelpContents_Click()
{
    ShowHelp(QString());
}

void frmVn_Main::ShowHelp(const QString &topic)
{
    // A window that holds the program modally would block a help window owned
    // by this one: it owns the help window instead.
    QWidget *owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    if (modVnPublic::OpenHelpFile(owner, modVnPublic::HelpFilePath(), topic))
        return;
    Messages::show(QStringLiteral("Chances are that you need to install or update HTML Help on your machine. ")
                       + Messages::lineBreak() + Messages::lineBreak()
                       + QStringLiteral("Click 'OK' to obtain more information."),
                   Messages::Buttons::Ok, Messages::Icon::None, kHelpProblemTitle);
    mnuHelpTrouble_Click();
}

void frmVn_Main::mnuHelpTrouble_Click()
{
    if (Messages::show(helpProblemsQuestion(), Messages::Buttons::OkCancel, Messages::Icon::None, kHelpProblemTitle)
        != Messages::Answer::Ok)
        return;
    StatusText::set(QStringLiteral("Please wait for web page to load ..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    modVnPublic::LaunchDocument(this, modVnPublic::ProgramFilePath(QStringLiteral("hhupdate.htm")), 0);
    StatusText::clear();
    QApplication::restoreOverrideCursor();
}

void frmVn_Main::mnuHelpAbout_Click()
{
    if (appWindows().about)
        appWindows().about->ShowAbout();
}
