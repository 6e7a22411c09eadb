#include "TestFixture.h"
#include "TestMain.h"

#include "equilibrium/frmVnTlAssistant.h"
#include "equilibrium/frmVornish.h"
#include "platform/PrinterDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "scatchard/frmSaturation.h"
#include "session/StatusText.h"
#include "shell/AppWindows.h"
#include "shell/frmStartMenu.h"
#include "shell/frmVnSplash.h"
#include "shell/frmVn_Main.h"
#include "shell/frmWaiting.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {

const QString kApp = QStringLiteral("Vornish");

} // namespace

class ShellTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<frmVn_Main> main;

    void start()
    {
        main = std::make_unique<frmVn_Main>();
        frmVnSplash *splash = main->splash();
        QVERIFY(splash->isVisible());
        QVERIFY(!main->isVisible());
        splash->Timer1_Timer();
        splash->Timer1_Timer();
        QVERIFY(!main->isVisible());
        splash->Timer1_Timer();
        QVERIFY(main->isVisible());
        QVERIFY(appWindows().startMenu->isVisible());
    }

private slots:
    void init()
    {
        TestFixture::resetFolders();
        resetMessages();
    }

    void cleanup()
    {
        main.reset();
        PrinterDialog::setChooser(nullptr);
    }

    void menusShortcutsAndChecks()
    {
        start();
        QStringList bar;
        for (QAction *menu : main->menuBar()->actions())
            bar << menu->text();
        QCOMPARE(bar, (QStringList{"&File", "&Edit", "&View", "&Tools", "&Window", "&Help"}));

        // The keys the user presses; the captions are checked for fit in their windows elsewhere.
        const std::pair<const char *, const char *> keys[] = {{"mnuFileNew", "Ctrl+N"},   {"mnuFilePrint", "Ctrl+P"},
                                                              {"mnuEditCut", "Ctrl+X"},   {"mnuEditCopy", "Ctrl+C"},
                                                              {"mnuEditPaste", "Ctrl+V"}, {"mnuFileExit", ""}};
        for (const auto &[name, key] : keys)
            QCOMPARE(main->action(QLatin1String(name))->shortcut(), QKeySequence(QLatin1String(key)));
        QVERIFY(main->action("mnuViewToolbar")->isChecked());
        QVERIFY(main->action("mnuViewStatusBar")->isChecked());
        QVERIFY(!main->menuBar()->actions().contains(main->mnuGraph->menuAction()));

        main->action("mnuViewToolbar")->trigger();
        QVERIFY(!main->tbToolBar->isVisible());
        QVERIFY(!main->action("mnuViewToolbar")->isChecked());
    }

    void toolbarTips()
    {
        start();
        QStringList tips;
        for (QAction *a : main->tbToolBar->actions())
            if (!a->isSeparator())
                tips << a->toolTip();
        QCOMPARE(tips, (QStringList{"New Tool", "Print", "Cut", "Copy", "Paste", "Equilibrium Tool",
                                    "Scatchard Analysis Tool", "Dynamic Equilibrium Tool", "Saturation Binding",
                                    "Competition Tool", "Kinetics Fit", "Assay Planner"}));
        main->tbToolBar_ButtonClick("Vornish");
        QVERIFY(appWindows().vornish->isVisible());
        main->tbToolBar_ButtonClick("Saturation Binding");
        QVERIFY(appWindows().saturation->isVisible());
        main->tbToolBar_ButtonClick("No such key");
    }

    void firstRunPlacementAndStartMenu()
    {
        start();
        QCOMPARE(main->pos(), QPoint(0, 0));
        QCOMPARE(main->size(), QSize(Twips::toPixelsX(11310), Twips::toPixelsY(7340)));
        frmStartMenu *menu = appWindows().startMenu;
        QTest::mouseClick(menu->cmdVnTl, Qt::LeftButton);
        QVERIFY(appWindows().vornish->isVisible());
        QVERIFY(!menu->isVisible());
    }

    void placementIsStoredUnlessMinimised()
    {
        start();
        main->resize(Twips::toPixelsX(6000), Twips::toPixelsY(4000));
        main->move(Twips::toPixelsX(1440), Twips::toPixelsY(720));
        main->close();
        QCOMPARE(TestFixture::stored("Settings", "MainLeft").toDouble(), 1440.0);
        QCOMPARE(TestFixture::stored("Settings", "MainTop").toDouble(), 720.0);
        main.reset();

        start();
        QCOMPARE(main->pos(), QPoint(Twips::toPixelsX(1440), Twips::toPixelsY(720)));
        main->showMinimized();
        main->move(0, 0);
        main->close();
        QCOMPARE(TestFixture::stored("Settings", "MainLeft").toDouble(), 1440.0);
    }

    void placementUnchangedOrFittedToTheScreen()
    {
        // 7340 twips are 489.33 pixels at 96 dpi: an unchanged height goes back as it was read.
        SettingsStore::write(kApp, "Settings", "MainHeight", "7340");
        start();
        main->close();
        QCOMPARE(TestFixture::stored("Settings", "MainHeight"), QStringLiteral("7340"));
        main.reset();

        // An unreadable width gives the default one.
        SettingsStore::write(kApp, "Settings", "MainWidth", "wide");
        start();
        QCOMPARE(main->width(), Twips::toPixelsX(11310));
        main.reset();

        // A placement off or larger than the screen is fitted to it, and what was used is stored.
        SettingsStore::write(kApp, "Settings", "MainHeight", "1e9");
        SettingsStore::write(kApp, "Settings", "MainLeft", "-50000");
        start();
        // The frame, not only the client area, fills the available height.
        const QRect available = main->screen()->availableGeometry();
        QVERIFY(main->frameGeometry() != main->geometry());
        QCOMPARE(main->frameGeometry().topLeft(), available.topLeft());
        QCOMPARE(main->frameGeometry().height(), available.height());
        main->close();
        QCOMPARE(TestFixture::stored("Settings", "MainHeight").toDouble(),
                 main->height() * 1440.0 / main->logicalDpiY());
        QCOMPARE(TestFixture::stored("Settings", "MainLeft").toDouble(),
                 available.left() * 1440.0 / main->logicalDpiX());
    }

    void splashPictureAndLifetime()
    {
        main = std::make_unique<frmVn_Main>();
        QVERIFY(!main->splash()->showsPictureFile()); // the built-in picture
        main.reset();

        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        QVERIFY(picture.save(modVnPublic::ProgramFilePath("VnSplash.jpg")));
        main = std::make_unique<frmVn_Main>();
        const QPointer<frmVnSplash> splash = main->splash();
        QVERIFY(splash->showsPictureFile());
        QCOMPARE(splash->size(), QSize(Twips::toPixelsX(5040), Twips::toPixelsY(3855)));
        // A splash still ticking must not outlive the window it would show.
        main.reset();
        QVERIFY(splash.isNull());

        // Shown at once (as the tests and the guide's figures do), the frame
        // ends the splash: three seconds on, its ticks would show the frame
        // again and offer recovered work a second time.
        main = std::make_unique<frmVn_Main>();
        const QPointer<frmVnSplash> ended = main->splash();
        main->ShowAfterSplash();
        QVERIFY(!ended->isVisible() && !ended->Timer1->isActive());
        QTRY_VERIFY(ended.isNull());
    }

    void exitCounterAndReminderCondition()
    {
        SettingsStore::write(kApp, "RegInfo", "Times", "13");
        start();
        main->close();
        QCOMPARE(TestFixture::stored("RegInfo", "Times"), QStringLiteral("14"));
        QVERIFY(!main->contributionReminderDue());
        main.reset();

        start();
        main->close();
        QCOMPARE(TestFixture::stored("RegInfo", "Times"), QStringLiteral("15"));
        QVERIFY(main->contributionReminderDue());
        main.reset();

        SettingsStore::write(kApp, "RegInfo", "Ask", "y"); // the comparison is case-sensitive
        SettingsStore::write(kApp, "RegInfo", "Times", "32767");
        start();
        main->close();
        QCOMPARE(TestFixture::stored("RegInfo", "Times"), QStringLiteral("32767"));
        QVERIFY(!main->contributionReminderDue());
        QCOMPARE(StatusText::current(), QStringLiteral("Closing application ..."));
    }

    void openingToolsAndStartingOver()
    {
        start();
        frmVornish *tool = appWindows().vornish;
        main->action("mnuVnVornish")->trigger();
        tool->txtKd->setText("3");
        main->action("mnuVnVornish")->trigger(); // the second time only brings it to the front
        QCOMPARE(main->mdiArea->activeSubWindow(), tool);
        QTest::mouseClick(tool->cmdVnTlAssistant, Qt::LeftButton);
        QVERIFY(appWindows().vornishAssistant->isVisible());

        main->action("mnuDynamVn")->trigger(); // hides the other tools' assistants
        QVERIFY(!appWindows().vornishAssistant->isVisible());

        main->action("mnuFileNew")->trigger();
        QVERIFY(!tool->isVisible());
        QVERIFY(appWindows().startMenu->isVisible());
        main->action("mnuWindowNewWindow")->trigger();
        QCOMPARE(tool->txtKd->text(), QStringLiteral("3"));
    }

    void defaultDockingAndWindowList()
    {
        start();
        main->showMaximized();
        main->action("mnuVnVornish")->trigger();
        appWindows().vornish->move(200, 200);
        main->action("mnuWindowsDocking")->trigger();
        QVERIFY(!main->isMaximized());
        // The designed size, or more where the window's texts need it.
        const QRect docked = appWindows().vornish->geometry();
        QCOMPARE(docked.topLeft(), QPoint(0, 0));
        QVERIFY(docked.width() >= Twips::toPixelsX(5070) && docked.height() >= Twips::toPixelsY(5895));

        QMenu *windowMenu = main->menuBar()->findChild<QMenu *>("mnuWindow");
        emit windowMenu->aboutToShow();
        QStringList listed;
        for (QAction *a : windowMenu->actions())
            if (a->text().startsWith('&') && a->text().at(1).isDigit())
                listed << a->text();
        QVERIFY(listed.contains("&1 Tool menu") || listed.contains("&2 Equilibrium Tool"));
        QVERIFY(listed.join(' ').contains("Equilibrium Tool"));
    }

    void printCancelIsReported()
    {
        start();
        PrinterDialog::setChooser([](QPrinter &) { return false; });
        main->action("mnuFilePrint")->trigger();
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(scriptedMessages().shown[0].text, QStringLiteral("Printing is canceled"));
        QCOMPARE(scriptedMessages().shown[0].title, QStringLiteral("Vornish"));
        QCOMPARE(scriptedMessages().shown[0].icon, Messages::Icon::None);
    }

    void clipboardOnTheFocusedField()
    {
        start();
        main->action("mnuVnVornish")->trigger();
        QLineEdit *field = appWindows().vornish->txtA;
        field->setFocus();
        field->setText("12.5");
        field->selectAll();
        QTRY_VERIFY(QApplication::focusWidget() == field);
        main->mnuEditCut_Click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12.5"));
        QCOMPARE(field->text(), QString());
        main->mnuEditPaste_Click();
        main->mnuEditPaste_Click();
        QCOMPARE(field->text(), QStringLiteral("12.512.5"));
    }

    void waitingArrowTurns()
    {
        start();
        frmWaiting *waiting = appWindows().waiting;
        QCOMPARE(waiting->windowTitle(), QStringLiteral("Simulating..."));
        QVERIFY(!waiting->Timer1->isActive());
        QCOMPARE(waiting->Timer1->interval(), 50);
        QList<short> order;
        for (int i = 0; i < 5; ++i) {
            waiting->Timer1_Timer();
            order << waiting->arrowIndex();
        }
        QCOMPARE(order, (QList<short>{1, 2, 3, 0, 1}));
    }
};

VORNISH_TEST(ShellTest)

#include "tst_shell.moc"
