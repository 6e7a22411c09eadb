#include "cli/PairsFile.h"

#include "cli/Failures.h"
#include "cli/Quantities.h"

#include <QFile>

#include <cstdio>
#include <vector>

namespace cli {
namespace {

// A longer line is no pair of numbers; reading stops there instead of
// holding a whole file without line breaks in memory.
constexpr qint64 MaxLineLength = 1 << 20;

QStringList fieldsOf(const QString &line)
{
    QStringList fields;
    if (line.contains(QLatin1Char('\t')))
        fields = line.split(QLatin1Char('\t'));
    else if (line.contains(QLatin1Char(',')))
        fields = line.split(QLatin1Char(','));
    else
        fields = line.simplified().split(QLatin1Char(' '));
    for (QString &field : fields) {
        field = field.trimmed();
        if (field.size() >= 2 && field.startsWith(QLatin1Char('"')) && field.endsWith(QLatin1Char('"')))
            field = field.mid(1, field.size() - 2).trimmed();
    }
    // Spreadsheets write empty trailing cells.
    while (!fields.isEmpty() && fields.last().isEmpty())
        fields.removeLast();
    return fields;
}

bool startsWithNumber(const QString &field)
{
    try {
        PlainNumber(field, QString());
        return true;
    } catch (const Refusal &) {
        return false;
    }
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

    Pairs pairs;
    bool firstLine = true;
    // One buffer for every line: reading into a new array of the longest
    // line's size would cost an allocation of a megabyte a line.
    std::vector<char> buffer(std::size_t(MaxLineLength) + 2);
    for (long long number = 1;; ++number) {
        const qint64 length = file.readLine(buffer.data(), qint64(buffer.size()));
        if (length <= 0)
            break;
        if (length > MaxLineLength)
            throw Refusal{QStringLiteral("%1, line %2: the line is too long").arg(name).arg(number)};
        const QString line = QString::fromUtf8(buffer.data(), int(length)).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = fieldsOf(line);
        const bool header = firstLine && !fields.isEmpty() && !startsWithNumber(fields.first());
        firstLine = false;
        if (header)
            continue;
        const QString where = QStringLiteral("%1, line %2").arg(name).arg(number);
        if (fields.size() != 2)
            throw Refusal{
                where
                + QStringLiteral(": two numbers are needed (Bound, Bound/Free), found %1 fields").arg(fields.size())};
        pairs.bound.push_back(PlainNumber(fields[0], where));
        pairs.ratio.push_back(PlainNumber(fields[1], where));
        pairs.lines.push_back(number);
    }
    if (file.error() != QFileDevice::NoError)
        throw Refusal{QStringLiteral("cannot read '%1': %2").arg(name, file.errorString())};
    return pairs;
}

} // namespace cli
