#include "exchange/ColumnsReader.h"

#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <limits>

namespace ColumnsReader {

Result Read(QIODevice &device, int maxValues, const QString &labelColumn)
{
    Result result;
    const auto stop = [&result](Stop why) {
        result.stop = why;
        return false;
    };
    const auto isValue = [](const QString &field) { return field.isEmpty() || NumberText::startsLikeNumber(field); };
    const DataLines::Reading reading = DataLines::ForEachLine(device, [&](const QString &line, long long number) {
        const QStringList fields = DataLines::Fields(line, [&](const QStringList &split) {
            for (int i = 0; i < split.size(); ++i)
                if (i != result.labelIndex && !isValue(split[i]))
                    return false;
            return !split.isEmpty();
        });
        bool data = false;
        for (int i = 0; i < fields.size() && !data; ++i)
            data = i != result.labelIndex && NumberText::startsLikeNumber(fields[i]);
        if (!data) {
            if (result.header.isEmpty() && result.rows.empty()) {
                result.header = fields;
                for (int i = 0; i < fields.size() && !labelColumn.isEmpty(); ++i)
                    if (fields[i].compare(labelColumn, Qt::CaseInsensitive) == 0)
                        result.labelIndex = i;
            }
            return true;
        }
        Row row;
        row.line = number;
        for (int i = 0; i < fields.size(); ++i) {
            if (i == result.labelIndex) {
                row.label = fields[i];
                continue;
            }
            if (fields[i].isEmpty()) {
                row.values.push_back(std::numeric_limits<double>::quiet_NaN());
                continue;
            }
            try {
                row.values.push_back(NumberText::dataFieldValue(fields[i]));
            } catch (const RuntimeFault &f) {
                result.field = fields[i];
                return stop(f.number() == RuntimeFault::Overflow ? Stop::OutOfRange : Stop::NotANumber);
            }
        }
        if (int(row.values.size()) > maxValues) {
            result.fields = int(row.values.size());
            return stop(Stop::TooManyFields);
        }
        result.rows.push_back(std::move(row));
        return true;
    });
    result.line = reading.line;
    if (reading.end == DataLines::End::LineTooLong) {
        result.stop = Stop::LineTooLong;
    } else if (reading.end == DataLines::End::ReadError) {
        result.readError = reading.readError;
        result.stop = Stop::ReadError;
    }
    return result;
}

QString StopText(const Result &result, int maxValues)
{
    switch (result.stop) {
    case Stop::EndOfData:
        break;
    case Stop::TooManyFields:
        return QStringLiteral("at most %1 values are read (X and %2 replicates), found %3")
            .arg(maxValues)
            .arg(maxValues - 1)
            .arg(result.fields);
    case Stop::NotANumber:
        return QStringLiteral("%1 is not a number").arg(Messages::quoted(result.field));
    case Stop::OutOfRange:
        return QStringLiteral("%1 is out of range").arg(Messages::quoted(result.field));
    case Stop::LineTooLong:
        return QStringLiteral("the line is longer than %1 MB").arg(DataLines::MaxLineLength >> 20);
    case Stop::ReadError:
        return QStringLiteral("reading stopped: %1").arg(result.readError);
    }
    return QString();
}

} // namespace ColumnsReader
