#include "DynamicTesting.h"
#include "TestMain.h"

#include "dynamic/DynamicResults.h"
#include "dynamic/ResultsPlot.h"
#include "dynamic/ResultsReading.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/SimulationEngine.h"
#include "dynamic/SimulationIntoFile.h"
#include "dynamic/frm_dbResults_DynamVn.h"
#include "graphing/AxisTitleLabel.h"
#include "graphing/GraphPicture.h"
#include "graphing/PlotEngine.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "platform/ClipboardCommands.h"
#include "platform/DatabaseConnection.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeFault.h"
#include "session/Session.h"
#include "shell/AppWindows.h"
#include "shell/frmVnSplash.h"
#include "shell/frmVn_Main.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>

#include <sqlite3.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <thread>

using namespace modVornish;
using namespace DynamicTesting;

namespace {

// Where the plot puts (x, y) on the axes X 0..xMax and Y yMin..yMax.
QPointF expectedAt(double x, double y, double xMax, double yMin, double yMax)
{
    return QPointF(qRound(2100 + x * 3200 / xMax), qRound(800 + 3200 - (y - yMin) * 3200 / (yMax - yMin)));
}

// Runs body in a child process, which is to end by killing itself; true
// when it did.
bool killedDuring(const std::function<void()> &body)
{
    const pid_t child = fork();
    if (child == 0) {
        body();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// The tables of the file, as a later program opening it finds them.
QStringList tablesIn(const QString &path)
{
    QStringList names;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db, "select name from sqlite_master where type = 'table' order by name", -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW)
            names.append(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0))));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return names;
}

QString shownText(QTableView *grid, int row, int column)
{
    auto *delegate = static_cast<QStyledItemDelegate *>(grid->itemDelegateForColumn(column));
    return delegate->displayText(grid->model()->index(row, column).data(), QLocale());
}

} // namespace

// The results file: stored, scanned, browsed and plotted.
class ResultsFileTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<frmVn_Main> m_main;
    frmOptions *options = nullptr;
    frm_dbResults_DynamVn *browser = nullptr;

private slots:
    void initTestCase()
    {
        m_main = std::make_unique<frmVn_Main>();
        // The splash ends now: its timer must not reach a main window this class destroyed.
        for (int tick = 0; tick < 3; ++tick)
            m_main->splash()->Timer1_Timer();
        options = appWindows().options;
        browser = appWindows().results;
    }

    void cleanupTestCase()
    {
        ReleaseResultsFile();
        m_main.reset();
    }

    void init()
    {
        ReleaseResultsFile();
        TestFixture::resetFolders();
        resetMessages();
        options->RestoreDefaults();
        Session::current().setSettingsChanged(false);
        Session::current().setTimeUnit(QStringLiteral("s"), 1.0f);
    }

    // The results file goes where the user may write: beside a program run
    // from its build folder; in the user's data folder for an installed
    // program (even one run by root, who could write into the installation)
    // and when the program folder cannot be written to.
    void theResultsFileGoesWhereTheUserMayWrite()
    {
        const QString programFolder = modVnPublic::ProgramFolder();
        QCOMPARE(ResultsFilePath(), QDir(programFolder).filePath(QStringLiteral("Temp.mdb")));

        QStandardPaths::setTestModeEnabled(true);
        const QString userPath = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                 + QStringLiteral("/Vornish/Temp.mdb");
        QFile::remove(userPath);
        modVnPublic::SetProgramFolder(programFolder, modVnPublic::ProgramLayout::Installed);
        runIntoResultsFile(tenSecondsEveryThree());
        QCOMPARE(ResultsFilePath(), userPath);
        QCOMPARE(storedRows("AB").size(), 5);
        QVERIFY(QDir(programFolder).isEmpty());

        const QString readOnly = TestFixture::temporaryFolder() + QStringLiteral("/read-only");
        QVERIFY(QDir().mkpath(readOnly));
        QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        modVnPublic::SetProgramFolder(readOnly);
        if (!QFileInfo(readOnly).isWritable()) // root may write into it all the same
            QCOMPARE(ResultsFilePath(), userPath);
        modVnPublic::SetProgramFolder(readOnly + QStringLiteral("/no such folder"));
        QCOMPARE(ResultsFilePath(), userPath);

        ReleaseResultsFile();
        QFile::remove(userPath);
        QStandardPaths::setTestModeEnabled(false);
    }

    // One row per table for each sample, in the order given, the event's
    // two rows between those of 3 and 6 s.
    void eachSampleIsOneRowPerTableInOrder()
    {
        SimulationInput in = tenSecondsEveryThree(1);
        in.events = {{4.0, 1e-9, EventTarget::B}};
        const QList<ResultRecord> samples = runIntoResultsFile(in);
        ReleaseResultsFile();
        const QList<ResultRecord> stored = storedSamples();
        QCOMPARE(storedRows("B").size(), 7);
        QCOMPARE(stored.size(), samples.size());
        for (int i = 0; i < samples.size(); ++i) {
            const ResultRecord &s = samples[i], &f = stored[i];
            QVERIFY(f.time == s.time && f.A == s.A && f.rA == s.rA && f.B == s.B && f.rB == s.rB && f.AB == s.AB
                    && f.rAB == s.rAB);
        }
        const QList<double> times = timesOf(stored);
        QVERIFY(times[2] >= 4.0 && times[2] < 6.0 && times[3] == times[2] && times[4] == 6.0);
    }

    // Scanning finds the range of a field; a second run, started while the
    // first run's file is still open for reading, replaces it.
    void scanningFindsTheRangeOrLeavesItAlone()
    {
        const QString path = ResultsFilePath();
        const QList<ResultRecord> samples = runIntoResultsFile(tenSecondsEveryThree());
        double low = -1, high = -1;
        modPlot_Graph::ScanFieldRange(path, ResultsQuery(ResultsTable::AB), TimeField, low, high);
        QVERIFY(low == 0.0 && high == 12.0);
        modPlot_Graph::ScanFieldRange(path, ResultsQuery(ResultsTable::A), ConcentrationField, low, high);
        QVERIFY(high == samples[0].A && low == samples.last().A); // A only falls here

        // All equal values give that value twice.
        SimulationInput still = tenSecondsEveryThree();
        still.initialA = 5e-9;
        still.initialB = still.initialAB = 0;
        still.endTime = 3.0;
        runIntoResultsFile(still);
        for (const char *table : {"A", "B", "AB"})
            QCOMPARE(timesOf(storedRows(table)), (QList<double>{0, 3}));
        modPlot_Graph::ScanFieldRange(path, ResultsQuery(ResultsTable::A), ConcentrationField, low, high);
        QVERIFY(low == 5e-9 && high == 5e-9);

        // An empty table leaves the caller's values.
        ResetResultsDatabase(path);
        low = 7;
        high = 8;
        modPlot_Graph::ScanFieldRange(path, ResultsQuery(ResultsTable::A), RateField, low, high);
        QVERIFY(low == 7.0 && high == 8.0);
    }

    // A fault ends the run with every whole sample appended before it kept,
    // and the file stays a database.
    void aFaultKeepsTheSamplesBeforeIt()
    {
        SimulationInput overflowing = tenSecondsEveryThree(1);
        overflowing.kDiss = 10.0;
        overflowing.events = {{4.0, 1e308, EventTarget::AB}}; // the rates after it overflow
        QCOMPARE(faultNumberOf([&] { runIntoResultsFile(overflowing); }), int(RuntimeFault::Overflow));
        ReleaseResultsFile();
        for (const char *table : {"A", "B", "AB"})
            QCOMPARE(storedRows(table).size(), 3); // 0 s, 3 s, before the event

        // A table that can no longer be written: no sample is kept in part.
        ResetResultsDatabase(ResultsFilePath());
        int appended = 0;
        const int number = faultNumberOf([&] {
            ResultsAppender appender(ResultsFilePath());
            RunSimulation(tenSecondsEveryThree(), [&](const ResultRecord &r) {
                if (appended++ == 2)
                    DatabaseConnection::shared().execute(QStringLiteral("drop table [B]"));
                appender.AppendResultRecord(r);
            });
        });
        QCOMPARE(number, SQLITE_ERROR);
        ReleaseResultsFile();
        QCOMPARE(timesOf(storedRows("A")), (QList<double>{0, 3}));
        QCOMPARE(timesOf(storedRows("AB")), (QList<double>{0, 3}));
    }

    // A kill while the file is being made leaves no table rather than some
    // of them.
    void aKillWhileCreatingLeavesNoPartOfTheTables()
    {
        const QString path = ResultsFilePath();
        QVERIFY(killedDuring([&] {
            DatabaseConnection::shared().open(path, true);
            sqlite3_set_authorizer(
                DatabaseConnection::shared().handle(),
                [](void *, int action, const char *table, const char *, const char *, const char *) {
                    if (action == SQLITE_CREATE_TABLE && qstrcmp(table, "B") == 0)
                        raise(SIGKILL);
                    return SQLITE_OK;
                },
                nullptr);
            CreateResultsDatabase(path);
        }));
        QCOMPARE(tablesIn(path), QStringList());
        ResetResultsDatabase(path);
        ReleaseResultsFile();
        QCOMPARE(tablesIn(path), (QStringList{"A", "AB", "B"}));
    }

    // A kill during a slow run (a sample every 10 ms) 1.5 s in keeps what
    // was appended up to the last second.
    void aKillLosesAtMostTheLastSecondOfARun()
    {
        ReleaseResultsFile(); // no connection is carried into the child
        SimulationInput endless = tenSecondsEveryThree();
        endless.endTime = 1e9;
        QVERIFY(killedDuring([&] {
            int appended = 0;
            SimulationIntoFileSinks sinks;
            sinks.sample = [&](const ResultRecord &) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                if (++appended == 150)
                    raise(SIGKILL);
            };
            RunSimulationIntoFile(endless, ResultsFilePath(), sinks);
        }));
        const int kept = storedRows("A").size();
        QVERIFY2(kept >= 150 - 101, qPrintable(QString::number(kept))); // at most 101 samples in a second
        QCOMPARE(storedRows("B").size(), kept);
        QCOMPARE(storedRows("AB").size(), kept);
    }

    // Tables without rows, a missing, an empty or a foreign file: a message
    // or a fault, nothing drawn, and reading never creates the file.
    void filesThatAreMissingEmptyOrForeignFailCleanly()
    {
        const QString path = ResultsFilePath();
        ResetResultsDatabase(path);
        appWindows().graph->PicGraph->clear();
        PlotStoredResults();
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(scriptedMessages().shown[0].text,
                 QStringLiteral("A graph can not be plotted as the results file is empty"));
        QCOMPARE(scriptedMessages().shown[0].title, QStringLiteral("Database error"));
        QVERIFY(appWindows().graph->PicGraph->displayList().items().empty());
        resetMessages();

        ReleaseResultsFile();
        QFile::remove(path);
        QCOMPARE(faultNumberOf([] { PlotStoredResults(); }), 53);
        QVERIFY(appWindows().graph->PicGraph->displayList().items().empty());
        const QString query = ResultsQuery(ResultsTable::AB);
        double low = 0, high = 0;
        QCOMPARE(faultNumberOf([&] { modPlot_Graph::ScanFieldRange(path, query, TimeField, low, high); }), 53);
        QVERIFY(!QFile::exists(path));

        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(IsResultsTableEmpty(path, query));
        ReleaseResultsFile();

        QVERIFY(file.open(QIODevice::WriteOnly)); // a file of another program
        file.write(QByteArray(4096, 'x'));
        file.close();
        QCOMPARE(faultNumberOf([&] { IsResultsTableEmpty(path, query); }), SQLITE_NOTADB);
        ReleaseResultsFile();
        // The browser reports it as a data error, once, and shows no rows.
        browser->ShowResults();
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QVERIFY(scriptedMessages().shown[0].text.startsWith(QStringLiteral("Data error event hit err:")));
        QCOMPARE(browser->grdDataGrid->model()->rowCount(), 0);
        browser->hide();
    }

    void theBrowserShowsLongTimesWhole()
    {
        // Times reach six digits late in a long run.
        ResetResultsDatabase(ResultsFilePath());
        {
            ResultsAppender appender(ResultsFilePath());
            for (int i = 0; i < 3000; ++i) {
                ResultRecord sample;
                sample.time = i * 60.5;
                sample.A = 1e-9;
                sample.rA = -2.5e-12 * i;
                appender.AppendResultRecord(sample);
            }
            appender.finish();
        }
        browser->ShowResults();
        QTableView *grid = browser->grdDataGrid;
        while (grid->model()->canFetchMore(QModelIndex())) {
            grid->scrollToBottom();
            QCoreApplication::processEvents();
        }
        grid->scrollToBottom();
        QCoreApplication::processEvents();
        QCOMPARE(shownText(grid, 2999, 0), QStringLiteral("181439.5"));
        const int cellMargins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        for (int column = 0; column < 3; ++column) {
            const QString heading = grid->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(grid->horizontalHeader()->fontMetrics().horizontalAdvance(heading)
                             + 2 * grid->style()->pixelMetric(QStyle::PM_HeaderMargin)
                         <= grid->columnWidth(column),
                     qPrintable(heading));
            const int lastShown = grid->rowAt(grid->viewport()->height() - 1);
            for (int row = grid->rowAt(0); row <= (lastShown < 0 ? 2999 : lastShown); ++row)
                QVERIFY2(grid->fontMetrics().horizontalAdvance(shownText(grid, row, column)) + cellMargins
                             <= grid->columnWidth(column),
                         qPrintable(shownText(grid, row, column)));
        }
        QVERIFY(grid->horizontalHeader()->length() <= grid->viewport()->width()); // no column cut off
        browser->hide();
    }

    void theBrowserShowsEachTableAndLetsGoForANewRun()
    {
        const QList<ResultRecord> samples = runIntoResultsFile(tenSecondsEveryThree(1));
        ShowResultsBrowser();
        QVERIFY(browser->isVisible());
        QTableView *grid = browser->grdDataGrid;
        // The headers give the stored units, which the wizard and the graph do not use.
        for (int column = 0; column < 3; ++column)
            QCOMPARE(grid->model()->headerData(column, Qt::Horizontal).toString(),
                     (QStringList{"Time (s)", "Concentration (M)", "Rate (dC/dt) (M/s)"}[column]));
        const struct
        {
            int index;
            QString caption;
            double ResultRecord::*value;
        } tables[] = {
            {2, QStringLiteral("Results table for [A/B]"), &ResultRecord::AB},
            {1, QStringLiteral("Results table for B"), &ResultRecord::B},
            {0, QStringLiteral("Results table for A"), &ResultRecord::A},
        };
        for (const auto &t : tables) {
            browser->cmbWhichTable->setCurrentIndex(t.index);
            QCOMPARE(browser->windowTitle(), t.caption);
            QCOMPARE(grid->model()->rowCount(), 5);
            for (int row = 0; row < 5; ++row) {
                QCOMPARE(grid->model()->index(row, 0).data().toDouble(), samples[row].time);
                QCOMPARE(grid->model()->index(row, 1).data().toDouble(), samples[row].*t.value);
            }
        }
        // Times in "General Number", concentrations and rates in "Scientific".
        QCOMPARE(shownText(grid, 1, 0), QStringLiteral("3"));
        QCOMPARE(shownText(grid, 0, 1), QStringLiteral("1.00E-09"));

        // The next run hides it and releases the file before recreating it.
        ReleaseResultsForRun();
        QVERIFY(!browser->isVisible());
        QCOMPARE(grid->model()->rowCount(), 0);
        SimulationInput shorter = tenSecondsEveryThree();
        shorter.endTime = 3.0;
        runIntoResultsFile(shorter);
        QCOMPARE(storedRows("A").size(), 2);
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    // Ctrl+End and the scroll bar reach the last of 3,005 rows at once, and
    // Ctrl+End and Ctrl+Home select the cell they go to, which Ctrl+C copies.
    void theBrowserReachesTheLastRowAtOnce()
    {
        SimulationInput long3005 = tenSecondsEveryThree();
        long3005.endTime = 3004;
        long3005.recordingInterval = 1;
        runIntoResultsFile(long3005);
        ShowResultsBrowser();
        QTableView *grid = browser->grdDataGrid;
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
        const QModelIndex last = grid->currentIndex();
        QCOMPARE(last.row(), 3004);
        QCOMPARE(grid->selectionModel()->selectedIndexes(), QModelIndexList{last});
        QVERIFY(grid->viewport()->rect().contains(grid->visualRect(last)));
        QCOMPARE(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
        ClipboardCommands::copy(grid);
        QCOMPARE(QApplication::clipboard()->text(), shownText(grid, 3004, last.column()));
        QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(grid->selectionModel()->selectedIndexes(), QModelIndexList{grid->model()->index(0, last.column())});
        browser->hide();
    }

    // One service runs into the file for the wizard and the command line: a
    // stopped run keeps what it reached; input it refuses leaves the file.
    void aRunIntoTheFileStopsOrIsRefusedCleanly()
    {
        SimulationInput endless = tenSecondsEveryThree();
        endless.endTime = 1e9;
        int intervals = 0;
        SimulationIntoFileSinks sinks;
        sinks.progress.stopRequested = [&] { return ++intervals > 4; };
        const SimulationIntoFileOutcome outcome = RunSimulationIntoFile(endless, ResultsFilePath(), sinks);
        QVERIFY(outcome.stopped);
        QCOMPARE(outcome.reached, 12.0);
        QCOMPARE(timesOf(storedRows("AB")), (QList<double>{0, 3, 6, 9, 12}));

        SimulationInput refused = endless;
        refused.recordingInterval = 0;
        QCOMPARE(faultNumberOf([&] { RunSimulationIntoFile(refused, ResultsFilePath()); }),
                 int(RuntimeFault::InvalidProcedureCall));
        QCOMPARE(storedRows("AB").size(), 5);
        QVERIFY(!RunSimulationIntoFile(tenSecondsEveryThree(), ResultsFilePath()).stopped);
    }

    // [A/B] in nM against seconds: X from 0 to 10, the rows up to 10 s drawn.
    void theComplexIsDrawnAgainstTime()
    {
        const QList<ResultRecord> s = runIntoResultsFile(tenSecondsEveryThree(1));
        PlotSimulationResults(10.0);
        QCOMPARE(Session::current().graphSource(), modPlot_Graph::DynamicTool);
        QList<double> values;
        for (const ResultRecord &r : s)
            values.append(r.AB * (1 / 1e-9)); // scaled as the plot scales
        // [A/B] rises from 0.5 nM (0.49999999999999994 once scaled, just
        // below the tenth) to 0.518 nM at 12 s: Y runs from 0.4 to 0.6.
        QList<QPointF> expected;
        for (int i = 0; i < 4; ++i) // 0, 3, 6, 9; 12 s lies beyond the axis
            expected.append(expectedAt(s[i].time, values[i], 10, 0.4, 0.6));
        QCOMPARE(curvePoints(), expected);
        QVERIFY(scriptedMessages().shown.isEmpty());

        // Stored results are plotted over their own times: 0 … 12 s.
        appWindows().graph->PicGraph->clear();
        PlotStoredResults();
        QCOMPARE(curvePoints().size(), 5);
        QCOMPARE(curvePoints().last().x(), 2100.0 + 3200);
    }

    // A, B and [A/B] in one graph over decades of seconds: A as the first
    // curve, B and [A/B] in the next colours, each from its first time after 0.
    void theSpeciesTogetherOnADecadeTimeAxis()
    {
        Session::current().setTimeUnit(QStringLiteral("s"), 1.0f);
        const QList<ResultRecord> s = runIntoResultsFile(tenSecondsEveryThree(1)); // 0, 3, 6, 9, 12 s
        options->optDyn_YTogether->setChecked(true);
        options->chkDynLogTime->setChecked(true);
        Session::current().setSettingsChanged(false);
        QVERIFY(PlotStoredResults());
        const DisplayList &list = appWindows().graph->PicGraph->displayList();

        // 3 s to 12 s: the decades 10^0 .. 10^2.
        QStringList xLabels;
        for (const DisplayItem &item : list.items())
            if (item.kind == DisplayItem::Text && item.y1 > 4000)
                xLabels << list.textOf(item);
        QCOMPARE(xLabels.join(' '), QString("10 0 10 1 10 2"));
        const auto legend = [&list] {
            QStringList texts;
            for (const DisplayItem &item : list.legendItems())
                if (item.kind == DisplayItem::Text)
                    texts << list.textOf(item);
            return texts;
        };
        QCOMPARE(legend(), QStringList({"A", "B", "[A/B]"}));
        QCOMPARE(appWindows().graph->lblY_axis->text(), QString("[A], [B], [A/B] (nM)"));

        // A run with a competitor shows it and its complex too.
        SimulationInput challenged = tenSecondsEveryThree(1);
        challenged.competitorChallenge = true;
        challenged.events = {{4.0, -5e-9, EventTarget::A}};
        runIntoResultsFile(challenged);
        QVERIFY(PlotStoredResults());
        QCOMPARE(legend(), QStringList({"A", "B", "[A/B]", "C", "[C/B]"}));

        // The first point of A at log10(3 s) on the X axis; B's curve, orange, starts there too.
        const double firstX = 2100 + std::log10(3.0) * 3200 / 2;
        QCOMPARE(curvePoints().first().x(), double(qRound(firstX)));
        const auto orange = std::find_if(list.items().begin(), list.items().end(), [](const DisplayItem &item) {
            return item.kind == DisplayItem::Line && item.color == qRgb(230, 159, 0);
        });
        QVERIFY(orange != list.items().end());
        QVERIFY(std::fabs(orange->x1 - firstX) < 1);
    }

    // A rate in nM per minute, and a manual X maximum rewritten as read.
    void theChosenRateIsScaledToTheShownUnits()
    {
        Session::current().setTimeUnit(QStringLiteral("min."), 60.0f);
        SimulationInput in = tenSecondsEveryThree(1);
        in.endTime = 600.0;
        const QList<ResultRecord> s = runIntoResultsFile(in);
        options->optDyn_YdAdt->setChecked(true);
        options->txtX_max->setText(QStringLiteral("6 min"));
        Session::current().setSettingsChanged(false);
        PlotSimulationResults(600.0);
        QCOMPARE(options->txtX_max->text(), QStringLiteral("6"));

        QList<double> values;
        for (const ResultRecord &r : s)
            values.append(r.rA * (60.0 / 1e-9));
        const QList<QPointF> drawn = curvePoints();
        QCOMPARE(drawn.size(), 121); // every 3 s up to 6 minutes
        // The rate of A rises from -1.5e-12 M/s (-0.09000000000000001 nM per
        // minute, just beyond the hundredth) to about -0.011 nM per minute at
        // 10 minutes, near equilibrium: Y runs from -0.1 to -0.01.
        QCOMPARE(drawn[1], expectedAt(3.0 / 60, values[1], 6, -0.1, -0.01));
        QCOMPARE(drawn.last(), expectedAt(360.0 / 60, values[120], 6, -0.1, -0.01));
    }

    // A run whose values do not change, or of end time 0, has a one-value
    // range; the graph opens it instead of dividing by zero.
    void aRangeOfOneValueIsOpened()
    {
        Session::current().setConcentrationUnit(QStringLiteral("M"), 1); // the value stays exactly 5
        SimulationInput in;
        in.initialA = 5;
        runIntoResultsFile(in);
        options->optDyn_YA->setChecked(true);
        Session::current().setSettingsChanged(false);
        PlotSimulationResults(0.0);
        Session::current().setConcentrationUnit(QStringLiteral("nM"), 1e-9);
        QCOMPARE(curvePoints(), (QList<QPointF>{QPointF(2100, 800 + 3200 / 2)}));
    }
};

VORNISH_TEST(ResultsFileTest)

#include "tst_results_file.moc"
