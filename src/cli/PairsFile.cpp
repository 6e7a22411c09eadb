#include "cli/PairsFile.h"

#include "cli/Failures.h"
#include "exchange/PairsReader.h"
#include "platform/Messages.h"
#include "project/ProjectFile.h"

#include <QBuffer>
#include <QFile>

#include <cstdio>

namespace cli {
namespace {

Pairs pairsOf(const PairsReader::Result &read)
{
    Pairs pairs;
    for (const PairsReader::Pair &pair : read.pairs) {
        pairs.bound.push_back(pair.bound);
        pairs.ratio.push_back(pair.ratio);
        pairs.lines.push_back(pair.line);
    }
    return pairs;
}

QString projectProblem(const Project::Opened &opened)
{
    switch (opened.problem) {
    case Project::Problem::None:
        break;
    case Project::Problem::Missing:
        return QStringLiteral("no such file");
    case Project::Problem::NotProject:
        return QStringLiteral("not a Vornish project");
    case Project::Problem::Newer:
        return QStringLiteral("saved by a newer version of Vornish (project format %1)").arg(opened.detail);
    case Project::Problem::Damaged:
        return QStringLiteral("the project file is damaged");
    }
    return QString();
}

// The table's rows as lines of tab-separated cells, one a row, read by the
// data file reader: the row numbers are its line numbers.
Pairs readProjectTable(const QString &path, const QString &tableName)
{
    const Project::Opened opened = Project::Read(path);
    if (opened.problem != Project::Problem::None)
        throw Refusal{QStringLiteral("cannot read project '%1': %2").arg(path, projectProblem(opened))};
    const Project::DataTable *table = Project::FindTable(opened.content, tableName);
    if (!table)
        throw Refusal{QStringLiteral("project '%1' has no table %2; its tables: %3")
                          .arg(path, Messages::quoted(tableName), Project::TableNames(opened.content).join(", "))};
    QByteArray text;
    for (const QStringList &row : table->rows)
        text += (row.join(QString()).trimmed().isEmpty() ? QString() : row.join(QLatin1Char('\t'))).toUtf8() + '\n';
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    const PairsReader::Result read = PairsReader::Read(buffer);
    if (read.stop != PairsReader::Stop::EndOfData)
        throw Refusal{QStringLiteral("%1, table %2, row %3: %4")
                          .arg(path, tableName)
                          .arg(read.line)
                          .arg(PairsReader::StopText(read))};
    return pairsOf(read);
}

} // namespace

Pairs ReadPairs(const QString &path)
{
    const bool standardInput = path == QLatin1String("-");
    const QString name = standardInput ? QStringLiteral("standard input") : path;
    QFile file(path);
    const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened)
        throw Refusal{QStringLiteral("cannot read '%1': %2").arg(name, file.errorString())};

    const PairsReader::Result read = PairsReader::Read(file);
    if (read.stop != PairsReader::Stop::EndOfData)
        throw Refusal{QStringLiteral("%1, line %2: %3").arg(name).arg(read.line).arg(PairsReader::StopText(read))};
    return pairsOf(read);
}

Option ProjectOption()
{
    return {"project", "FILE", "Read the pairs from a table of the project FILE (with --table)."};
}

Option TableOption()
{
    return {"table", "NAME", "The project's data table to read, as its window names it (e.g. Scatchard)."};
}

Pairs ReadPairsOf(const Arguments &arguments)
{
    const bool project = arguments.has("project");
    if (project != arguments.has("table"))
        throw UsageError{QStringLiteral("--project and --table go together")};
    if (!project)
        return ReadPairs(arguments.operands().first());
    if (!arguments.operands().isEmpty())
        throw UsageError{QStringLiteral("a data file and --project cannot be given together")};
    return readProjectTable(arguments.value("project"), arguments.value("table"));
}

} // namespace cli
