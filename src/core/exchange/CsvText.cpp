#include "exchange/CsvText.h"

#include <charconv>
#include <cmath>

namespace CsvText {

void appendNumber(std::string &out, double v)
{
    if (!std::isfinite(v))
        return;
    char buffer[32];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, v);
    out.append(buffer, written.ptr);
}

void appendField(std::string &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    const bool quoted = utf8.contains(',') || utf8.contains('"') || utf8.contains('\n') || utf8.contains('\r');
    if (!quoted) {
        out.append(utf8.constData(), size_t(utf8.size()));
        return;
    }
    out += '"';
    for (char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string record(const QStringList &fields)
{
    std::string out;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendField(out, fields[i]);
    }
    endRecord(out);
    return out;
}

QList<QStringList> parse(const QString &text, QChar sep)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool recordStarted = false;
    const auto endField = [&] {
        fields << field;
        field.clear();
    };
    const auto endRecordHere = [&] {
        endField();
        records << fields;
        fields.clear();
        recordStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                    field += text[++i];
                else
                    quoted = false;
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
            recordStarted = true;
        } else if (c == sep) {
            endField();
            recordStarted = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRecordHere();
        } else {
            field += c;
            recordStarted = true;
        }
    }
    if (recordStarted || !field.isEmpty())
        endRecordHere();
    return records;
}

} // namespace CsvText
