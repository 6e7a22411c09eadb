#include "TestMain.h"
#include "WizardFixture.h"

#include "dynamic/KineticsText.h"
#include "dynamic/frmDynVornish.h"
#include "dynamic/frmKinetics.h"
#include "session/StatusText.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"
#include "shell/frmWaiting.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

using modVornish::ResultRecord;
using namespace DynamicTesting;

namespace {

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

// A long run keeps the program responsive and can be cancelled or closed.
class WizardLongRunTest : public QObject, WizardFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { start(); }
    void cleanupTestCase() { stop(); }
    void init() { reset(); }

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
        prepareShortRun();
        w->txtEndTime->setText(QStringLiteral("1000000"));
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
        prepareShortRun();
        w->txtAB->setText(QStringLiteral("0"));
        w->txtK_ass_rate->setText(QStringLiteral("1E+09"));
        w->txtEndTime->setText(QStringLiteral("1000000"));
        w->cmbTimeUnit->setCurrentIndex(1);
        w->cmbSimulationPrecision->setCurrentIndex(4);
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

VORNISH_TEST(WizardLongRunTest)

#include "tst_wizard_long_runs.moc"
