// The Help menu of the main window: the user guide (also on F1), the
// trouble-shooting of a missing or unreadable help file and the About window. (ReadMe is with the other menus.)
#include "shell/frmVn_Main.h"

#include "platform/DocumentLauncher.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "session/StatusText.h"
#include "shell/AppWindows.h"
#include "shell/frmVnAbout.h"

#include <QApplication>

namespace {

const QString kHelpProblemTitle = QStringLiteral("HTML Help problem");

QString helpProblemsQuestion()
{
    const QString br = Messages::lineBreak();
    return QStringLiteral("The Help feature requires that HTML Help has been installed on your computer. "
                          "If your computer is not ")
           + QStringLiteral("HTML Help-enabled, the Vornish Help feature will not work properly, and you may need "
                            "to install or update HTML Help on your machine.")
           + br + br + QStringLiteral(" To enable HTML Help on your machine, the following is needed: ") + br
           + QStringLiteral(" 1 - Locate and download a utility called 'hhupd.exe'.") + br
           + QStringLiteral("     You can download this file (465 kb) from the internet.") + br
           + QStringLiteral(" 2 - Run the 'hhupd.exe' utility.") + br + QStringLiteral(" 3 - Restart Vornish.") + br
           + br
           + QStringLiteral("Vornish can locate the hhupd.exe file for you. Do you want to close Vornish and open "
                            "an Vornish Help page that is installed on your computer to assist you in ")
           + QStringLiteral("finding the update utility? ") + br
           + QStringLiteral("- Click 'OK' to end the program, and open the Help page using your default internet "
                            "browser.")
           + br + QStringLiteral("- Click 'Cancel' to close this message box.");
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
    close(); // as File > Exit
}

void frmVn_Main::mnuHelpAbout_Click()
{
    if (appWindows().about)
        appWindows().about->ShowAbout();
}
