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

} // namespace CsvText
