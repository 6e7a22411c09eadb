#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// A database file of its own connection, apart from the results file's
// shared one: a project being written or read. Failures throw
// SqliteFile::Failure with SQLite's code and text.
class SqliteFile
{
public:
    struct Failure
    {
        int code;
        QString text;
    };

    enum class Mode { ReadOnly, Create };
    SqliteFile(const QString &path, Mode mode);
    ~SqliteFile();
    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    void execute(const QString &sql);
    // Closes the file now, reporting what closing found.
    void close();

    class Statement
    {
    public:
        Statement(SqliteFile &file, const QString &sql);
        ~Statement();
        Statement(const Statement &) = delete;
        Statement &operator=(const Statement &) = delete;

        void bind(int index, const QString &text); // index from 1
        void bind(int index, const QByteArray &bytes);
        void bind(int index, long long value);
        bool step(); // true: a row is ready
        void run();  // steps to the end and resets
        QString text(int column) const;
        QByteArray bytes(int column) const;
        long long integer(int column) const;

    private:
        SqliteFile &m_file;
        sqlite3_stmt *m_statement = nullptr;
    };

private:
    [[noreturn]] void fail(int code) const;
    sqlite3 *m_db = nullptr;
};
