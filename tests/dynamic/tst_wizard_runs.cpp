#include "TestMain.h"
#include "WizardFixture.h"

#include "dynamic/KineticsText.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/frmDynVornish.h"
#include "dynamic/frmDynamVnTlAssistant.h"
#include "dynamic/frmKinetics.h"
#include "dynamic/frm_dbResults_DynamVn.h"
#include "graphing/DisplayList.h"
#include "graphing/GraphPicture.h"
#include "graphing/PlotEngine.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "session/Session.h"
#include "session/StatusText.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"
#include "shell/frmWaiting.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <cmath>

using Messages::Answer;
using modVornish::ResultRecord;
using namespace DynamicTesting;

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

// The title bar of a child window as its style lays it out.
QRect titleBarPart(QMdiSubWindow *window, QStyle::SubControl part)
{
    QStyleOptionTitleBar bar;
    bar.initFrom(window);
    bar.subControls = QStyle::SC_All;
    bar.titleBarFlags = window->windowFlags();
    bar.text = window->windowTitle();
    bar.rect = QRect(0, 0, window->width(), window->style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, window));
    return window->style()->subControlRect(QStyle::CC_TitleBar, &bar, part, window);
}

// The caption fits its title bar (drawn bold in some styles, with 14 pixels
// kept free), the arrow lies inside the window, and no tab of the wizard
// lies under the window.
void checkWaitingWindowIsWhole(frmWaiting *waiting)
{
    QVERIFY(waiting->isVisible());
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    QVERIFY(QFontMetrics(font).horizontalAdvance(QStringLiteral("Simulating..."))
            <= titleBarPart(waiting, QStyle::SC_TitleBarLabel).width() - 14);
    QLabel *arrow = waiting->picArrow[0];
    const QRect drawn(arrow->mapTo(waiting, QPoint(0, 0)), arrow->pixmap().size());
    QVERIFY(waiting->widget()->isVisible());
    QVERIFY2(waiting->contentsRect().contains(drawn), "the arrow is cut");
    const QTabBar *tabs = appWindows().dynamic->SSTab1->tabBar();
    const QRect tabsInArea(tabs->mapTo(waiting->parentWidget(), QPoint(0, 0)), tabs->size());
    QVERIFY(!waiting->geometry().intersects(tabsInArea));
}

} // namespace

// Runs of the wizard: what is stored, plotted and summed up afterwards; a
// long run keeps the program responsive and can be cancelled or closed.
class WizardRunTest : public QObject, WizardFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { start(); }
    void cleanupTestCase() { stop(); }
    void init() { reset(); }

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
        const QList<ResultRecord> expected = referenceEuler(0.6e-9, 0.05e-9, 0.4e-9, 5e6, 1.6e-10 * 5e6, 2700, 60,
                                                            0.01f, {{900, 30e-9, 1}, {120, -1e-9, 2}});
        const QList<ResultRecord> stored = storedSamples();
        QCOMPARE(stored.size(), 46 + 4);
        QCOMPARE(stored.size(), expected.size());
        for (int i = 0; i < stored.size(); ++i) {
            const ResultRecord &s = stored[i];
            const ResultRecord &e = expected[i];
            QCOMPARE(s.time, e.time);
            for (auto [value, reference] :
                 {std::pair{s.A, e.A}, {s.B, e.B}, {s.AB, e.AB}, {s.rA, e.rA}, {s.rB, e.rB}, {s.rAB, e.rAB}})
                QVERIFY2(close(value, reference), qPrintable(QStringLiteral("sample %1: %2 against %3")
                                                                 .arg(i)
                                                                 .arg(value, 0, 'g', 17)
                                                                 .arg(reference, 0, 'g', 17)));
        }
        // Removing 1 nM of [A/B] at 2 minutes empties it; it forms again and
        // takes up the B added at 15 minutes.
        QCOMPARE(stored[3].time, 120.0);
        QCOMPARE(stored[4].time, 120.0);
        QVERIFY(stored[3].AB > 0);
        QCOMPARE(stored[4].AB, 0.0);
        QVERIFY(stored.last().AB > stored[20].AB);
        QCOMPARE(Session::current().timeUnit(), QStringLiteral("min."));
        QVERIFY(appWindows().graph->isVisible());
        QCOMPARE(Session::current().graphSource(), modPlot_Graph::DynamicTool);
        QCOMPARE(assistant->demoStage, 0); // the demo ends with the plotted run

        // Its kinetics, from the Finish stage. Up to 2 minutes the totals are
        // 1.0 and 0.45 nM with Kd 0.16 nM: x^2 - 1.61 x + 0.45 = 0 has the
        // roots 0.36 and 1.25 nM, so k_obs = 5e6 x 0.89e-9 per s.
        QTest::mouseClick(w->cmdKinetics, Qt::LeftButton);
        frmKinetics *kinetics = appWindows().kinetics;
        QVERIFY(kinetics->txtSummary->isVisible());
        const QString summary = kinetics->txtSummary->toPlainText();
        QVERIFY(
            summary.contains(QStringLiteral("Segment 1, from the start, to 2 min\n  Tends to: A 0.64 nM, B 0.09 nM, "
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
        // Ticking it only draws the curve: the wizard keeps its step 3 and
        // stays behind.
        QTest::mouseClick(kinetics->chkShowReference, Qt::LeftButton);
        QVERIFY(dashes() > 20);
        verifyRestored(2);
        QVERIFY(m_main->mdiArea->activeSubWindow() != w);
        QTest::mouseClick(kinetics->chkShowReference, Qt::LeftButton);
        QCOMPARE(dashes(), 0);
        kinetics->hide();
    }

    // A run that a fault ends leaves neither the graph nor the summary of
    // the run before it on screen.
    void aFailedRunClearsTheGraphBefore()
    {
        prepareShortRun();
        finish();
        const DisplayList &picture = appWindows().graph->PicGraph->displayList();
        QVERIFY(!picture.items().empty());

        // The [A/B] added at 1 minute dissociates faster than a double holds.
        fillStep1({"1", "1", "1", "1E+06", "1E+10", ""});
        w->SetEventCell(1, 1, QStringLiteral("1"));
        w->SetEventCell(1, 2, QStringLiteral("1E+308"));
        w->cmbSelectChangingVariable[0]->setCurrentIndex(2);
        resetMessages();
        finish();
        QCOMPARE(scriptedMessages().texts(), QStringList{QStringLiteral("Unexpected error #6 occurred: Overflow")});
        QCOMPARE(storedSamples().size(), 3); // 0 and 1 minute, and the state before the event
        QVERIFY(picture.items().empty());
        appWindows().kinetics->ShowSummary();
        QVERIFY(appWindows().kinetics->txtSummary->toPlainText().contains(
            QStringLiteral("The run failed after its sample at 60 s (Unexpected error #6 occurred: Overflow)")));

        // Its very first rates overflow: no sample at all.
        fillStep1({"1E+300", "1E+300", "0", "1E+06", "", "1E-09"});
        w->SetEventCell(1, 1, QString());
        finish();
        QVERIFY(storedSamples().isEmpty());
        QVERIFY(appWindows().kinetics->txtSummary->toPlainText().contains(
            QStringLiteral("The run failed before its first sample (Unexpected error #6 occurred: Overflow)")));
        appWindows().kinetics->hide();
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
        QVERIFY(Session::current().timeUnit() == QStringLiteral("s") && Session::current().timeFactor() == 1.0f);
        QCOMPARE(storedSamples().last().time, 2.0);
        QVERIFY(options->optSec->isChecked());
        QVERIFY(appWindows().results->isVisible());
        appWindows().results->hide();
        w->txtA->clear();
        finish();
        QVERIFY(!appWindows().results->isVisible());
        options->cmdDefaults_Click();
    }

    void longRunStaysResponsive()
    {
        // 10,000 intervals of 10,001 steps each.
        prepareLongRun(QStringLiteral("10000"));
        QSet<short> arrows;
        QList<int> progress;
        bool goEverEnabled = false;
        bool barSeen = false;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            arrows.insert(appWindows().waiting->arrowIndex());
            progress.append(m_main->prgMain->value());
            barSeen = barSeen || m_main->prgMain->isVisible();
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
        QVERIFY(barSeen);
        QVERIFY(!goEverEnabled);
        QCOMPARE(storedSamples().size(), 10001); // one run, whole
        verifyRestored(2);
    }

    void closingDuringARunStopsIt()
    {
        prepareLongRun(QStringLiteral("1000000"));
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
        const int kept = storedSamples().size();
        QVERIFY(kept > 0 && kept < 1000001);
        QVERIFY(w->isVisible());           // the wizard comes back when the run stops
        QTRY_VERIFY(!m_main->isVisible()); // and then the program closes
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        w->showInFront();
    }

    // The waiting window stands beside the wizard, its caption and arrow
    // whole; its close button or Escape stops a long run at the next
    // interval: the samples so far stay in the file and are plotted, the
    // status text and the summary say so, and the run is not checked as if
    // it had ended (its half-time of about 0.2 s is too short for its
    // one-second samples).
    void aLongRunCanBeCancelled_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("close button") << false;
        QTest::newRow("Escape") << true;
    }

    void aLongRunCanBeCancelled()
    {
        QFETCH(bool, byEscape);
        prepareLongRun(QStringLiteral("1000000"));
        w->txtAB->setText(QStringLiteral("0"));
        w->txtK_ass_rate->setText(QStringLiteral("1E+09"));
        frmWaiting *waiting = appWindows().waiting;
        bool asked = false;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            if (asked || StatusText::current() != QLatin1String("Performing simulation ..."))
                return;
            asked = true;
            checkWaitingWindowIsWhole(waiting);
            if (byEscape) {
                QTest::keyClick(waiting, Qt::Key_Escape);
                return;
            }
            const QPoint closeButton = titleBarPart(waiting, QStyle::SC_TitleBarCloseButton).center();
            QTest::mouseMove(waiting, closeButton);
            QTest::mouseClick(waiting, Qt::LeftButton, {}, closeButton);
        });
        watcher.start(5);
        finish();
        watcher.stop();
        QVERIFY(asked);
        QVERIFY(scriptedMessages().shown.isEmpty());
        QVERIFY(!waiting->isVisible());
        QVERIFY(!m_main->prgMain->isVisible());

        const QList<ResultRecord> stored = storedSamples();
        QVERIFY(stored.size() > 1 && stored.size() < 1000001);
        for (int i = 0; i < stored.size(); ++i)
            QCOMPARE(stored[i].time, double(i)); // one a second, none lost
        QCOMPARE(curvePoints().size(), stored.size());
        QCOMPARE(StatusText::current(), QStringLiteral("Simulation cancelled at %1 s; the results up to then are kept.")
                                            .arg(stored.size() - 1));
        StatusText::clear();
        frmKinetics *kinetics = appWindows().kinetics;
        kinetics->ShowSummary();
        const QString summary = kinetics->txtSummary->toPlainText();
        QVERIFY(summary.contains(QStringLiteral("The run was cancelled at ")
                                 + modKinetics::DurationText(stored.last().time)
                                 + QStringLiteral(" of 278 h: this summary covers its samples up to then.")));
        QVERIFY(summary.contains(QStringLiteral("the approach to equilibrium has a half-time of ")));
        QVERIFY(summary.contains(QStringLiteral("Segment 1, from the start, to ")
                                 + modKinetics::DurationText(stored.last().time) + QLatin1Char('\n')));
        kinetics->hide();
    }
};

VORNISH_TEST(WizardRunTest)

#include "tst_wizard_runs.moc"
