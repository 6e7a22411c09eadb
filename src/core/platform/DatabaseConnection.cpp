#include "platform/DatabaseConnection.h"

#include "platform/RuntimeFault.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>

#include <sqlite3.h>

namespace {

constexpr int FileNotFound = 53;

RuntimeFault sqliteFault(int code, const char *message)
{
    return RuntimeFault(code, QString::fromUtf8(message ? message : sqlite3_errstr(code)));
}

} // namespace

DatabaseConnection &DatabaseConnection::shared()
{
    static DatabaseConnection connection;
    return connection;
}

void DatabaseConnection::open(const QString &path, bool create)
{
    if (isOpen() && fileName() == path)
        return;
    close();
    if (!create && !QFileInfo::exists(path))
        throw RuntimeFault(FileNotFound, QStringLiteral("File not found: ") + path);

    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? QSqlDatabase::database(m_connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    if (!db.open()) {
        const QSqlError error = db.lastError();
        bool numbered = false;
        const int code = error.nativeErrorCode().toInt(&numbered);
        throw RuntimeFault(numbered ? code : SQLITE_CANTOPEN, error.driverText());
    }
    const QVariant handle = db.driver()->handle();
    m_handle = *static_cast<sqlite3 *const *>(handle.constData());
}

void DatabaseConnection::close()
{
    // A holder may unregister while it lets go.
    const auto holders = m_holders;
    for (const auto &holder : holders)
        holder.second();
    m_handle = nullptr;
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::database(m_connectionName, false).close();
}

bool DatabaseConnection::isOpen() const
{
    return m_handle != nullptr;
}

QString DatabaseConnection::fileName() const
{
    return isOpen() ? QSqlDatabase::database(m_connectionName, false).databaseName() : QString();
}

sqlite3 *DatabaseConnection::handle() const
{
    return m_handle;
}

QSqlDatabase DatabaseConnection::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void DatabaseConnection::execute(const QString &sql)
{
    char *message = nullptr;
    const int code = sqlite3_exec(m_handle, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (code != SQLITE_OK) {
        const RuntimeFault fault = sqliteFault(code, message);
        sqlite3_free(message);
        throw fault;
    }
}

qint64 DatabaseConnection::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_handle);
}

void DatabaseConnection::addHolder(const void *owner, std::function<void()> release)
{
    removeHolder(owner);
    m_holders.emplace_back(owner, std::move(release));
}

void DatabaseConnection::removeHolder(const void *owner)
{
    for (auto it = m_holders.begin(); it != m_holders.end(); ++it) {
        if (it->first == owner) {
            m_holders.erase(it);
            return;
        }
    }
}

void DatabaseConnection::throwLastError() const
{
    throw sqliteFault(sqlite3_errcode(m_handle), sqlite3_errmsg(m_handle));
}

DatabaseStatement::DatabaseStatement(DatabaseConnection &connection, const QString &sql)
    : m_connection(connection)
{
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(connection.handle(), text.constData(), int(text.size()), &m_statement, nullptr)
        != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        connection.throwLastError();
    }
}

DatabaseStatement::~DatabaseStatement()
{
    sqlite3_finalize(m_statement);
}

void DatabaseStatement::bind(int index, double value)
{
    sqlite3_bind_double(m_statement, index, value);
}

bool DatabaseStatement::step()
{
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    m_connection.throwLastError();
}

void DatabaseStatement::reset()
{
    sqlite3_reset(m_statement);
}

void DatabaseStatement::run()
{
    while (step()) {
    }
    reset();
}

int DatabaseStatement::columnIndex(const QString &name) const
{
    const int count = sqlite3_column_count(m_statement);
    for (int i = 0; i < count; ++i)
        if (name.compare(QString::fromUtf8(sqlite3_column_name(m_statement, i)), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

double DatabaseStatement::columnDouble(int index) const
{
    return sqlite3_column_double(m_statement, index);
}
