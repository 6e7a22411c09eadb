#include "TestFixture.h"
#include "TestMain.h"

#include "platform/DocumentLauncher.h"
#include "platform/HelpViewer.h"
#include "platform/ModalDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "session/StatusText.h"
#include "shell/AppWindows.h"
#include "shell/WebAddresses.h"
#include "shell/frmContribute.h"
#include "shell/frmVnAbout.h"
#include "shell/frmVnSplash.h"
#include "shell/frmVn_Main.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <memory>

namespace {

const QString kPleaseWait = QStringLiteral("Please wait for web page to load ...");

// A message request in one line: buttons, icon, title, text.
QString described(const Messages::Request &r)
{
    return QStringLiteral("%1 %2 %3: %4").arg(int(r.buttons)).arg(int(r.icon)).arg(r.title, r.text);
}

// What the launcher was given, and the status text and pointer at that moment.
QString launch(const QString &document, const QString &status, bool busy)
{
    return document + " | " + status + (busy ? " | busy" : "");
}

} // namespace

class HelpAboutTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<frmVn_Main> main;
    QStringList launches;
    QStringList helpOpened;
    bool helpViewerWorks = false;

    void start()
    {
        main = std::make_unique<frmVn_Main>();
        for (int tick = 0; tick < 3; ++tick)
            main->splash()->Timer1_Timer();
    }

    // Closes the main window; a reminder that appears is answered by `answer`.
    // Returns how many times the reminder appeared.
    int closeAnswering(std::function<void(frmContribute &)> answer)
    {
        int shown = 0;
        ModalDialog::setRunner([&](QDialog &dialog) {
            ++shown;
            [&] { QVERIFY(!main->isVisible()); }(); // the main window has gone first
            dialog.show();
            answer(static_cast<frmContribute &>(dialog));
            return dialog.result();
        });
        main->close();
        TestFixture::dismissModalWindows();
        [&] { QVERIFY(!appWindows().contribute->isVisible()); }();
        return shown;
    }

private slots:
    void init()
    {
        TestFixture::resetFolders();
        resetMessages();
        launches.clear();
        helpOpened.clear();
        helpViewerWorks = false;
        modVnPublic::SetDocumentOpener([this](const QString &document) {
            launches << launch(document, StatusText::current(), QApplication::overrideCursor());
            return modVnPublic::LaunchOk;
        });
        modVnPublic::SetHelpOpener([this](QWidget *, const QString &helpFile, const QString &) {
            helpOpened << helpFile;
            return helpViewerWorks;
        });
    }

    void cleanup()
    {
        main.reset();
        modVnPublic::SetDocumentOpener(nullptr);
        modVnPublic::SetHelpOpener(nullptr);
        TestFixture::dismissModalWindows();
        QVERIFY(!QApplication::overrideCursor());
    }

    void helpTopicsWithoutViewerLeadsToHelpProblems()
    {
        start();
        resetMessages({Messages::Answer::Ok, Messages::Answer::Cancel});
        main->action("mnuHelpContents")->trigger();
        QCOMPARE(helpOpened, QStringList{modVnPublic::ProgramFilePath("vornish.qch")});
        const auto &shown = scriptedMessages().shown;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(described(shown[0]), "0 0 HTML Help problem: Chances are that you need to install or update HTML "
                                      "Help on your machine. \r\n\r\nClick 'OK' to obtain more information.");
        // This system's advice: where the guide is expected, and how to put it back.
        QCOMPARE(described(shown[1]).left(18), QStringLiteral("1 0 HTML Help prob"));
        for (const QString &advice : {modVnPublic::HelpFilePath(), QStringLiteral("missing"),
                                      QStringLiteral("cmake --build build"), QStringLiteral("Help Topics again")})
            QVERIFY2(shown[1].text.contains(advice), qPrintable(advice));
        QVERIFY(!shown[1].text.contains("hhupd"));
        QVERIFY(launches.isEmpty()); // Cancel leaves the program running
        QVERIFY(main->isVisible());

        // The help window fails on a missing file.
        modVnPublic::SetHelpOpener(nullptr);
        QVERIFY(!modVnPublic::OpenHelpFile(main.get(), modVnPublic::HelpFilePath()));
    }

    void helpFileIsFoundWhateverTheCaseOfItsName()
    {
        start();
        const QString otherCase = modVnPublic::ProgramFilePath("Vornish.qch");
        QFile(otherCase).open(QIODevice::WriteOnly);
        helpViewerWorks = true;
        main->action("mnuHelpContents")->trigger();
        QCOMPARE(helpOpened, QStringList{otherCase});
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    void okInHelpProblemsOpensTheAdvicePageAndKeepsRunning()
    {
        modVnPublic::SetProgramFolder(modVnPublic::ProgramFolder(), modVnPublic::ProgramLayout::Installed);
        QFile(modVnPublic::HelpFilePath()).open(QIODevice::WriteOnly); // there, but no guide
        start();
        main->action("mnuReadMe")->trigger();
        resetMessages({Messages::Answer::Ok});
        main->action("mnuHelpTrouble")->trigger();
        const QString advice = scriptedMessages().shown.at(0).text;
        QVERIFY(advice.contains("damaged") && advice.contains("sudo apt install --reinstall vornish"));
        QCOMPARE(launches, (QStringList{launch(modVnPublic::ProgramFilePath("readme.htm"), "", false),
                                        launch(modVnPublic::ProgramFilePath("hhupdate.htm"), kPleaseWait, true)}));
        QVERIFY(main->isVisible());
        QCOMPARE(SettingsStore::read("Vornish", "RegInfo", "Times", ""), QString()); // not ended
    }

    void aboutWindowAndItsClosing()
    {
        start();
        frmVnAbout *about = appWindows().about;
        QVERIFY(!about->isVisible());
        // Twenty ticks of its timer, or a click on any part of it, close it.
        main->action("mnuHelpAbout")->trigger();
        QVERIFY(about->isVisible() && about->AboutTimer->isActive());
        for (int tick = 0; tick < 19; ++tick)
            about->AboutTimer_Timer();
        QVERIFY(about->isVisible());
        about->AboutTimer_Timer();
        QVERIFY(!about->isVisible() && !about->AboutTimer->isActive());
        QCOMPARE(about->tickCount(), 0);

        for (QWidget *part :
             std::initializer_list<QWidget *>{about->widget(), about->fraAbout, about->picSplash, about->lblProductName,
                                              about->lblVersion, about->lblDescription}) {
            main->action("mnuHelpAbout")->trigger();
            about->AboutTimer_Timer();
            QTest::mouseClick(part, Qt::LeftButton, {}, QPoint(2, 2));
            QVERIFY2(!about->isVisible() && !about->AboutTimer->isActive(), qPrintable(part->objectName()));
            QCOMPARE(about->tickCount(), 0);
        }
        QVERIFY(launches.isEmpty());
    }

    void contactLinesOpenTheirGuidePages()
    {
        start();
        frmVnAbout *about = appWindows().about;
        QStringList topics;
        modVnPublic::SetHelpOpener([&](QWidget *, const QString &, const QString &topic) {
            topics << topic;
            return helpViewerWorks;
        });
        helpViewerWorks = true;
        for (QLabel *line : {about->lblContactInfo1, about->lblContactInfo2}) {
            main->action("mnuHelpAbout")->trigger();
            about->AboutTimer_Timer();
            QTest::mouseClick(line, Qt::LeftButton);
            QVERIFY(!about->isVisible() && !about->AboutTimer->isActive());
            QCOMPARE(about->tickCount(), 0);
        }
        QCOMPARE(topics, (QStringList{"about.html", "about.html#contributing"}));
        QVERIFY(launches.isEmpty() && scriptedMessages().shown.isEmpty());

        // A guide that cannot be opened is said so, with the advice of Help Problems.
        helpViewerWorks = false;
        resetMessages({Messages::Answer::Ok, Messages::Answer::Cancel});
        main->action("mnuHelpAbout")->trigger();
        QTest::mouseClick(about->lblContactInfo2, Qt::LeftButton);
        QCOMPARE(scriptedMessages().shown.size(), 2);
        QCOMPARE(scriptedMessages().shown[0].title, QStringLiteral("HTML Help problem"));
        QVERIFY(main->isVisible());
    }

    void reminderAsksAgainUnlessTicked()
    {
        SettingsStore::write("Vornish", "RegInfo", "Times", "14");
        start();
        QCOMPARE(closeAnswering([](frmContribute &r) { QTest::mouseClick(r.cmdNo, Qt::LeftButton); }), 1);
        QCOMPARE(TestFixture::stored("RegInfo", "Ask"), QStringLiteral("absent"));
        main.reset();

        // Escape is "No": with the box ticked the reminder stops asking.
        start();
        QCOMPARE(closeAnswering([](frmContribute &r) {
                     r.chkDontBugMe->setChecked(true);
                     QTest::keyClick(&r, Qt::Key_Escape);
                 }),
                 1);
        QCOMPARE(TestFixture::stored("RegInfo", "Ask"), QStringLiteral("N"));
        main.reset();

        start();
        QCOMPARE(closeAnswering([](frmContribute &) {}), 0);
        QVERIFY(launches.isEmpty());
    }

    void contributing()
    {
        SettingsStore::write("Vornish", "RegInfo", "Times", "20");
        start();
        resetMessages({Messages::Answer::Cancel});
        closeAnswering([](frmContribute &r) {
            r.chkDontBugMe->setChecked(true);
            QTest::keyClick(&r, Qt::Key_Return); // the default button
        });
        QCOMPARE(scriptedMessages().shown.size(), 2);
        QCOMPARE(described(scriptedMessages().shown[0]),
                 "1 0 Vornish: Vornish will attempt to connect to the internet to retrieve information.");
        QCOMPARE(described(scriptedMessages().shown[1]),
                 "0 0 Vornish: You can always try to connect to the Vornish web site at another time.");
        QVERIFY(launches.isEmpty());
        QCOMPARE(TestFixture::stored("RegInfo", "Ask"), QStringLiteral("absent")); // Cancel does not stop the asking
        main.reset();

        start();
        resetMessages({Messages::Answer::Ok});
        closeAnswering([](frmContribute &r) {
            r.chkDontBugMe->setChecked(true);
            QTest::mouseClick(r.cmdContribute, Qt::LeftButton);
        });
        QCOMPARE(launches, QStringList{launch(WebAddresses::contributionPage(), "Closing application ...", true)});
        QCOMPARE(TestFixture::stored("RegInfo", "Ask"), QStringLiteral("N"));
    }

    void reminderWaitsInARealModalLoop()
    {
        SettingsStore::write("Vornish", "RegInfo", "Times", "30");
        start();
        ModalDialog::setRunner(nullptr);
        bool waitedModally = false;
        QTimer::singleShot(0, this, [&] {
            frmContribute *reminder = appWindows().contribute;
            waitedModally = reminder->isVisible() && reminder->isModal();
            QTest::mouseClick(reminder->cmdNo, Qt::LeftButton);
        });
        main->close();
        QVERIFY(waitedModally);
    }
};

VORNISH_TEST(HelpAboutTest)

#include "tst_help_about.moc"
