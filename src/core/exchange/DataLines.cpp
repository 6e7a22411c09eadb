#include "exchange/DataLines.h"

#include <QIODevice>

#include <string>
#include <vector>

namespace DataLines {
namespace {

constexpr qint64 BlockSize = 1 << 16;

// The fields of a line split at sep, quotes honoured and removed, each
// trimmed; trailing empty fields dropped.
QStringList splitAt(const QString &line, QChar sep)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('"')) {
            if (quoted && i + 1 < line.size() && line[i + 1] == QLatin1Char('"'))
                field += line[++i];
            else
                quoted = !quoted;
        } else if (c == sep && !quoted) {
            fields << field.trimmed();
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field.trimmed();
    while (!fields.isEmpty() && fields.last().isEmpty())
        fields.removeLast();
    return fields;
}

QStringList splitAtBlanks(const QString &line)
{
    QStringList fields = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString &field : fields)
        if (field.size() >= 2 && field.startsWith(QLatin1Char('"')) && field.endsWith(QLatin1Char('"')))
            field = field.mid(1, field.size() - 2);
    return fields;
}

// False when reading stops at this line.
bool takeLine(const std::string &bytes, long long number, const LineTaker &take)
{
    QString line = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    line.remove(QChar(0xFEFF));
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
        return true;
    return take(line, number);
}

} // namespace

Reading ForEachLine(QIODevice &device, const LineTaker &take)
{
    Reading reading;
    const auto stop = [&reading](End end, long long number) {
        reading.end = end;
        reading.line = number;
        return reading;
    };
    std::string line;
    long long number = 1;
    bool afterCr = false; // the LF of a CR LF ends no second line
    std::vector<char> block(static_cast<std::size_t>(BlockSize));
    for (;;) {
        const qint64 got = device.read(block.data(), BlockSize);
        if (got < 0) {
            reading.readError = device.errorString();
            return stop(End::ReadError, number);
        }
        if (got == 0)
            break;
        for (qint64 i = 0; i < got; ++i) {
            const char c = block[i];
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = c == '\r';
            if (c == '\n' || c == '\r') {
                if (!line.empty() && !takeLine(line, number, take))
                    return stop(End::Stopped, number);
                line.clear();
                ++number;
            } else if (line.size() == MaxLineLength) {
                return stop(End::LineTooLong, number);
            } else {
                line += c;
            }
        }
    }
    if (!line.empty() && !takeLine(line, number, take))
        return stop(End::Stopped, number);
    return reading;
}

QStringList Fields(const QString &line, const std::function<bool(const QStringList &fields)> &fits)
{
    QStringList first;
    bool firstSet = false;
    for (QChar sep : {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(',')}) {
        if (!line.contains(sep))
            continue;
        QStringList fields = splitAt(line, sep);
        if (fits(fields))
            return fields;
        if (!firstSet) {
            first = fields;
            firstSet = true;
        }
    }
    QStringList blanks = splitAtBlanks(line);
    return fits(blanks) || !firstSet ? blanks : first;
}

} // namespace DataLines
