#include "DynamicTesting.h"

#include "dynamic/ResultsStore.h"
#include "dynamic/frmDynVornish.h"
#include "dynamic/frmDynamVnTlAssistant.h"
#include "dynamic/frm_dbResults_DynamVn.h"
#include "dynamic/frmKinetics.h"
#include "graphing/DisplayList.h"
#include "graphing/GraphPicture.h"
#include "graphing/PlotEngine.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "platform/EditableGrid.h"
#include "graphing/Units.h"
#include "shell/AppWindows.h"
#include "shell/StatusText.h"
#include "shell/frmVn_Main.h"
#include "shell/frmVnSplash.h"
#include "shell/frmWaiting.h"

#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QSet>
#include <QFile>

#include <cmath>

using Messages::Answer;

using namespace DynamicTesting;
using modVornish::ResultRecord;

namespace {

struct ReferenceEvent
{
    double time, change;
    int target; // 0 A, 1 B, 2 AB
};

// Explicit Euler as the simulation is defined, written out on its own: a
// step of precision x interval, floors that leave a thousandth of a species,
// the events' before and after samples, the increments of an event's step
// taken at the state after the event.
QList<ResultRecord> referenceEuler(double a0, double b0, double ab0, double kAss, double kDiss, double endTime,
                             double interval, float precision, const QList<ReferenceEvent> &events)
{
    QList<ResultRecord> samples;
    auto rates = [&](double a, double b, double ab, double &ra, double &rb, double &rab) {
        const double association = (a * kAss) * b;
        const double dissociation = ab * kDiss;
        ra = rb = dissociation - association;
        rab = association - dissociation;
    };
    auto sample = [&](double t, double a, double b, double ab) {
        ResultRecord s{t, a, 0, b, 0, ab, 0};
        rates(a, b, ab, s.rA, s.rB, s.rAB);
        samples.append(s);
    };
    const double delta = double(precision) * interval;
    QList<bool> fired(events.size(), false);
    double t = 0, A = a0, B = b0, AB = ab0, incA = 0, incB = 0, incAB = 0;
    sample(0, A, B, AB);
    while (t < endTime) {
        double a = A, b = B, ab = AB;
        const double intervalEnd = t + interval;
        for (double tau = t; tau <= intervalEnd; tau += delta) {
            for (int i = 0; i < events.size(); ++i) {
                if (fired[i] || events[i].time > tau)
                    continue;
                sample(tau, a, b, ab);
                fired[i] = true;
                double &target = events[i].target == 0 ? a : events[i].target == 1 ? b : ab;
                target = std::max(0.0, target + events[i].change);
                sample(tau, a, b, ab);
                break;
            }
            double ra, rb, rab;
            rates(a, b, ab, ra, rb, rab);
            incA = delta * ra, incB = delta * rb, incAB = delta * rab;
            if (incA <= -a)
                incA = -0.999 * a, incB = -0.999 * a, incAB = 0.999 * a;
            if (incB <= -b)
                incB = -0.999 * b, incA = -0.999 * b, incAB = 0.999 * b;
            if (incAB <= -ab)
                incAB = -0.999 * ab, incA = 0.999 * ab, incB = 0.999 * ab;
            a += incA, b += incB, ab += incAB;
        }
        t += interval;
        A = a, B = b, AB = ab;
        samples.append({t, A, incA / delta, B, incB / delta, AB, incAB / delta});
    }
    return samples;
}

bool close(double stored, double expected)
{
    return std::fabs(stored - expected) <= 1e-12 * std::max(std::fabs(expected), 1e-30);
}

} // namespace

class DynamicWizardTest : public QObject
{
    Q_OBJECT

    frmVn_Main *m_main = nullptr;
    frmDynVornish *w = nullptr;
    frmDynamVnTlAssistant *assistant = nullptr;

    void fillStep1(const QString &a, const QString &b, const QString &ab, const QString &kAss, const QString &kDiss,
                   const QString &kd)
    {
        w->txtA->setText(a);
        w->txtB->setText(b);
        w->txtAB->setText(ab);
        w->txtK_ass_rate->setText(kAss);
        w->txtK_diss_rate->setText(kDiss);
        w->txtKd->setText(kd);
    }

    // A run of two one-minute intervals at 5 %: three samples per table
    // and two more per event.
    void prepareShortRun()
    {
        fillStep1("1", "1", "1", "1E+06", "", "1E-09");
        w->txtEndTime->setText(QStringLiteral("2"));
        w->txtRecordingInterval->setText(QStringLiteral("1"));
        w->cmbSimulationPrecision->setCurrentIndex(0);
    }

    void finish()
    {
        w->ShowStep(2);
        QTest::mouseClick(w->cmdGo, Qt::LeftButton);
    }

    // Types into the events grid's editor on step 3 and leaves it open
    // while step 1 is shown.
    void leaveEventEditOpen(int row, int column, Qt::Key first, const QString &rest)
    {
        w->ShowStep(2);
        w->flgDynamVn_Events->setCurrent(row, column);
        QTest::keyClick(w->flgDynamVn_Events, first);
        QTest::keyClicks(w->txtEdit, rest);
        w->ShowStep(0);
    }

    // Leaves a box by moving the focus to another one, as the user does.
    void leave(QLineEdit *box, QWidget *next)
    {
        box->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(box->hasFocus());
        next->setFocus(Qt::MouseFocusReason);
    }

    void verifyRestored(int tabIndex)
    {
        QCOMPARE(w->SSTab1->currentIndex(), tabIndex);
        QCOMPARE(w->cmdGo->text(), tabIndex == 2 ? QStringLiteral("Finish") : QStringLiteral("Next"));
        QCOMPARE(w->cmdBack->isEnabled(), tabIndex != 0);
        QVERIFY(w->cmdGo->isEnabled());
        QVERIFY(StatusText::current().isEmpty());
        QVERIFY(StatusText::panel2().isEmpty());
        QVERIFY(!m_main->prgMain->isVisible());
        QVERIFY(!appWindows().waiting->isVisible());
        QVERIFY(!appWindows().waiting->Timer1->isActive());
        QVERIFY(!QApplication::overrideCursor());
    }

private slots:
    void initTestCase()
    {
        m_main = new frmVn_Main;
        // The splash ends now rather than three seconds into the tests.
        for (int tick = 0; tick < 3; ++tick)
            m_main->splash()->Timer1_Timer();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        w = appWindows().dynamic;
        assistant = appWindows().dynamicAssistant;
        QVERIFY(w && assistant);
        m_main->mnuDynamVn_Click();
        QVERIFY(w->isVisible());
    }

    void cleanupTestCase() { delete m_main; }

    void init()
    {
        assistant->hide();
        w->cmdClearForm_Click();
        w->ShowStep(0);
        w->endTimeWarnings = 0;
        w->recordingIntervalWarnings = 0;
        w->recordingIntervalManual = false;
        modVnPublic::TimeUnit = QStringLiteral("min.");
        modVnPublic::TimeFactor = 60;
        appWindows().options->setSettingsChanged(QStringLiteral("0"));
        resetMessages();
    }

    // Every "-1" of the rate-constant units is raised.
    void unitLabelsWithSuperscripts()
    {
        const QLabel *kAssUnit = w->findChild<QLabel *>(QStringLiteral("lblK_ass_rateUnit"));
        QCOMPARE(kAssUnit->text(), QStringLiteral("(M<sup>-1</sup> s<sup>-1</sup>)"));
        QCOMPARE(kAssUnit->textFormat(), Qt::RichText);
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
        QTest::newRow("600") << "600" << "12";
        QTest::newRow("7") << "7" << "0.1";
        QTest::newRow("1") << "1" << "0.02";
        QTest::newRow("0.2") << "0.2" << "0.004";
        QTest::newRow("negative") << "-600" << "12";
        QTest::newRow("exponent") << "1e3" << "20";
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
        QCOMPARE(scriptedMessages().texts(), QStringList{QStringLiteral("Enter a numeric value for the Recording Interval")});
        resetMessages();
        w->recordingIntervalManual = false;
        w->txtEndTime->clear();
        QTest::keyClicks(w->txtEndTime, QStringLiteral("a"));
        QCOMPARE(scriptedMessages().texts(), QStringList{QStringLiteral("Enter a numeric value for the Simulation Time Window")});
        QCOMPARE(scriptedMessages().shown.first().title, QStringLiteral("Input Error"));
    }

    void positiveValueWarningsStopAfterThree()
    {
        w->ShowStep(1);
        w->txtEndTime->clear();
        const QString endTimeWarning =
            QStringLiteral("Enter a positive ( >0 ) numeric value for the Simulation time window");
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
            << QStringList{"0.6", "", "0.4", "5E+06", "", "1.6E-10"} << "45" << "1"
            << "Please enter initial concentrations (i.e. concentrations at t = 0) for all the components of the "
               "equilibrium."
            << 0;
        QTest::newRow("text in a concentration")
            << QStringList{"0.6", "abc", "0.4", "5E+06", "", "1.6E-10"} << "45" << "1"
            << "Please enter initial concentrations (i.e. concentrations at t = 0) for all the components of the "
               "equilibrium."
            << 0;
        QTest::newRow("one constant") << QStringList{"0.6", "0.05", "0.4", "", "", "1.6E-10"} << "45" << "1"
                                      << "You need to enter two out of three equilibrium constants." << 0;
        QTest::newRow("Kd of 0") << QStringList{"0.6", "0.05", "0.4", "5E+06", "1E-03", "0"} << "45" << "1"
                                 << "Unexpected error #11 occurred: Division by zero" << 0;
        QTest::newRow("text as Kd") << QStringList{"0.6", "0.05", "0.4", "5E+06", "1E-03", "x"} << "45" << "1"
                                    << "Unexpected error #11 occurred: Division by zero" << 0;
        QTest::newRow("k_ass of 0") << QStringList{"0.6", "0.05", "0.4", "0", "1E-03", ""} << "45" << "1"
                                    << "Unexpected error #11 occurred: Division by zero" << 0;
        QTest::newRow("end time text") << good << "soon" << "1"
                                       << "Please enter a simulation end time (see 'Simulation time window')." << 1;
        QTest::newRow("interval text") << good << "45" << "" << "Please enter a recording interval." << 1;
        QTest::newRow("zero interval") << good << "45" << "0"
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

    void demoRunsEndToEnd()
    {
        QTest::mouseClick(w->cmdDynamVnTlAssistant, Qt::LeftButton);
        QTest::mouseClick(assistant->lblWhat_About_a_Demo, Qt::LeftButton);
        QTest::mouseClick(w->cmdGo, Qt::LeftButton);
        QTest::mouseClick(w->cmdGo, Qt::LeftButton);
        QTest::mouseClick(w->cmdGo, Qt::LeftButton); // Finish
        // The only message: the minute samples cannot show the fast approach after B is added.
        QCOMPARE(scriptedMessages().titles(), QStringList{QStringLiteral("Accuracy check")});
        QVERIFY(scriptedMessages().texts()[0].startsWith(
            QStringLiteral("After event 1 at 15 min the approach to equilibrium has a half-time of ")));
        QCOMPARE(w->txtK_diss_rate->text(), QStringLiteral("8.00E-04"));
        verifyRestored(2);

        // k_diss is Kd x k_ass; 45 minutes every minute at 1 %; B +30 nM at
        // 15 minutes and [A/B] -1 nM at 2 minutes.
        const QList<ResultRecord> expected = referenceEuler(0.6e-9, 0.05e-9, 0.4e-9, 5e6, 1.6e-10 * 5e6, 2700, 60, 0.01f,
                                                      {{900, 30e-9, 1}, {120, -1e-9, 2}});
        const QList<ResultRecord> stored = storedSamples();
        QCOMPARE(stored.size(), 46 + 4);
        QCOMPARE(stored.size(), expected.size());
        for (int i = 0; i < stored.size(); ++i) {
            const ResultRecord &s = stored[i];
            const ResultRecord &e = expected[i];
            QCOMPARE(s.time, e.time);
            for (auto [value, reference] : {std::pair{s.A, e.A}, {s.B, e.B}, {s.AB, e.AB}, {s.rA, e.rA},
                                            {s.rB, e.rB}, {s.rAB, e.rAB}})
                QVERIFY2(close(value, reference), qPrintable(QStringLiteral("sample %1: %2 against %3")
                                                                 .arg(i).arg(value, 0, 'g', 17)
                                                                 .arg(reference, 0, 'g', 17)));
        }
        // Removing 1 nM of [A/B] at 2 minutes empties it; it forms again and
        // takes up the B added at 15 minutes.
        QCOMPARE(stored[3].time, 120.0);
        QCOMPARE(stored[4].time, 120.0);
        QVERIFY(stored[3].AB > 0);
        QCOMPARE(stored[4].AB, 0.0);
        QVERIFY(stored.last().AB > stored[20].AB);
        QCOMPARE(modVnPublic::TimeUnit, QStringLiteral("min."));
        QVERIFY(appWindows().graph->isVisible());
        QCOMPARE(modPlot_Graph::GraphSource(), QStringLiteral("3"));
        QCOMPARE(assistant->demoStage, 0); // the demo ends with the plotted run

        // Its kinetics, from the Finish stage. Up to 2 minutes the totals are
        // 1.0 and 0.45 nM with Kd 0.16 nM: x^2 - 1.61 x + 0.45 = 0 has the
        // roots 0.36 and 1.25 nM, so k_obs = 5e6 x 0.89e-9 per s.
        QTest::mouseClick(w->cmdKinetics, Qt::LeftButton);
        frmKinetics *kinetics = appWindows().kinetics;
        QVERIFY(kinetics->txtSummary->isVisible());
        const QString summary = kinetics->txtSummary->toPlainText();
        QVERIFY(summary.contains(QStringLiteral("Segment 1, from the start, to 2 min\n  Tends to: A 0.64 nM, B 0.09 nM, "
                                                "[A/B] 0.36 nM\n  k_obs: 0.00445 per s\n")));
        QVERIFY(summary.contains(QStringLiteral("Segment 3, after event 1 at 15 min (B +30 nM), to 45 min")));
        QTest::mouseClick(kinetics->cmdCopy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), summary);

        // The exact curve, dashed, inside the plot area only; gone again when unchecked.
        const auto dashes = [] {
            int count = 0;
            for (const DisplayItem &item : appWindows().graph->PicGraph->displayList().items()) {
                if (item.kind != DisplayItem::Line || item.color != qRgb(0, 0, 192))
                    continue;
                ++count;
                for (float x : {item.x1, item.x2})
                    if (x < 2100 - 0.01 || x > 5300 + 0.01)
                        return -1;
                for (float y : {item.y1, item.y2})
                    if (y < 800 - 0.01 || y > 4000 + 0.01)
                        return -1;
            }
            return count;
        };
        QTest::mouseClick(kinetics->chkShowReference, Qt::LeftButton);
        QVERIFY(dashes() > 20);
        QTest::mouseClick(kinetics->chkShowReference, Qt::LeftButton);
        QCOMPARE(dashes(), 0);
        kinetics->hide();
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
        QTest::newRow("gap at row 3") << QStringList{"0.5", "1", "", "1.5"} << QStringList{"1", "1", "", "1"} << 0
                                      << 2 << QStringList{"0.5", "1", "", "1.5"};
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
        QCOMPARE(scriptedMessages().texts(), QStringList(messages, QStringLiteral("Non-valid input in Programmed Events. These "
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

    void storedRunIsPlottedAgain()
    {
        prepareShortRun();
        finish();
        const QList<ResultRecord> run = storedSamples();
        QCOMPARE(run.size(), 3);
        appWindows().graph->hide();
        w->cmdClearForm_Click(); // the wizard's boxes are not read
        w->txtEndTime->clear();

        resetMessages({Answer::No});
        QTest::mouseClick(w->cmdPlotGraphFromDB, Qt::LeftButton);
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QVERIFY(!appWindows().graph->isVisible());

        resetMessages({Answer::Yes});
        QTest::mouseClick(w->cmdPlotGraphFromDB, Qt::LeftButton);
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(scriptedMessages().shown.first().title, QStringLiteral("Warning"));
        QVERIFY(appWindows().graph->isVisible());
        QCOMPARE(storedSamples().size(), run.size());
        QCOMPARE(storedSamples().last().AB, run.last().AB);
        verifyRestored(1);

        // Apply in the Options window does the same.
        appWindows().graph->hide();
        resetMessages();
        appWindows().options->cmdApply_Click();
        QVERIFY(scriptedMessages().shown.isEmpty());
        QVERIFY(appWindows().graph->isVisible());
        verifyRestored(1);

        // No stored run: a message, and the wizard is back as it was.
        modVornish::ReleaseResultsFile();
        QVERIFY(QFile::remove(modVornish::ResultsFilePath()));
        resetMessages({Answer::Yes});
        QTest::mouseClick(w->cmdPlotGraphFromDB, Qt::LeftButton);
        QCOMPARE(scriptedMessages().shown.size(), 2);
        verifyRestored(1);
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

    // Finish sets the program's time unit; the results table follows a run
    // when the Options window asks for it, but not an input error.
    void finishSetsTheTimeUnitAndShowsTheTable()
    {
        frmOptions *options = appWindows().options;
        options->cmdDefaults_Click();
        options->chkShowTable->setChecked(true);
        prepareShortRun();
        w->cmbTimeUnit->setCurrentIndex(1);
        finish();
        QVERIFY(modVnPublic::TimeUnit == QStringLiteral("s") && modVnPublic::TimeFactor == 1.0f);
        QCOMPARE(storedSamples().last().time, 2.0);
        QVERIFY(options->optSec->isChecked());
        QVERIFY(appWindows().results->isVisible());
        appWindows().results->hide();
        w->txtA->clear();
        finish();
        QVERIFY(!appWindows().results->isVisible());
        options->cmdDefaults_Click();
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

    void longRunStaysResponsive()
    {
        // 10,000 intervals of 10,001 steps each.
        prepareShortRun();
        w->txtEndTime->setText(QStringLiteral("10000"));
        w->cmbTimeUnit->setCurrentIndex(1);
        w->cmbSimulationPrecision->setCurrentIndex(4);
        QSet<short> arrows;
        QList<int> progress;
        bool goEverEnabled = false;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            arrows.insert(appWindows().waiting->arrowIndex());
            progress.append(m_main->prgMain->value());
            goEverEnabled = goEverEnabled || w->cmdGo->isEnabled();
            QTest::mouseClick(w->cmdGo, Qt::LeftButton); // a second Finish
            w->cmdGo_Click();
        });
        watcher.start(20);
        finish();
        watcher.stop();
        QVERIFY(scriptedMessages().shown.isEmpty());
        QVERIFY2(arrows.size() > 1, "the waiting arrow did not turn");
        QVERIFY(progress.size() > 2);
        QVERIFY(progress.last() > progress.first());
        QVERIFY(!goEverEnabled);
        QCOMPARE(storedSamples().size(), 10001); // one run, whole
        verifyRestored(2);
    }

    void closingDuringARunWaitsForItsEnd()
    {
        prepareShortRun();
        w->txtEndTime->setText(QStringLiteral("2000"));
        w->cmbTimeUnit->setCurrentIndex(1);
        w->cmbSimulationPrecision->setCurrentIndex(4);
        bool closedDuringRun = false;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            if (closedDuringRun || StatusText::current() != QLatin1String("Performing simulation ..."))
                return;
            closedDuringRun = true;
            w->close();
            m_main->close();
        });
        watcher.start(5);
        finish();
        watcher.stop();
        QVERIFY(closedDuringRun);
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(storedSamples().size(), 2001);
        QVERIFY(w->isVisible()); // the wizard comes back when the run ends
        QTRY_VERIFY(!m_main->isVisible()); // and then the program closes
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        w->showInFront();
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
        options->setSettingsChanged(QStringLiteral("0"));
        QCOMPARE(scriptedMessages().titles(), QStringList{QStringLiteral("Accuracy check")});
        QCOMPARE(storedSamples().size(), 50);
        QCOMPARE(assistant->demoStage, 1);
        QVERIFY(assistant->fraWhatAbout->isVisible());
    }
};

int runDynamicWizardTests(int argc, char *argv[])
{
    DynamicWizardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dynamic_wizard.moc"
