#include "exchange/TextLines.h"

#include <QIODevice>

#include <vector>

namespace TextLines {

Reading ForEachLine(QIODevice &device, const std::function<bool(const std::string &, long long)> &handle)
{
    constexpr qint64 BlockSize = 1 << 16;
    Reading reading;
    std::string line;
    long long number = 1;
    bool afterCr = false; // the LF of a CR LF ends no second line
    std::vector<char> block(static_cast<std::size_t>(BlockSize));
    const auto stop = [&](End why) {
        reading.end = why;
        reading.line = number;
        return reading;
    };
    for (;;) {
        const qint64 got = device.read(block.data(), BlockSize);
        if (got < 0) {
            reading.readError = device.errorString();
            return stop(End::ReadError);
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
                if (!line.empty() && !handle(line, number))
                    return stop(End::Stopped);
                line.clear();
                ++number;
            } else if (line.size() == MaxLineLength) {
                return stop(End::LineTooLong);
            } else {
                line += c;
            }
        }
    }
    if (!line.empty() && !handle(line, number))
        return stop(End::Stopped);
    return reading;
}

QStringList SplitAt(const QString &line, QChar sep)
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

QStringList SplitAtBlanks(const QString &line)
{
    QStringList fields = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString &field : fields)
        if (field.size() >= 2 && field.startsWith(QLatin1Char('"')) && field.endsWith(QLatin1Char('"')))
            field = field.mid(1, field.size() - 2);
    return fields;
}

} // namespace TextLines
