#include "project/SqliteFile.h"

#include <sqlite3.h>

SqliteFile::SqliteFile(const QString &path, Mode mode)
{
    const int flags = mode == Mode::Create ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    // URIs: a database is attached read-only by its "file:" URI.
    const int uri = SQLITE_OPEN_URI;
    const int code = sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags | uri, nullptr);
    if (code != SQLITE_OK) {
        const Failure failure{code, QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(code))};
        sqlite3_close(m_db);
        m_db = nullptr;
        throw failure;
    }
}

SqliteFile::~SqliteFile()
{
    sqlite3_close(m_db);
}

void SqliteFile::close()
{
    if (!m_db)
        return;
    const int code = sqlite3_close(m_db);
    if (code != SQLITE_OK)
        fail(code);
    m_db = nullptr;
}

void SqliteFile::execute(const QString &sql)
{
    const int code = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        fail(code);
}

void SqliteFile::fail(int code) const
{
    throw Failure{code, QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(code))};
}

SqliteFile::Statement::Statement(SqliteFile &file, const QString &sql)
    : m_file(file)
{
    const QByteArray text = sql.toUtf8();
    const int code = sqlite3_prepare_v2(file.m_db, text.constData(), int(text.size()), &m_statement, nullptr);
    if (code != SQLITE_OK)
        file.fail(code);
}

SqliteFile::Statement::~Statement()
{
    sqlite3_finalize(m_statement);
}

void SqliteFile::Statement::bind(int index, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void SqliteFile::Statement::bind(int index, const QByteArray &bytes)
{
    sqlite3_bind_blob64(m_statement, index, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
}

void SqliteFile::Statement::bind(int index, long long value)
{
    sqlite3_bind_int64(m_statement, index, value);
}

bool SqliteFile::Statement::step()
{
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    sqlite3_reset(m_statement);
    m_file.fail(code);
}

void SqliteFile::Statement::run()
{
    while (step()) {
    }
    sqlite3_reset(m_statement);
}

QString SqliteFile::Statement::text(int column) const
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column)),
                             sqlite3_column_bytes(m_statement, column));
}

QByteArray SqliteFile::Statement::bytes(int column) const
{
    const void *data = sqlite3_column_blob(m_statement, column);
    return QByteArray(static_cast<const char *>(data), sqlite3_column_bytes(m_statement, column));
}

long long SqliteFile::Statement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}
