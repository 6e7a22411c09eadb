#pragma once

#include <QString>
#include <QStringList>

#include <string>

// Comma-separated text as spreadsheets, R and Python read it: comma
// between fields, CR LF after each record, a field quoted when it holds a
// comma, a quote or a line break (quotes doubled inside), UTF-8, numbers
// with a decimal point in the shortest form that reads back to the same
// double.
namespace CsvText {

// Appends the shortest decimal text of v that reads back to v exactly
// ("0.1", "1e-09"); a value that is not finite appends nothing.
void appendNumber(std::string &out, double v);

// Appends one field of text, quoted when it needs to be.
void appendField(std::string &out, const QString &text);

// Appends the end of a record.
inline void endRecord(std::string &out)
{
    out += "\r\n";
}

// A whole record of text fields.
std::string record(const QStringList &fields);

} // namespace CsvText
