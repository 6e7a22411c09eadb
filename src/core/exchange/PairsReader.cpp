#include "exchange/PairsReader.h"

#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <QIODevice>
#include <QStringList>

#include <string>
#include <vector>

namespace PairsReader {
namespace {

constexpr qint64 BlockSize = 1 << 16;

// The fields of a line split at sep, quotes honoured and removed, each
// trimmed; trailing empty fields (a spreadsheet's empty cells) dropped.
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

// The first split, in the order tab, semicolon, comma, blanks, that gives
// two fields; when none does, the first separator the line holds decides.
QStringList fieldsOf(const QString &line)
{
    QStringList first;
    bool firstSet = false;
    for (QChar sep : {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(',')}) {
        if (!line.contains(sep))
            continue;
        QStringList fields = splitAt(line, sep);
        if (fields.size() == 2)
            return fields;
        if (!firstSet) {
            first = fields;
            firstSet = true;
        }
    }
    QStringList blanks = splitAtBlanks(line);
    return blanks.size() == 2 || !firstSet ? blanks : first;
}

class LineParser
{
public:
    LineParser(Result &result, std::size_t maxPairs)
        : m_result(result)
        , m_maxPairs(maxPairs)
    {
    }

    // False when reading stops at this line.
    bool parse(const std::string &bytes, long long number)
    {
        QString line = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
        line.remove(QChar(0xFEFF));
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            return true;
        const QStringList fields = fieldsOf(line);
        if (fields.isEmpty() || !NumberText::startsLikeNumber(fields.first()))
            return true; // a header, or a note among the data
        if (fields.size() != 2)
            return stop(Stop::NotTwoFields, number, int(fields.size()));
        double values[2];
        for (int i = 0; i < 2; ++i) {
            try {
                values[i] = NumberText::dataFieldValue(fields[i]);
            } catch (const RuntimeFault &f) {
                m_result.field = fields[i];
                return stop(f.number() == RuntimeFault::Overflow ? Stop::OutOfRange : Stop::NotANumber, number);
            }
        }
        if (m_maxPairs > 0 && m_result.pairs.size() == m_maxPairs)
            return stop(Stop::TooManyRows, number);
        m_result.pairs.push_back({values[0], values[1], number});
        return true;
    }

    bool stop(Stop why, long long number, int fields = 0)
    {
        m_result.stop = why;
        m_result.line = number;
        m_result.fields = fields;
        return false;
    }

private:
    Result &m_result;
    std::size_t m_maxPairs;
};

} // namespace

Result Read(QIODevice &device, std::size_t maxPairs)
{
    Result result;
    LineParser parser(result, maxPairs);
    std::string line;
    long long number = 1;
    bool afterCr = false; // the LF of a CR LF ends no second line
    std::vector<char> block(static_cast<std::size_t>(BlockSize));
    for (;;) {
        const qint64 got = device.read(block.data(), BlockSize);
        if (got < 0) {
            result.readError = device.errorString();
            parser.stop(Stop::ReadError, number);
            return result;
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
                if (!line.empty() && !parser.parse(line, number))
                    return result;
                line.clear();
                ++number;
            } else if (line.size() == MaxLineLength) {
                parser.stop(Stop::LineTooLong, number);
                return result;
            } else {
                line += c;
            }
        }
    }
    if (!line.empty())
        parser.parse(line, number);
    return result;
}

QString StopText(const Result &result)
{
    switch (result.stop) {
    case Stop::EndOfData:
    case Stop::TooManyRows:
        break;
    case Stop::LineTooLong:
        return QStringLiteral("the line is longer than %1 MB").arg(MaxLineLength >> 20);
    case Stop::NotTwoFields:
        return QStringLiteral("two numbers are needed (Bound, Bound/Free), found %1 %2")
            .arg(result.fields)
            .arg(result.fields == 1 ? QStringLiteral("field") : QStringLiteral("fields"));
    case Stop::NotANumber:
        return QStringLiteral("%1 is not a number").arg(Messages::quoted(result.field));
    case Stop::OutOfRange:
        return QStringLiteral("%1 is out of range").arg(Messages::quoted(result.field));
    case Stop::ReadError:
        return QStringLiteral("reading stopped: %1").arg(result.readError);
    }
    return QString();
}

} // namespace PairsReader
