#include "cli/ColumnsFile.h"

#include "cli/Failures.h"

#include <QFile>

#include <cstdio>

namespace cli {

ColumnsReader::Result ReadColumns(const QString &path, int maxValues)
{
    const bool standardInput = path == QLatin1String("-");
    const QString name = standardInput ? QStringLiteral("standard input") : path;
    QFile file(path);
    const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened)
        throw Refusal{QStringLiteral("cannot read '%1': %2").arg(name, file.errorString())};
    ColumnsReader::Result read = ColumnsReader::Read(file, maxValues, QStringLiteral("set"));
    if (read.stop != ColumnsReader::Stop::EndOfData)
        throw Refusal{
            QStringLiteral("%1, line %2: %3").arg(name).arg(read.line).arg(ColumnsReader::StopText(read, maxValues))};
    if (read.rows.empty())
        throw Refusal{QStringLiteral("%1 holds no rows of data").arg(name)};
    return read;
}

} // namespace cli
