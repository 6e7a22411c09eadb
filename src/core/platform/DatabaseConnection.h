#pragma once

#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The one connection to a database file that the program keeps: the
// appends, the reads and the data-bound grid that displays the file all go
// through it. Qt Sql's SQLite driver owns the connection; fast appends and
// scans use the SQLite handle behind it. Failures are RuntimeFaults numbered
// and described by SQLite, or 53 "File not found" for a file that must exist.
class DatabaseConnection
{
public:
    static DatabaseConnection &shared();

    // Opens the file at path, closing another file first; nothing happens
    // when it is already open. A missing file is created only when create
    // is true.
    void open(const QString &path, bool create);

    // Releases the file: every holder is asked to let go first (see
    // addHolder), then the connection closes. Safe to call when closed.
    void close();

    bool isOpen() const;
    QString fileName() const;
    sqlite3 *handle() const;

    // The connection for Qt Sql models and queries.
    QSqlDatabase database() const;

    // Runs statements that return no rows.
    void execute(const QString &sql);

    // The row id of the last row inserted through this connection.
    qint64 lastInsertRowId() const;

    // What keeps a query of the file open (a grid's model) registers how to
    // let it go, keyed by its owner, and unregisters when it is destroyed.
    void addHolder(const void *owner, std::function<void()> release);
    void removeHolder(const void *owner);

    // The fault for the connection's last SQLite error.
    [[noreturn]] void throwLastError() const;

private:
    DatabaseConnection() = default;

    QString m_connectionName = QStringLiteral("VornishResults");
    sqlite3 *m_handle = nullptr;
    std::vector<std::pair<const void *, std::function<void()>>> m_holders;
};

// A prepared statement on the connection's SQLite handle. It must be
// destroyed before the connection closes.
class DatabaseStatement
{
public:
    DatabaseStatement(DatabaseConnection &connection, const QString &sql);
    ~DatabaseStatement();
    DatabaseStatement(const DatabaseStatement &) = delete;
    DatabaseStatement &operator=(const DatabaseStatement &) = delete;

    void bind(int index, double value); // index from 1
    // Steps once: true when a row is ready, false when done. Throws on failure.
    bool step();
    void reset();
    // Steps to the end and resets, for a statement without rows.
    void run();

    int columnIndex(const QString &name) const; // -1 when absent
    double columnDouble(int index) const;       // index from 0

private:
    DatabaseConnection &m_connection;
    sqlite3_stmt *m_statement = nullptr;
};
