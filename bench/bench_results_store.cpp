// Rows per second appended to the results file during a run of 1,000,000
// recording intervals (3,000,000 rows), next to raw sqlite3 C API inserts of
// the same rows with prepared statements in one transaction, in the same run.

#include "BenchInput.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/SimulationEngine.h"
#include "platform/DatabaseConnection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <vector>

using namespace modVornish;

namespace {

constexpr int Intervals = 1000000;

SimulationInput benchInput()
{
    return benchmarkInput(Intervals, 0);
}

bool check(int code, sqlite3 *db)
{
    if (code == SQLITE_OK || code == SQLITE_DONE)
        return true;
    std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
    return false;
}

// The same rows through the bare C API: three prepared inserts, one transaction.
double rawInsertSeconds(const QString &path, const std::vector<ResultRecord> &samples)
{
    sqlite3 *db = nullptr;
    check(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr), db);
    const char *tables[3] = {"A", "B", "AB"};
    sqlite3_stmt *insert[3] = {};
    for (int i = 0; i < 3; ++i) {
        const QByteArray create = QStringLiteral("create table [%1] ([Time] double, [Concentration] double, "
                                                 "[Rate (dC/dt)] double)")
                                      .arg(QLatin1String(tables[i]))
                                      .toUtf8();
        check(sqlite3_exec(db, create.constData(), nullptr, nullptr, nullptr), db);
    }
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 3; ++i) {
        const QByteArray sql = QStringLiteral("insert into [%1] ([Time],[Concentration],[Rate (dC/dt)]) "
                                              "values (?,?,?)")
                                   .arg(QLatin1String(tables[i]))
                                   .toUtf8();
        check(sqlite3_prepare_v2(db, sql.constData(), -1, &insert[i], nullptr), db);
    }
    check(sqlite3_exec(db, "begin", nullptr, nullptr, nullptr), db);
    for (const ResultRecord &r : samples) {
        const double pairs[3][2] = {{r.A, r.rA}, {r.B, r.rB}, {r.AB, r.rAB}};
        for (int i = 0; i < 3; ++i) {
            sqlite3_bind_double(insert[i], 1, r.time);
            sqlite3_bind_double(insert[i], 2, pairs[i][0]);
            sqlite3_bind_double(insert[i], 3, pairs[i][1]);
            check(sqlite3_step(insert[i]), db);
            sqlite3_reset(insert[i]);
        }
    }
    check(sqlite3_exec(db, "commit", nullptr, nullptr, nullptr), db);
    const double seconds = timer.nsecsElapsed() / 1e9;
    for (sqlite3_stmt *s : insert)
        sqlite3_finalize(s);
    sqlite3_close(db);
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const SimulationInput in = benchInput();

    std::vector<ResultRecord> samples;
    samples.reserve(Intervals + 1);
    RunSimulation(in, [&](const ResultRecord &r) { samples.push_back(r); });
    const double rows = 3.0 * double(samples.size());

    QElapsedTimer timer;
    timer.start();
    RunSimulation(in, [](const ResultRecord &) {});
    const double engineSeconds = timer.nsecsElapsed() / 1e9;

    const QString path = folder.filePath(QStringLiteral("Temp.mdb"));
    ResetResultsDatabase(path);
    timer.restart();
    {
        ResultsAppender appender(path);
        RunSimulation(in, [&](const ResultRecord &r) { appender.AppendResultRecord(r); });
        appender.finish();
    }
    const double storeSeconds = timer.nsecsElapsed() / 1e9;
    ReleaseResultsFile();

    const double rawSeconds = rawInsertSeconds(folder.filePath(QStringLiteral("raw.db")), samples);

    std::printf("store_run_seconds: %.3f s\n", storeSeconds);
    std::printf("store_run_engine_alone_seconds: %.3f s\n", engineSeconds);
    std::printf("store_samples_per_second: %.3g samples/s\n", samples.size() / storeSeconds);
    std::printf("store_rows_per_second: %.3g rows/s\n", rows / storeSeconds);
    std::printf("raw_sqlite_rows_per_second: %.3g rows/s\n", rows / rawSeconds);
    std::printf("store_vs_raw_sqlite: %.2f\n", rawSeconds / storeSeconds);
    return 0;
}
