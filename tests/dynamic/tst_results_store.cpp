#include "TestFixture.h"

#include "dynamic/ResultsReading.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/SimulationEngine.h"
#include "platform/DatabaseConnection.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeFault.h"

#include <QFile>
#include <QStandardPaths>

#include <sqlite3.h>

using namespace modVornish;

namespace {

SimulationInput tenSecondsEveryThree()
{
    SimulationInput in;
    in.initialA = 1e-9;
    in.initialB = 2e-9;
    in.initialAB = 0.5e-9;
    in.kAss = 1e6;
    in.kDiss = 1e-3;
    in.endTime = 10.0;
    in.recordingInterval = 3.0;
    in.precisionFactor = PrecisionFactor(1);
    return in;
}

// Runs into a fresh results file and returns the samples given to it.
QList<ResultRecord> runIntoFile(const SimulationInput &in, const QString &path)
{
    ResetResultsDatabase(path);
    QList<ResultRecord> samples;
    ResultsAppender appender(path);
    RunSimulation(in, [&](const ResultRecord &r) {
        appender.AppendResultRecord(r);
        samples.append(r);
    });
    appender.finish();
    return samples;
}

struct Row
{
    double time, concentration, rate;
    bool operator==(const Row &o) const
    {
        return time == o.time && concentration == o.concentration && rate == o.rate;
    }
};

// The rows of a table, read by a connection of its own, so that what is
// checked is what a later program would find in the file.
QList<Row> rowsInFile(const QString &path, const QString &table)
{
    QList<Row> rows;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt *st = nullptr;
    const QByteArray sql = ResultsQuery(table == "A" ? ResultsTable::A
                                        : table == "B" ? ResultsTable::B : ResultsTable::AB).toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW)
            rows.append({sqlite3_column_double(st, 0), sqlite3_column_double(st, 1),
                         sqlite3_column_double(st, 2)});
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

QList<double> timesOf(const QList<Row> &rows)
{
    QList<double> times;
    for (const Row &r : rows)
        times.append(r.time);
    return times;
}

int faultNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeFault &f) {
        return f.number();
    }
    return 0;
}

} // namespace

class ResultsStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ReleaseResultsFile();
        TestFixture::resetFolders();
    }

    void theQueryTextsAreTheStoredOnes()
    {
        QCOMPARE(ResultsQuery(ResultsTable::A), QStringLiteral("select [Time],[Concentration],[Rate (dC/dt)] from [A]"));
        QCOMPARE(ResultsQuery(ResultsTable::B), QStringLiteral("select [Time],[Concentration],[Rate (dC/dt)] from [B]"));
        QCOMPARE(ResultsQuery(ResultsTable::AB), QStringLiteral("select [Time],[Concentration],[Rate (dC/dt)] from [AB]"));
    }

    void theFileLivesInTheProgramFolderOrElseTheUsersDataFolder()
    {
        QCOMPARE(ResultsFilePath(), modVnPublic::ProgramFilePath(QStringLiteral("Temp.mdb")));

        QStandardPaths::setTestModeEnabled(true);
        modVnPublic::SetProgramFolder(TestFixture::temporaryFolder() + QStringLiteral("/no such folder"));
        const QString userPath = ResultsFilePath();
        QCOMPARE(userPath, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                               + QStringLiteral("/Vornish/Temp.mdb"));
        ResetResultsDatabase(userPath);
        QVERIFY(QFile::exists(userPath));
        ReleaseResultsFile();
        QFile::remove(userPath);
        QStandardPaths::setTestModeEnabled(false);
    }

    void eachSampleIsOneRowPerTableInOrder()
    {
        const QString path = ResultsFilePath();
        const QList<ResultRecord> samples = runIntoFile(tenSecondsEveryThree(), path);
        ReleaseResultsFile();
        const QList<Row> a = rowsInFile(path, "A");
        QCOMPARE(timesOf(a), (QList<double>{0, 3, 6, 9, 12}));
        QCOMPARE(samples.size(), 5);
        for (int i = 0; i < samples.size(); ++i) {
            const ResultRecord &s = samples[i];
            QCOMPARE(a[i], (Row{s.time, s.A, s.rA}));
            QCOMPARE(rowsInFile(path, "B")[i], (Row{s.time, s.B, s.rB}));
            QCOMPARE(rowsInFile(path, "AB")[i], (Row{s.time, s.AB, s.rAB}));
        }
    }

    void eventRowsLieBetweenTheIntervalRows()
    {
        SimulationInput in = tenSecondsEveryThree();
        in.events = {{4.0, 1e-9, EventTarget::B}};
        const QString path = ResultsFilePath();
        runIntoFile(in, path);
        const QList<double> times = timesOf(rowsInFile(path, "AB"));
        QCOMPARE(times.size(), 7);
        QVERIFY(times[2] >= 4.0 && times[2] < 6.0 && times[3] == times[2] && times[4] == 6.0);
    }

    void aSecondRunReplacesTheFirst()
    {
        const QString path = ResultsFilePath();
        runIntoFile(tenSecondsEveryThree(), path);
        SimulationInput shorter = tenSecondsEveryThree();
        shorter.endTime = 3.0;
        // The first run's file is still open for reading when the second starts.
        double low = 0, high = 0;
        modPlot_Graph::ScanFieldRange(path, ResultsQuery(ResultsTable::A), TimeField, low, high);
        runIntoFile(shorter, path);
        for (const char *table : {"A", "B", "AB"})
            QCOMPARE(timesOf(rowsInFile(path, table)), (QList<double>{0, 3}));
    }

    void scanningFindsTheRangeOrLeavesItAlone()
    {
        const QString path = ResultsFilePath();
        const QList<ResultRecord> samples = runIntoFile(tenSecondsEveryThree(), path);
        double low = -1, high = -1;
        modPlot_Graph::ScanFieldRange(path, ResultsQuery(ResultsTable::AB), TimeField, low, high);
        QCOMPARE(low, 0.0);
        QCOMPARE(high, 12.0);
        modPlot_Graph::ScanFieldRange(path, ResultsQuery(ResultsTable::A), ConcentrationField, low, high);
        QCOMPARE(high, samples[0].A); // A only falls here
        QCOMPARE(low, samples.last().A);

        // All equal values give that value twice.
        SimulationInput still;
        still.endTime = 10.0;
        still.recordingInterval = 3.0;
        still.precisionFactor = PrecisionFactor(0);
        still.initialA = 5e-9;
        runIntoFile(still, path);
        modPlot_Graph::ScanFieldRange(path, ResultsQuery(ResultsTable::A), ConcentrationField, low, high);
        QCOMPARE(low, 5e-9);
        QCOMPARE(high, 5e-9);

        // An empty table leaves the caller's values.
        ResetResultsDatabase(path);
        low = 7;
        high = 8;
        modPlot_Graph::ScanFieldRange(path, ResultsQuery(ResultsTable::A), RateField, low, high);
        QCOMPARE(low, 7.0);
        QCOMPARE(high, 8.0);
        QVERIFY(IsResultsTableEmpty(path, ResultsQuery(ResultsTable::B)));
    }

    void anArithmeticFaultKeepsTheSamplesBeforeIt()
    {
        SimulationInput in = tenSecondsEveryThree();
        in.kDiss = 10.0;
        in.events = {{4.0, 1e308, EventTarget::AB}}; // the rates after it overflow
        const QString path = ResultsFilePath();
        ResetResultsDatabase(path);
        const int number = faultNumberOf([&] {
            ResultsAppender appender(path);
            RunSimulation(in, [&](const ResultRecord &r) { appender.AppendResultRecord(r); });
            appender.finish();
        });
        QCOMPARE(number, int(RuntimeFault::Overflow));
        ReleaseResultsFile();
        for (const char *table : {"A", "B", "AB"})
            QCOMPARE(rowsInFile(path, table).size(), 3); // 0 s, 3 s, before the event
    }

    void aDatabaseFaultKeepsWholeSamplesOnly()
    {
        const QString path = ResultsFilePath();
        ResetResultsDatabase(path);
        int appended = 0;
        const int number = faultNumberOf([&] {
            ResultsAppender appender(path);
            RunSimulation(tenSecondsEveryThree(), [&](const ResultRecord &r) {
                if (appended == 2)
                    DatabaseConnection::shared().execute(QStringLiteral("drop table [B]"));
                appender.AppendResultRecord(r);
                ++appended;
            });
        });
        QCOMPARE(number, SQLITE_ERROR);
        ReleaseResultsFile();
        QCOMPARE(timesOf(rowsInFile(path, "A")), (QList<double>{0, 3}));
        QCOMPARE(timesOf(rowsInFile(path, "AB")), (QList<double>{0, 3}));
    }

    void filesThatAreMissingEmptyOrForeignFailCleanly()
    {
        const QString path = ResultsFilePath();
        const QString query = ResultsQuery(ResultsTable::AB);
        double low = 0, high = 0;
        QCOMPARE(faultNumberOf([&] { modPlot_Graph::ScanFieldRange(path, query, TimeField, low, high); }), 53);
        QVERIFY(!QFile::exists(path)); // reading never creates the file

        QFile empty(path);
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QVERIFY(IsResultsTableEmpty(path, query));
        ReleaseResultsFile();

        QFile foreign(path);
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write(QByteArray(4096, 'x'));
        foreign.close();
        QCOMPARE(faultNumberOf([&] { IsResultsTableEmpty(path, query); }), SQLITE_NOTADB);
        ReleaseResultsFile();
    }
};

VORNISH_TEST_MAIN(ResultsStoreTest)
#include "tst_results_store.moc"
