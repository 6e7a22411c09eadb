#include "exchange/PairsReader.h"

#include "exchange/TextLines.h"

#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <QIODevice>
#include <QStringList>

#include <string>

namespace PairsReader {
namespace {

// The first split, in the order tab, semicolon, comma, blanks, that gives
// two fields; when none does, the first separator the line holds decides.
QStringList fieldsOf(const QString &line)
{
    QStringList first;
    bool firstSet = false;
    for (QChar sep : {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(',')}) {
        if (!line.contains(sep))
            continue;
        QStringList fields = TextLines::SplitAt(line, sep);
        if (fields.size() == 2)
            return fields;
        if (!firstSet) {
            first = fields;
            firstSet = true;
        }
    }
    QStringList blanks = TextLines::SplitAtBlanks(line);
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
    const TextLines::Reading reading = TextLines::ForEachLine(device, [&](const std::string &line, long long number) {
        return parser.parse(line, number);
    });
    if (reading.end == TextLines::End::LineTooLong)
        parser.stop(Stop::LineTooLong, reading.line);
    else if (reading.end == TextLines::End::ReadError) {
        result.readError = reading.readError;
        parser.stop(Stop::ReadError, reading.line);
    }
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
