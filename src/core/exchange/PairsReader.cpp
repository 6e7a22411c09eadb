#include "exchange/PairsReader.h"

#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <QStringList>

namespace PairsReader {

Result Read(QIODevice &device, std::size_t maxPairs)
{
    Result result;
    const auto stop = [&result](Stop why, int fields = 0) {
        result.stop = why;
        result.fields = fields;
        return false;
    };
    const auto twoFields = [](const QStringList &fields) { return fields.size() == 2; };
    const DataLines::Reading reading = DataLines::ForEachLine(device, [&](const QString &line, long long number) {
        const QStringList fields = DataLines::Fields(line, twoFields);
        if (fields.isEmpty() || !NumberText::startsLikeNumber(fields.first()))
            return true; // a header, or a note among the data
        if (fields.size() != 2)
            return stop(Stop::NotTwoFields, int(fields.size()));
        double values[2];
        for (int i = 0; i < 2; ++i) {
            try {
                values[i] = NumberText::dataFieldValue(fields[i]);
            } catch (const RuntimeFault &f) {
                result.field = fields[i];
                return stop(f.number() == RuntimeFault::Overflow ? Stop::OutOfRange : Stop::NotANumber);
            }
        }
        if (maxPairs > 0 && result.pairs.size() == maxPairs)
            return stop(Stop::TooManyRows);
        result.pairs.push_back({values[0], values[1], number});
        return true;
    });
    result.line = reading.line;
    if (reading.end == DataLines::End::LineTooLong)
        stop(Stop::LineTooLong);
    else if (reading.end == DataLines::End::ReadError) {
        result.readError = reading.readError;
        stop(Stop::ReadError);
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
