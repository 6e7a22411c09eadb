#include "dynamic/ResultsStore.h"

#include "platform/DatabaseConnection.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeFault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

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
    case ResultsTable::AB:
        break;
    }
    return QStringLiteral("AB");
}

constexpr std::array<ResultsTable, 3> Tables = {ResultsTable::A, ResultsTable::B, ResultsTable::AB};

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

void CreateResultsDatabase(const QString &path)
{
    DatabaseConnection &db = DatabaseConnection::shared();
    db.open(path, true);
    // All three tables or none: a kill in between must not leave a file
    // that cannot be plotted.
    try {
        db.execute(QStringLiteral("begin"));
        for (ResultsTable table : Tables)
            db.execute(QStringLiteral("create table [%1] ([Time] double, [Concentration] double, "
                                      "[Rate (dC/dt)] double)")
                           .arg(tableName(table)));
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

void ResetResultsDatabase(const QString &path)
{
    ReleaseResultsFile();
    if (QFileInfo::exists(path) && !QFile::remove(path))
        throw RuntimeFault(PathFileAccessError, QStringLiteral("Path/File access error: ") + path);
    CreateResultsDatabase(path);
}

struct ResultsAppender::Statements
{
    explicit Statements(DatabaseConnection &db)
        : insertA(db, insertInto(ResultsTable::A))
        , insertB(db, insertInto(ResultsTable::B))
        , insertAB(db, insertInto(ResultsTable::AB))
        , removeA(db, removeFrom(ResultsTable::A))
        , removeB(db, removeFrom(ResultsTable::B))
    {
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

    DatabaseStatement insertA, insertB, insertAB;
    DatabaseStatement removeA, removeB;
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

} // namespace

ResultsAppender::ResultsAppender(const QString &path)
{
    DatabaseConnection &db = DatabaseConnection::shared();
    db.open(path, false);
    m_statements = std::make_unique<Statements>(db);
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
    insertRow(s.insertA, r.time, r.A, r.rA);
    const qint64 rowA = db.lastInsertRowId();
    try {
        insertRow(s.insertB, r.time, r.B, r.rB);
    } catch (const RuntimeFault &) {
        removeRow(s.removeA, rowA);
        throw;
    }
    const qint64 rowB = db.lastInsertRowId();
    try {
        insertRow(s.insertAB, r.time, r.AB, r.rAB);
    } catch (const RuntimeFault &) {
        removeRow(s.removeA, rowA);
        removeRow(s.removeB, rowB);
        throw;
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
