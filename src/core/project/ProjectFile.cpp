#include "project/ProjectFile.h"

#include "project/SqliteFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryFile>
#include <QUrl>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Project {
namespace {

// The results tables of every run, then those of a run with a competitor.
const QStringList MainResultsTables = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("AB")};
const QStringList ResultsTables = MainResultsTables + QStringList{QStringLiteral("C"), QStringLiteral("CB")};

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// fsync of a file or a folder by its path; false with errno set.
bool syncPath(const QString &path, bool folder)
{
    const int fd = ::open(QFile::encodeName(path).constData(), folder ? O_RDONLY | O_DIRECTORY : O_RDWR);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

// Writes a database whole: fill() writes it under a temporary name beside
// path, which replaces path only once every byte is on the disk.
template <typename Fill>
QString writeDatabaseWhole(const QString &path, Fill fill)
{
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                             + QStringLiteral(".saving-XXXXXX"));
    if (!temporary.open())
        return temporary.errorString();
    const QString temporaryPath = temporary.fileName();
    temporary.close(); // SQLite opens it: an empty file is an empty database
    try {
        SqliteFile file(temporaryPath, SqliteFile::Mode::Create);
        // The file is new and renamed only when complete: no journal needed.
        file.execute(QStringLiteral("pragma journal_mode=off; pragma synchronous=off"));
        file.execute(QStringLiteral("begin"));
        fill(file);
        file.execute(QStringLiteral("commit"));
        file.close();
    } catch (const SqliteFile::Failure &failure) {
        return failure.text;
    }
    if (!syncPath(temporaryPath, false)
        || ::rename(QFile::encodeName(temporaryPath).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData())
               != 0)
        return systemReason();
    temporary.setAutoRemove(false);        // it is the destination now
    syncPath(target.absolutePath(), true); // the rename itself reaches the disk
    // What a kill left of earlier writes of this file is of no use now.
    const QDir folder = target.absoluteDir();
    for (const QString &left : folder.entryList({QStringLiteral(".") + target.fileName() + QStringLiteral(".saving-*")},
                                                QDir::Files | QDir::Hidden))
        QFile::remove(folder.filePath(left));
    return QString();
}

QString quotedName(const QString &name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// The results tables an attached database named schema holds, with their
// creating statements.
QList<QPair<QString, QString>> resultsTablesOf(SqliteFile &file, const QString &schema)
{
    QList<QPair<QString, QString>> tables;
    SqliteFile::Statement list(file,
                               QStringLiteral("select name, sql from %1.sqlite_master where type='table'").arg(schema));
    while (list.step())
        if (ResultsTables.contains(list.text(0)))
            tables.append({list.text(0), list.text(1)});
    return tables;
}

// Copies the results tables of the database attached as from into main.
void copyResults(SqliteFile &file, const QString &from)
{
    for (const auto &[name, sql] : resultsTablesOf(file, from)) {
        file.execute(sql); // the same fields, in the same order
        file.execute(QStringLiteral("insert into main.%1 select * from %2.%1").arg(quotedName(name), from));
    }
}

void attach(SqliteFile &file, const QString &path, const QString &as)
{
    SqliteFile::Statement attach(file, QStringLiteral("attach database ? as %1").arg(as));
    attach.bind(1, QStringLiteral("file:") + QString::fromUtf8(QUrl::toPercentEncoding(path, "/"))
                       + QStringLiteral("?mode=ro"));
    attach.run();
}

QJsonArray rowsAsJson(const QList<QStringList> &rows)
{
    QJsonArray array;
    for (const QStringList &row : rows)
        array.append(QJsonArray::fromStringList(row));
    return array;
}

QList<QStringList> rowsFromJson(const QJsonArray &array)
{
    QList<QStringList> rows;
    for (const QJsonValue &row : array) {
        QStringList cells;
        for (const QJsonValue &cell : row.toArray())
            cells.append(cell.toString());
        rows.append(cells);
    }
    return rows;
}

QString compactJson(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString compactJson(const QJsonArray &array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

void writeContent(SqliteFile &file, const Content &content)
{
    file.execute(QStringLiteral("create table project (key text primary key, value text);"
                                "create table parts (name text primary key, ord integer, [values] text, "
                                "binary blob);"
                                "create table data_tables (part text, ord integer, name text, columns text, "
                                "rows text)"));
    SqliteFile::Statement project(file, QStringLiteral("insert into project values (?, ?)"));
    const QPair<QString, QString> facts[] = {{QStringLiteral("format"), QString::number(FormatVersion)},
                                             {QStringLiteral("program"), QStringLiteral("Vornish %1.%2.%3")
                                                                             .arg(VORNISH_VERSION_MAJOR)
                                                                             .arg(VORNISH_VERSION_MINOR)
                                                                             .arg(VORNISH_VERSION_PATCH)},
                                             {QStringLiteral("saved"),
                                              QDateTime::currentDateTimeUtc().toString(Qt::ISODate)}};
    for (const auto &[key, value] : facts) {
        project.bind(1, key);
        project.bind(2, value);
        project.run();
    }
    SqliteFile::Statement part(file, QStringLiteral("insert into parts values (?, ?, ?, ?)"));
    SqliteFile::Statement table(file, QStringLiteral("insert into data_tables values (?, ?, ?, ?, ?)"));
    long long order = 0;
    for (auto it = content.begin(); it != content.end(); ++it, ++order) {
        part.bind(1, it.key());
        part.bind(2, order);
        part.bind(3, compactJson(it->values));
        part.bind(4, it->binary);
        part.run();
        long long tableOrder = 0;
        for (const DataTable &data : it->tables) {
            table.bind(1, it.key());
            table.bind(2, tableOrder++);
            table.bind(3, data.name);
            table.bind(4, compactJson(QJsonArray::fromStringList(data.columns)));
            table.bind(5, compactJson(rowsAsJson(data.rows)));
            table.run();
        }
    }
}

int formatOf(SqliteFile &file)
{
    SqliteFile::Statement format(file, QStringLiteral("select value from project where key = 'format'"));
    if (!format.step())
        throw Problem::NotProject;
    bool number = false;
    const int version = format.text(0).toInt(&number);
    if (!number || version < 1)
        throw Problem::Damaged;
    return version;
}

void readContent(SqliteFile &file, Opened &opened)
{
    SqliteFile::Statement saved(file, QStringLiteral("select value from project where key = 'saved'"));
    if (saved.step())
        opened.saved = saved.text(0);
    SqliteFile::Statement parts(file, QStringLiteral("select name, [values], binary from parts order by ord"));
    while (parts.step()) {
        QJsonParseError error{};
        const QJsonDocument values = QJsonDocument::fromJson(parts.text(1).toUtf8(), &error);
        if (error.error != QJsonParseError::NoError || !values.isObject())
            throw Problem::Damaged;
        PartState &state = opened.content[parts.text(0)];
        state.values = values.object();
        state.binary = parts.bytes(2);
    }
    SqliteFile::Statement tables(file, QStringLiteral(
                                           "select part, name, columns, rows from data_tables order by part, ord"));
    while (tables.step()) {
        const QJsonDocument columns = QJsonDocument::fromJson(tables.text(2).toUtf8());
        const QJsonDocument rows = QJsonDocument::fromJson(tables.text(3).toUtf8());
        if (!columns.isArray() || !rows.isArray())
            throw Problem::Damaged;
        DataTable data;
        data.name = tables.text(1);
        for (const QJsonValue &column : columns.array())
            data.columns.append(column.toString());
        data.rows = rowsFromJson(rows.array());
        opened.content[tables.text(0)].tables.append(data);
    }
    int mainTables = 0;
    for (const auto &table : resultsTablesOf(file, QStringLiteral("main")))
        mainTables += MainResultsTables.contains(table.first);
    opened.hasResults = mainTables == MainResultsTables.size();
}

bool looksLikeSqlite(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

} // namespace

QString Write(const QString &path, const Content &content, const QString &resultsPath)
{
    const bool withResults = !resultsPath.isEmpty() && QFileInfo::exists(resultsPath);
    return writeDatabaseWhole(path, [&](SqliteFile &file) {
        writeContent(file, content);
        if (withResults) {
            file.execute(QStringLiteral("commit")); // attach needs no open transaction
            attach(file, resultsPath, QStringLiteral("results"));
            file.execute(QStringLiteral("begin"));
            copyResults(file, QStringLiteral("results"));
            file.execute(QStringLiteral("commit; detach database results; begin"));
        }
    });
}

Opened Read(const QString &path)
{
    Opened opened;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        opened.problem = Problem::Missing;
        return opened;
    }
    if (!looksLikeSqlite(path)) {
        QFile file(path);
        opened.problem = file.open(QIODevice::ReadOnly) ? Problem::NotProject : Problem::Damaged;
        opened.detail = file.errorString();
        return opened;
    }
    try {
        SqliteFile file(path, SqliteFile::Mode::ReadOnly);
        const int format = formatOf(file);
        if (format > FormatVersion) {
            opened.problem = Problem::Newer;
            opened.detail = QString::number(format);
            return opened;
        }
        readContent(file, opened);
    } catch (const SqliteFile::Failure &failure) {
        // A database without the project's tables is some other program's;
        // a file that starts as a database but cannot be read as one is damaged.
        const bool foreign = failure.code == SQLITE_ERROR && failure.text.startsWith(QLatin1String("no such table"));
        opened = Opened();
        opened.problem = foreign ? Problem::NotProject : Problem::Damaged;
        opened.detail = failure.text;
    } catch (Problem problem) {
        opened = Opened();
        opened.problem = problem;
    }
    return opened;
}

QString RestoreResults(const QString &projectPath, const QString &resultsPath)
{
    return writeDatabaseWhole(resultsPath, [&](SqliteFile &file) {
        file.execute(QStringLiteral("commit"));
        attach(file, projectPath, QStringLiteral("project"));
        file.execute(QStringLiteral("begin"));
        copyResults(file, QStringLiteral("project"));
        file.execute(QStringLiteral("commit; detach database project; begin"));
    });
}

const DataTable *FindTable(const Content &content, const QString &name)
{
    for (const PartState &part : content)
        for (const DataTable &table : part.tables)
            if (table.name == name)
                return &table;
    return nullptr;
}

QStringList TableNames(const Content &content)
{
    QStringList names;
    for (const PartState &part : content)
        for (const DataTable &table : part.tables)
            names.append(table.name);
    return names;
}

} // namespace Project
