#include "TestMain.h"
#include "WizardFixture.h"

#include "dynamic/ResultsStore.h"
#include "dynamic/frmDynVornish.h"
#include "dynamic/frmDynamVnTlAssistant.h"
#include "graphing/frmOptions.h"
#include "platform/EditableGrid.h"
#include "session/Session.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

using Messages::Answer;
using namespace DynamicTesting;

// The wizard's input rules: steps, suggestions, warnings, defaults, what
// Finish refuses or settles, the units of the Options window; and its
// assistant, its demonstration, and the links to the other windows.
class WizardInputTest : public QObject, WizardFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { start(); }
    void cleanupTestCase() { stop(); }
    void init() { reset(); }

    // Every "-1" of the rate-constant units is raised. Step 3's check box
    // and "Kinetics Summary" button show their whole texts side by side,
    // clear of the page's border.
    void unitsRaisedAndStepThreeControlsInsideTheirPage()
    {
        const QLabel *kAssUnit = w->findChild<QLabel *>(QStringLiteral("lblK_ass_rateUnit"));
        QCOMPARE(kAssUnit->text(), QStringLiteral("(M<sup>-1</sup> s<sup>-1</sup>)"));
        QCOMPARE(kAssUnit->textFormat(), Qt::RichText);
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
        w->cmdBack_Click(); // Back on step 1 only disables Back
        verifyRestored(0);
        for (int tab : {1, 2}) {
            QTest::mouseClick(w->cmdGo, Qt::LeftButton);
            verifyRestored(tab);
        }
        for (int tab : {1, 0}) {
            QTest::mouseClick(w->cmdBack, Qt::LeftButton);
            verifyRestored(tab);
        }
        QTabBar *tabs = w->SSTab1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        verifyRestored(2);
        QCOMPARE(w->CurrentStep(), 3);
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    // The suggestion follows the end time as typed (a sign or an exponent
    // still being typed is not an error yet); one typed by the user is kept.
    void recordingIntervalSuggestedUntilTyped()
    {
        const std::pair<const char *, const char *> suggestions[] = {{"600", "12"},    {"7", "0.1"},   {"1", "0.02"},
                                                                     {"0.2", "0.004"}, {"-600", "12"}, {"1e3", "20"}};
        w->ShowStep(1);
        for (const auto &[endTime, suggestion] : suggestions) {
            w->txtEndTime->clear();
            QTest::keyClicks(w->txtEndTime, endTime);
            QCOMPARE(w->txtRecordingInterval->text(), QString(suggestion));
            QCOMPARE(w->lblEndTime->text(), QString(endTime));
        }
        QVERIFY(scriptedMessages().shown.isEmpty());

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
        fillStep1({"1", "2", "3", "4", "5", "6"});
        w->txtEndTime->setText(QStringLiteral("7"));
        w->cmbTimeUnit->setCurrentIndex(0);
        w->txtRecordingInterval->setText(QStringLiteral("8"));
        w->cmbSimulationPrecision->setCurrentIndex(4);
        // An edit still open on the hidden step 3 is not written back later.
        leaveEventEditOpen(4, 2, Qt::Key_9, QStringLiteral("9"));
        w->cmbSelectChangingVariable[2]->setCurrentIndex(2);
        // The competitor challenge locks the first event's variable to A.
        w->cmbSelectChangingVariable[0]->setCurrentIndex(1);
        QTest::mouseClick(w->chkChallenge, Qt::LeftButton, {}, QPoint(5, w->chkChallenge->height() / 2));
        QVERIFY(w->chkChallenge->isChecked());
        QCOMPARE(w->cmbSelectChangingVariable[0]->currentText(), QStringLiteral("A"));
        QVERIFY(!w->cmbSelectChangingVariable[0]->isEnabled());
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

    void finishRefusesInputThatCannotRun()
    {
        const QString concentrations = QStringLiteral("Please enter initial concentrations (i.e. concentrations at "
                                                      "t = 0) for all the components of the equilibrium.");
        const QString division = QStringLiteral("Unexpected error #11 occurred: Division by zero");
        const QStringList good = {"0.6", "0.05", "0.4", "5E+06", "", "1.6E-10"};
        const struct
        {
            QStringList step1;
            const char *endTime, *interval;
            QString message;
            int restoredTab;
        } cases[] = {
            {{"0.6", "", "0.4", "5E+06", "", "1.6E-10"}, "45", "1", concentrations, 0},
            {{"0.6", "abc", "0.4", "5E+06", "", "1.6E-10"}, "45", "1", concentrations, 0},
            {{"0.6", "0.05", "0.4", "", "", "1.6E-10"},
             "45",
             "1",
             "You need to enter two out of three equilibrium constants.",
             0},
            {{"0.6", "0.05", "0.4", "5E+06", "1E-03", "0"}, "45", "1", division, 0},
            {{"0.6", "0.05", "0.4", "5E+06", "1E-03", "x"}, "45", "1", division, 0},
            {{"0.6", "0.05", "0.4", "0", "1E-03", ""}, "45", "1", division, 0},
            {good, "soon", "1", "Please enter a simulation end time (see 'Simulation time window').", 1},
            {good, "45", "", "Please enter a recording interval.", 1},
            {good, "45", "0", "Enter a positive ( >0 ) numeric value for the Recording interval", 1},
        };
        for (const auto &c : cases) {
            reset();
            fillStep1(c.step1);
            w->txtEndTime->setText(c.endTime);
            w->txtRecordingInterval->setText(c.interval);
            finish();
            QCOMPARE(scriptedMessages().texts(), QStringList{c.message});
            verifyRestored(c.restoredTab);
        }
    }

    // k_diss / k_ass = 1E-09 M: within 0.1 % of Kd the three stand; further
    // apart the user may let Kd be rounded to them or cancel; one missing
    // is computed from the two others, whatever their signs.
    void rateConstantsAreSettled()
    {
        const struct
        {
            QStringList constants;
            Answer answer;
            QStringList settled;
            bool asked, ran;
        } cases[] = {
            {{"1E+06", "1E-03", "1.0009E-09"}, Answer::Ok, {"1E+06", "1E-03", "1.0009E-09"}, false, true},
            {{"1E+06", "1E-03", "1.002E-09"}, Answer::Ok, {"1E+06", "1E-03", "1.00E-09"}, true, true},
            {{"1E+06", "1E-03", "0.998E-09"}, Answer::Cancel, {"1E+06", "1E-03", "0.998E-09"}, true, false},
            {{"-1E+06", "-1E-03", "-1E-09"}, Answer::Ok, {"-1E+06", "-1E-03", "-1E-09"}, false, true},
            {{"2E+06", "1E-03", ""}, Answer::Ok, {"2E+06", "1E-03", "5.00E-10"}, false, true},
            {{"2E+06", "", "1E-09"}, Answer::Ok, {"2E+06", "2.00E-03", "1E-09"}, false, true},
            {{"", "1E-03", "-4E-09"}, Answer::Ok, {"2.50E+05", "1E-03", "-4E-09"}, false, true},
        };
        for (const auto &c : cases) {
            reset();
            prepareShortRun();
            fillStep1(QStringList{"1", "1", "1"} + c.constants);
            QFile::remove(modVornish::ResultsFilePath());
            resetMessages({c.answer});
            finish();
            QCOMPARE(scriptedMessages().shown.size(), c.asked ? 1 : 0);
            if (c.asked) {
                QVERIFY(scriptedMessages().shown.first().text.startsWith(
                    QStringLiteral("There is a conflict in the values that have been entered")));
                QCOMPARE(scriptedMessages().shown.first().buttons, Messages::Buttons::OkCancel);
            }
            QCOMPARE((QStringList{w->txtK_ass_rate->text(), w->txtK_diss_rate->text(), w->txtKd->text()}), c.settled);
            QCOMPARE(storedSamples().size(), c.ran ? 3 : 0);
            verifyRestored(c.ran ? 2 : 0);
        }
    }

    // A gap in the table is skipped; a time without a change, or a change
    // that is text, is reported once and ignored; a negative time counts as
    // its magnitude; a change still in its cell's editor counts.
    void programmedEventsAreRead()
    {
        const struct
        {
            QStringList times, changes;
            int messages, events;
            QStringList timesAfter;
        } cases[] = {
            {{"0.5", "1", "", "1.5"}, {"1", "1", "", "1"}, 0, 2, {"0.5", "1", "", "1.5"}},
            {{"0.5", "1", "", ""}, {"1", "", "", ""}, 1, 1, {"0.5", "1", "", ""}},
            {{"-0.5", "1", "1.5", ""}, {"2", "x", "-1"}, 1, 3, {"0.5", "1", "1.5", ""}},
        };
        for (const auto &c : cases) {
            reset();
            prepareShortRun();
            for (int row = 1; row <= 4; ++row) {
                w->SetEventCell(row, 1, c.times.value(row - 1));
                w->SetEventCell(row, 2, c.changes.value(row - 1));
            }
            finish();
            QCOMPARE(scriptedMessages().texts(),
                     QStringList(c.messages, QStringLiteral("Non-valid input in Programmed Events. These "
                                                            "values will be ignored in the simulation.")));
            if (c.messages)
                QCOMPARE(scriptedMessages().shown.first().title, QStringLiteral("Input error"));
            QCOMPARE(storedSamples().size(), 3 + 2 * c.events);
            for (int row = 1; row <= 4; ++row)
                QCOMPARE(w->EventCell(row, 1), c.timesAfter[row - 1]);
            verifyRestored(2);
        }

        // A change still being typed in its cell counts at Finish.
        reset();
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

    void assistantGuidesStepOne()
    {
        QTest::mouseClick(w->cmdDynamVnTlAssistant, Qt::LeftButton);
        QVERIFY(assistant->isVisible());
        QCOMPARE(assistant->lblInputSuggestion->text(),
                 QStringLiteral("Enter the concentration(s) of 3 molecule(s): A, B, [A/B] . \n\n"
                                "The values represent the concentrations at the beginning of the simulation "
                                "(t = 0). \n\nEnter these concentrations in nM."));
        QVERIFY(w->lblStar1->isVisible());
        QVERIFY(!w->lblStar2->isVisible());
        QCOMPARE(w->lblStar1->y(), w->txtA->y());

        QTest::keyClicks(w->txtA, QStringLiteral("1"));
        QTest::keyClicks(w->txtB, QStringLiteral("1"));
        QVERIFY(assistant->lblInputSuggestion->text().startsWith(
            QStringLiteral("Enter the concentration(s) of 1 molecule(s): [A/B] . ")));
        QCOMPARE(w->lblStar1->y(), w->txtAB->y());

        QTest::keyClicks(w->txtAB, QStringLiteral("1"));
        QTest::keyClicks(w->txtKd, QStringLiteral("1E-9"));
        QVERIFY(assistant->lblInputSuggestion->text().startsWith(
            QStringLiteral("Enter the values for 1 of 3 of the equilibrium constants.")));
        QVERIFY(!w->lblStar1->isVisible());
        QVERIFY(w->lblStar2->isVisible());
        QCOMPARE(w->lblStar2->y(), w->txtK_ass_rate->y());

        QTest::keyClicks(w->txtK_diss_rate, QStringLiteral("1"));
        QCOMPARE(assistant->lblInputSuggestion->text(),
                 QStringLiteral("Check whether all values are valid and correct. Then click on the 'Next' button "
                                "for the next step."));
        QVERIFY(!w->lblStar1->isVisible() && !w->lblStar2->isVisible());

        QTest::mouseClick(w->cmdGo, Qt::LeftButton);
        QVERIFY(assistant->lblInputSuggestion->text().startsWith(QStringLiteral("Time window: Period of simulation.")));
        QTest::mouseClick(w->cmdGo, Qt::LeftButton);
        QVERIFY(assistant->lblInputSuggestion->text().startsWith(
            QStringLiteral("You may use the Programmed events table")));

        // Closing the assistant takes the stars away.
        w->ShowStep(0);
        w->txtA->clear();
        QVERIFY(w->lblStar1->isVisible());
        assistant->close();
        QVERIFY(!assistant->isVisible());
        QVERIFY(!w->lblStar1->isVisible());
    }

    void assistantTopicsAndTheDemoSteps()
    {
        QTest::mouseClick(w->cmdDynamVnTlAssistant, Qt::LeftButton);
        QVERIFY(!assistant->fraWhatAbout->isVisible());
        const int shortHeight = assistant->height();
        QTest::mouseClick(assistant->lblWhat_About_Units, Qt::LeftButton);
        QVERIFY(assistant->fraWhatAbout->isVisible() && assistant->height() > shortHeight);
        QCOMPARE(assistant->lblWhatAboutText->text(),
                 QStringLiteral("Concentrations are expressed in nM\n\nTime is expressed in min.\n\n"
                                "Equilibrium rate constants are expressed in the respective SI units."));

        // The demo fills the example once and follows Next and Back.
        w->txtA->setText(QStringLiteral("99"));
        w->ShowStep(2);
        QTest::mouseClick(assistant->lblWhat_About_a_Demo, Qt::LeftButton);
        QCOMPARE(assistant->demoStage, 1);
        QCOMPARE(w->CurrentStep(), 1);
        QCOMPARE(w->txtA->text(), QStringLiteral("0.6"));
        QCOMPARE(w->txtK_ass_rate->text(), QStringLiteral("5.00E+06"));
        QCOMPARE(w->txtKd->text(), QStringLiteral("1.60E-10"));
        QVERIFY(w->txtK_diss_rate->text().isEmpty());
        QCOMPARE(w->EventCell(2, 2), QStringLiteral("-1"));
        QCOMPARE(w->cmbSelectChangingVariable[1]->currentText(), QStringLiteral("[A/B]"));
        QCOMPARE(assistant->lblWhatAboutTitle->text(), QStringLiteral("Demo"));
        QVERIFY(assistant->lblWhatAboutText->text().startsWith(QStringLiteral("Click on the 'Next' button")));
        QTest::mouseClick(w->cmdGo, Qt::LeftButton);
        QTest::mouseClick(w->cmdGo, Qt::LeftButton);
        QVERIFY(assistant->lblWhatAboutText->text().startsWith(QStringLiteral("Click on the 'Finish' button")));
        QTest::mouseClick(w->cmdBack, Qt::LeftButton);
        QVERIFY(assistant->lblWhatAboutText->text().startsWith(QStringLiteral("Click on the 'Next' button")));
        QCOMPARE(w->txtA->text(), QStringLiteral("0.6")); // the example is filled once

        // A run that draws no graph does not end the demonstration.
        frmOptions *options = appWindows().options;
        options->chkToPlotOrNot->setChecked(false);
        finish();
        options->chkToPlotOrNot->setChecked(true);
        Session::current().setSettingsChanged(false);
        QCOMPARE(scriptedMessages().titles(), QStringList{QStringLiteral("Accuracy check")});
        QCOMPARE(storedSamples().size(), 50);
        QCOMPARE(assistant->demoStage, 1);
        QVERIFY(assistant->fraWhatAbout->isVisible());
    }

    void placedByDockingAndLinkedToTheOptionsWindow()
    {
        w->move(200, 100);
        assistant->showInFront();
        m_main->mnuWindowsDocking_Click();
        QCOMPARE(w->pos(), QPoint(0, 0));
        QVERIFY(!assistant->isVisible());

        frmOptions *options = appWindows().options;
        QTest::mouseClick(w->cmdOptions, Qt::LeftButton);
        QVERIFY(options->isVisible());
        QCOMPARE(options->SSTab1->currentIndex(), 4);
        options->ShowXScaleTitles(true);
        w->showInFront(); // activation: the time axis is linear
        QTRY_VERIFY(options->txtX_min->toolTip().isEmpty());
        QVERIFY(options->lblX_ScaleTitles->text().startsWith(QStringLiteral("Low (Min.)")));
        options->hide();
    }
};

VORNISH_TEST(WizardInputTest)

#include "tst_wizard_input.moc"
