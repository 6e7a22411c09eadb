#include "TestMain.h"
#include "WizardFixture.h"

#include "dynamic/ResultsStore.h"
#include "dynamic/frmDynVornish.h"
#include "dynamic/frmDynamVnTlAssistant.h"
#include "graphing/frmOptions.h"
#include "platform/EditableGrid.h"
#include "shell/AppWindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

using Messages::Answer;
using namespace DynamicTesting;

// The wizard's input rules: steps, suggestions, warnings, defaults, what
// Finish refuses or settles, and the units of the Options window.
class WizardInputTest : public QObject, WizardFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { start(); }
    void cleanupTestCase() { stop(); }
    void init() { reset(); }

    // Every "-1" of the rate-constant units is raised.
    void unitLabelsWithSuperscripts()
    {
        const QLabel *kAssUnit = w->findChild<QLabel *>(QStringLiteral("lblK_ass_rateUnit"));
        QCOMPARE(kAssUnit->text(), QStringLiteral("(M<sup>-1</sup> s<sup>-1</sup>)"));
        QCOMPARE(kAssUnit->textFormat(), Qt::RichText);
    }

    // Step 3's check box and "Kinetics Summary" button show their whole
    // texts side by side, clear of the page's border.
    void stepThreeControlsStayInsideTheirPage()
    {
        w->ShowStep(2);
        QWidget *page = w->SSTab1->currentWidget();
        const QRect inside = page->rect().adjusted(4, 4, -4, -4);
        for (QWidget *control : std::initializer_list<QWidget *>{w->chkChallenge, w->cmdKinetics}) {
            QVERIFY2(inside.contains(control->geometry()), qPrintable(control->objectName()));
            QVERIFY2(control->sizeHint().width() <= control->width(), qPrintable(control->objectName()));
        }
        QVERIFY(w->chkChallenge->geometry().right() < w->cmdKinetics->geometry().left());
        w->ShowStep(0);
    }

    void nextBackAndTabPicks()
    {
        const auto verifyStep = [this](int step) {
            QCOMPARE(w->CurrentStep(), step);
            QCOMPARE(w->cmdGo->text(), step == 3 ? QStringLiteral("Finish") : QStringLiteral("Next"));
            QCOMPARE(w->cmdBack->isEnabled(), step != 1);
        };
        w->cmdBack_Click(); // Back on step 1 only disables Back
        verifyStep(1);
        for (int step : {2, 3}) {
            QTest::mouseClick(w->cmdGo, Qt::LeftButton);
            verifyStep(step);
        }
        for (int step : {2, 1}) {
            QTest::mouseClick(w->cmdBack, Qt::LeftButton);
            verifyStep(step);
        }
        QTabBar *tabs = w->SSTab1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        verifyStep(3);
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    void recordingIntervalSuggestion_data()
    {
        QTest::addColumn<QString>("endTime");
        QTest::addColumn<QString>("suggestion");
        QTest::newRow("600") << "600"
                             << "12";
        QTest::newRow("7") << "7"
                           << "0.1";
        QTest::newRow("1") << "1"
                           << "0.02";
        QTest::newRow("0.2") << "0.2"
                             << "0.004";
        QTest::newRow("negative") << "-600"
                                  << "12";
        QTest::newRow("exponent") << "1e3"
                                  << "20";
    }

    void recordingIntervalSuggestion()
    {
        QFETCH(QString, endTime);
        QFETCH(QString, suggestion);
        w->ShowStep(1);
        w->txtEndTime->clear();
        QTest::keyClicks(w->txtEndTime, endTime);
        QCOMPARE(w->txtRecordingInterval->text(), suggestion);
        // A sign or an exponent still being typed is not an error yet.
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(w->lblEndTime->text(), endTime);
    }

    void typedRecordingIntervalIsKept()
    {
        w->ShowStep(1);
        w->txtRecordingInterval->clear();
        QTest::keyClicks(w->txtRecordingInterval, QStringLiteral("5"));
        w->txtEndTime->clear();
        QTest::keyClicks(w->txtEndTime, QStringLiteral("600"));
        QCOMPARE(w->txtRecordingInterval->text(), QStringLiteral("5"));
        // Moving through the end-time box suggests nothing.
        w->recordingIntervalManual = false;
        QTest::keyClick(w->txtEndTime, Qt::Key_Left);
        QCOMPARE(w->txtRecordingInterval->text(), QStringLiteral("5"));

        QTest::keyClicks(w->txtRecordingInterval, QStringLiteral("x"));
        QCOMPARE(scriptedMessages().texts(),
                 QStringList{QStringLiteral("Enter a numeric value for the Recording Interval")});
        resetMessages();
        w->recordingIntervalManual = false;
        w->txtEndTime->clear();
        QTest::keyClicks(w->txtEndTime, QStringLiteral("a"));
        QCOMPARE(scriptedMessages().texts(),
                 QStringList{QStringLiteral("Enter a numeric value for the Simulation Time Window")});
        QCOMPARE(scriptedMessages().shown.first().title, QStringLiteral("Input Error"));
    }

    void positiveValueWarningsStopAfterThree()
    {
        w->ShowStep(1);
        w->txtEndTime->clear();
        const QString endTimeWarning = QStringLiteral(
            "Enter a positive ( >0 ) numeric value for the Simulation time window");
        for (int i = 0; i < 4; ++i) {
            leave(w->txtEndTime, w->txtRecordingInterval);
            if (i < 3)
                QTRY_VERIFY(w->txtEndTime->hasFocus()); // sent back to the box
        }
        QCOMPARE(scriptedMessages().texts(), QStringList(3, endTimeWarning));

        // The recording interval is only checked against a positive end time.
        resetMessages();
        w->txtRecordingInterval->setText(QStringLiteral("0"));
        leave(w->txtRecordingInterval, w->txtEndTime);
        QVERIFY(scriptedMessages().shown.isEmpty());
        w->txtEndTime->setText(QStringLiteral("10"));
        w->ShowStep(0);
        w->ShowStep(1);
        leave(w->txtRecordingInterval, w->txtEndTime);
        QCOMPARE(scriptedMessages().texts(),
                 QStringList{QStringLiteral("Enter a positive ( >0 ) numeric value for the Recording interval")});
        QCOMPARE(w->CurrentStep(), 2);
        QTRY_VERIFY(w->txtRecordingInterval->hasFocus());
    }

    void clearFormRestoresTheDefaults()
    {
        fillStep1("1", "2", "3", "4", "5", "6");
        w->txtEndTime->setText(QStringLiteral("7"));
        w->cmbTimeUnit->setCurrentIndex(0);
        w->txtRecordingInterval->setText(QStringLiteral("8"));
        w->cmbSimulationPrecision->setCurrentIndex(4);
        // An edit still open on the hidden step 3 is not written back later.
        leaveEventEditOpen(4, 2, Qt::Key_9, QStringLiteral("9"));
        w->cmbSelectChangingVariable[2]->setCurrentIndex(2);
        w->chkChallenge->setChecked(true);
        assistant->demoStage = 1;

        QTest::mouseClick(w->cmdClearForm, Qt::LeftButton);
        for (QLineEdit *box : {w->txtA, w->txtB, w->txtAB, w->txtK_ass_rate, w->txtK_diss_rate, w->txtKd})
            QVERIFY(box->text().isEmpty());
        QCOMPARE(w->txtEndTime->text(), QStringLiteral("100"));
        QCOMPARE(w->cmbTimeUnit->currentText(), QStringLiteral("minutes"));
        QCOMPARE(w->txtRecordingInterval->text(), QStringLiteral("2"));
        QCOMPARE(w->cmbSimulationPrecision->currentText(), QStringLiteral("1"));
        w->ShowStep(2);
        QVERIFY(!w->txtEdit->isVisible());
        w->flgDynamVn_Events->setCurrent(1, 1);
        QVERIFY(w->EventCell(4, 2).isEmpty());
        QCOMPARE(w->cmbSelectChangingVariable[2]->currentText(), QStringLiteral("A"));
        QVERIFY(!w->chkChallenge->isChecked());
        QVERIFY(w->cmbSelectChangingVariable[0]->isEnabled());
        QCOMPARE(assistant->demoStage, 0);
    }

    void challengeLocksTheFirstVariable()
    {
        w->cmbSelectChangingVariable[0]->setCurrentIndex(1);
        QTest::mouseClick(w->chkChallenge, Qt::LeftButton, {}, QPoint(5, w->chkChallenge->height() / 2));
        QVERIFY(w->chkChallenge->isChecked());
        QCOMPARE(w->cmbSelectChangingVariable[0]->currentText(), QStringLiteral("A"));
        QVERIFY(!w->cmbSelectChangingVariable[0]->isEnabled());
    }

    void finishRefusesInputThatCannotRun_data()
    {
        QTest::addColumn<QStringList>("step1");
        QTest::addColumn<QString>("endTime");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("restoredTab");
        const QStringList good = {"0.6", "0.05", "0.4", "5E+06", "", "1.6E-10"};
        QTest::newRow("concentration missing")
            << QStringList{"0.6", "", "0.4", "5E+06", "", "1.6E-10"} << "45"
            << "1"
            << "Please enter initial concentrations (i.e. concentrations at t = 0) for all the components of the "
               "equilibrium."
            << 0;
        QTest::newRow("text in a concentration")
            << QStringList{"0.6", "abc", "0.4", "5E+06", "", "1.6E-10"} << "45"
            << "1"
            << "Please enter initial concentrations (i.e. concentrations at t = 0) for all the components of the "
               "equilibrium."
            << 0;
        QTest::newRow("one constant") << QStringList{"0.6", "0.05", "0.4", "", "", "1.6E-10"} << "45"
                                      << "1"
                                      << "You need to enter two out of three equilibrium constants." << 0;
        QTest::newRow("Kd of 0") << QStringList{"0.6", "0.05", "0.4", "5E+06", "1E-03", "0"} << "45"
                                 << "1"
                                 << "Unexpected error #11 occurred: Division by zero" << 0;
        QTest::newRow("text as Kd") << QStringList{"0.6", "0.05", "0.4", "5E+06", "1E-03", "x"} << "45"
                                    << "1"
                                    << "Unexpected error #11 occurred: Division by zero" << 0;
        QTest::newRow("k_ass of 0") << QStringList{"0.6", "0.05", "0.4", "0", "1E-03", ""} << "45"
                                    << "1"
                                    << "Unexpected error #11 occurred: Division by zero" << 0;
        QTest::newRow("end time text") << good << "soon"
                                       << "1"
                                       << "Please enter a simulation end time (see 'Simulation time window')." << 1;
        QTest::newRow("interval text") << good << "45"
                                       << ""
                                       << "Please enter a recording interval." << 1;
        QTest::newRow("zero interval") << good << "45"
                                       << "0"
                                       << "Enter a positive ( >0 ) numeric value for the Recording interval" << 1;
    }

    void finishRefusesInputThatCannotRun()
    {
        QFETCH(QStringList, step1);
        QFETCH(QString, endTime);
        QFETCH(QString, interval);
        QFETCH(QString, message);
        QFETCH(int, restoredTab);
        fillStep1(step1[0], step1[1], step1[2], step1[3], step1[4], step1[5]);
        w->txtEndTime->setText(endTime);
        w->txtRecordingInterval->setText(interval);
        finish();
        QCOMPARE(scriptedMessages().texts(), QStringList{message});
        verifyRestored(restoredTab);
    }

    void rateConstantsAreSettled_data()
    {
        QTest::addColumn<QStringList>("constants");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("settled");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("ran");
        // k_diss / k_ass = 1E-09 M
        QTest::newRow("within 0.1 %") << QStringList{"1E+06", "1E-03", "1.0009E-09"} << QList<Answer>{}
                                      << QStringList{"1E+06", "1E-03", "1.0009E-09"} << false << true;
        QTest::newRow("0.2 % apart, OK") << QStringList{"1E+06", "1E-03", "1.002E-09"} << QList<Answer>{Answer::Ok}
                                         << QStringList{"1E+06", "1E-03", "1.00E-09"} << true << true;
        QTest::newRow("0.2 % apart, Cancel")
            << QStringList{"1E+06", "1E-03", "0.998E-09"} << QList<Answer>{Answer::Cancel}
            << QStringList{"1E+06", "1E-03", "0.998E-09"} << true << false;
        QTest::newRow("negative entries") << QStringList{"-1E+06", "-1E-03", "-1E-09"} << QList<Answer>{}
                                          << QStringList{"-1E+06", "-1E-03", "-1E-09"} << false << true;
        QTest::newRow("Kd computed") << QStringList{"2E+06", "1E-03", ""} << QList<Answer>{}
                                     << QStringList{"2E+06", "1E-03", "5.00E-10"} << false << true;
        QTest::newRow("k_diss computed") << QStringList{"2E+06", "", "1E-09"} << QList<Answer>{}
                                         << QStringList{"2E+06", "2.00E-03", "1E-09"} << false << true;
        QTest::newRow("k_ass computed") << QStringList{"", "1E-03", "-4E-09"} << QList<Answer>{}
                                        << QStringList{"2.50E+05", "1E-03", "-4E-09"} << false << true;
    }

    void rateConstantsAreSettled()
    {
        QFETCH(QStringList, constants);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, settled);
        QFETCH(bool, asked);
        QFETCH(bool, ran);
        prepareShortRun();
        fillStep1("1", "1", "1", constants[0], constants[1], constants[2]);
        QFile::remove(modVornish::ResultsFilePath());
        resetMessages(answers);
        finish();
        QCOMPARE(scriptedMessages().shown.size(), asked ? 1 : 0);
        if (asked) {
            QVERIFY(scriptedMessages().shown.first().text.startsWith(
                QStringLiteral("There is a conflict in the values that have been entered")));
            QCOMPARE(scriptedMessages().shown.first().buttons, Messages::Buttons::OkCancel);
        }
        QCOMPARE((QStringList{w->txtK_ass_rate->text(), w->txtK_diss_rate->text(), w->txtKd->text()}), settled);
        QCOMPARE(storedSamples().size(), ran ? 3 : 0);
        verifyRestored(ran ? 2 : 0);
    }

    void programmedEventsAreRead_data()
    {
        QTest::addColumn<QStringList>("times");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<int>("messages");
        QTest::addColumn<int>("events");
        QTest::addColumn<QStringList>("timesAfter");
        QTest::newRow("gap at row 3") << QStringList{"0.5", "1", "", "1.5"} << QStringList{"1", "1", "", "1"} << 0 << 2
                                      << QStringList{"0.5", "1", "", "1.5"};
        QTest::newRow("time without change") << QStringList{"0.5", "1", "", ""} << QStringList{"1", "", "", ""} << 1
                                             << 1 << QStringList{"0.5", "1", "", ""};
        QTest::newRow("negative time, text change")
            << QStringList{"-0.5", "1", "1.5", ""} << QStringList{"2", "x", "-1"} << 1 << 3
            << QStringList{"0.5", "1", "1.5", ""};
    }

    void programmedEventsAreRead()
    {
        QFETCH(QStringList, times);
        QFETCH(QStringList, changes);
        QFETCH(int, messages);
        QFETCH(int, events);
        QFETCH(QStringList, timesAfter);
        prepareShortRun();
        for (int row = 1; row <= 4; ++row) {
            w->SetEventCell(row, 1, times.value(row - 1));
            w->SetEventCell(row, 2, changes.value(row - 1));
        }
        finish();
        QCOMPARE(scriptedMessages().texts(),
                 QStringList(messages, QStringLiteral("Non-valid input in Programmed Events. These "
                                                      "values will be ignored in the simulation.")));
        if (messages)
            QCOMPARE(scriptedMessages().shown.first().title, QStringLiteral("Input error"));
        QCOMPARE(storedSamples().size(), 3 + 2 * events);
        for (int row = 1; row <= 4; ++row)
            QCOMPARE(w->EventCell(row, 1), timesAfter[row - 1]);
        verifyRestored(2);
    }

    void cellBeingEditedCountsAtFinish()
    {
        prepareShortRun();
        w->ShowStep(2);
        w->SetEventCell(1, 1, QStringLiteral("1.5"));
        w->flgDynamVn_Events->setCurrent(1, 2);
        QTest::keyClicks(w->flgDynamVn_Events, QStringLiteral("-"));
        QVERIFY(w->txtEdit->isVisible());
        QTest::keyClicks(w->txtEdit, QStringLiteral("0.5"));
        finish();
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(w->EventCell(1, 2), QStringLiteral("-0.5"));
        QCOMPARE(storedSamples().size(), 5);
    }

    void unitsFollowTheOptionsWindow()
    {
        frmOptions *options = appWindows().options;
        w->txtA->setText(QStringLiteral("1000"));
        w->txtB->setText(QStringLiteral("letters"));
        // A change still in the editor of the hidden step 3 is rescaled too.
        leaveEventEditOpen(2, 2, Qt::Key_Minus, QStringLiteral("500"));
        w->txtEndTime->setText(QStringLiteral("45"));
        options->optMicromolar->click();
        QCOMPARE(w->txtA->text(), QStringLiteral("1.0"));
        QCOMPARE(w->txtB->text(), QStringLiteral("letters"));
        QCOMPARE(w->EventCell(2, 2), QStringLiteral("-0.5"));
        QCOMPARE(w->lblConcentrationUnit[0]->text(), QStringLiteral("(\u00B5M)"));
        QCOMPARE(w->lblConcentrationUnit[1]->text(), QStringLiteral("(\u00B5M)"));
        options->optNanomolar->click();
        QCOMPARE(w->txtA->text(), QStringLiteral("1000.0"));

        options->optSec->click();
        QCOMPARE(w->cmbTimeUnit->currentIndex(), 1);
        QCOMPARE(w->lblTimeUnit->text(), QStringLiteral("seconds (s)"));
        QCOMPARE(w->lblTimeUnit2->text(), QStringLiteral("seconds (s)"));
        QCOMPARE(w->txtEndTime->text(), QStringLiteral("45")); // not converted
        options->cmdDefaults_Click();
        QCOMPARE(w->cmbTimeUnit->currentIndex(), 2);
        options->hide();
    }
};

VORNISH_TEST(WizardInputTest)

#include "tst_wizard_input.moc"
