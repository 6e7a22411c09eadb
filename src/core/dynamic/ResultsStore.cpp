#include "dynamic/ResultsStore.h"

#include "platform/DatabaseConnection.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeFault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <utility>
#include <vector>

namespace modVornish {
namespace {

const QString ResultsFileName = QStringLiteral("Temp.mdb");
constexpr int PathFileAccessError = 75;

// Commits of a large batch cost little next to its rows. A crash loses at
// most the samples of the last second (or this many, whichever is fewer); a
// fault none.
constexpr int SamplesPerCommit = 65536;
constexpr qint64 MillisecondsPerCommit = 1000;

QString tableName(ResultsTable table)
{
    switch (table) {
    case ResultsTable::A:
        return QStringLiteral("A");
    case ResultsTable::B:
        return QStringLiteral("B");
    case ResultsTable::C:
        return QStringLiteral("C");
    case ResultsTable::CB:
        return QStringLiteral("CB");
    case ResultsTable::AB:
        break;
    }
    return QStringLiteral("AB");
}

// Every table in ResultsTable order: the first three in every file.
constexpr std::array<ResultsTable, 5> Tables = {ResultsTable::A, ResultsTable::B, ResultsTable::AB, ResultsTable::C,
                                                ResultsTable::CB};
constexpr size_t MainTables = 3;

size_t tablesOf(bool withCompetitor)
{
    return withCompetitor ? Tables.size() : MainTables;
}

} // namespace

QString ResultsQuery(ResultsTable table)
{
    return QStringLiteral("select [Time],[Concentration],[Rate (dC/dt)] from [%1]").arg(tableName(table));
}

QString ResultsFilePath()
{
    const QString folder = modVnPublic::WritableFolder();
    QDir().mkpath(folder);
    return QDir(folder).filePath(ResultsFileName);
}

void CreateResultsDatabase(const QString &path, bool withCompetitor)
{
    DatabaseConnection &db = DatabaseConnection::shared();
    db.open(path, true);
    // All tables or none: a kill in between must not leave a file that
    // cannot be plotted.
    try {
        db.execute(QStringLiteral("begin"));
        for (size_t i = 0; i < tablesOf(withCompetitor); ++i)
            db.execute(QStringLiteral("create table [%1] ([Time] double, [Concentration] double, "
                                      "[Rate (dC/dt)] double)")
                           .arg(tableName(Tables[i])));
        db.execute(QStringLiteral("commit"));
    } catch (const RuntimeFault &) {
        db.close(); // rolls back what was begun
        throw;
    }
    db.close();
}

void ReleaseResultsFile()
{
    DatabaseConnection::shared().close();
}

void ResetResultsDatabase(const QString &path, bool withCompetitor)
{
    ReleaseResultsFile();
    if (QFileInfo::exists(path) && !QFile::remove(path))
        throw RuntimeFault(PathFileAccessError, QStringLiteral("Path/File access error: ") + path);
    CreateResultsDatabase(path, withCompetitor);
}

struct ResultsAppender::Statements
{
    Statements(DatabaseConnection &db, size_t tables)
    {
        for (size_t i = 0; i < tables; ++i) {
            inserts.push_back(std::make_unique<DatabaseStatement>(db, insertInto(Tables[i])));
            removes.push_back(std::make_unique<DatabaseStatement>(db, removeFrom(Tables[i])));
        }
    }

    static QString insertInto(ResultsTable table)
    {
        return QStringLiteral("insert into [%1] ([Time],[Concentration],[Rate (dC/dt)]) values (?,?,?)")
            .arg(tableName(table));
    }
    static QString removeFrom(ResultsTable table)
    {
        return QStringLiteral("delete from [%1] where rowid = ?").arg(tableName(table));
    }

    std::vector<std::unique_ptr<DatabaseStatement>> inserts, removes; // one of each a table
};

namespace {

void insertRow(DatabaseStatement &insert, double time, double concentration, double rate)
{
    insert.bind(1, time);
    insert.bind(2, concentration);
    insert.bind(3, rate);
    try {
        insert.run();
    } catch (...) {
        insert.reset();
        throw;
    }
}

void removeRow(DatabaseStatement &remove, qint64 rowId)
{
    try {
        remove.bind(1, double(rowId));
        remove.run();
    } catch (const RuntimeFault &) {
        remove.reset(); // the fault that brought us here is the one to report
    }
}

bool hasCompetitorTables(DatabaseConnection &db)
{
    DatabaseStatement tables(db, QStringLiteral("select count(*) from sqlite_master where type = 'table' and name in "
                                                "('C', 'CB')"));
    return tables.step() && tables.columnDouble(0) == 2;
}

} // namespace

ResultsAppender::ResultsAppender(const QString &path)
{
    DatabaseConnection &db = DatabaseConnection::shared();
    db.open(path, false);
    m_tables = tablesOf(hasCompetitorTables(db));
    m_statements = std::make_unique<Statements>(db, m_tables);
}

ResultsAppender::~ResultsAppender()
{
    if (!m_inTransaction)
        return;
    try {
        DatabaseConnection::shared().execute(QStringLiteral("commit"));
    } catch (const RuntimeFault &) {
        // Only reached while another fault ends the run; that one is reported.
    }
}

void ResultsAppender::AppendResultRecord(const ResultRecord &r)
{
    DatabaseConnection &db = DatabaseConnection::shared();
    if (!m_inTransaction) {
        db.execute(QStringLiteral("begin"));
        m_inTransaction = true;
        m_sinceCommit.start();
    }
    Statements &s = *m_statements;
    const std::array<std::pair<double, double>, Tables.size()> values = {
        {{r.A, r.rA}, {r.B, r.rB}, {r.AB, r.rAB}, {r.C, r.rC}, {r.CB, r.rCB}}};
    std::array<qint64, Tables.size()> rows{};
    for (size_t i = 0; i < m_tables; ++i) {
        try {
            insertRow(*s.inserts[i], r.time, values[i].first, values[i].second);
        } catch (const RuntimeFault &) {
            for (size_t j = 0; j < i; ++j)
                removeRow(*s.removes[j], rows[j]);
            throw;
        }
        rows[i] = db.lastInsertRowId();
    }
    if (++m_uncommitted >= SamplesPerCommit || m_sinceCommit.elapsed() >= MillisecondsPerCommit)
        finish();
}

void ResultsAppender::finish()
{
    if (!m_inTransaction)
        return;
    DatabaseConnection::shared().execute(QStringLiteral("commit"));
    m_inTransaction = false;
    m_uncommitted = 0;
}

} // namespace modVornish
