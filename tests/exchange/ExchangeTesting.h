#pragma once

#include <QString>
#include <QStringList>

// A folder no file can be written into: a read-only folder, or a system
// folder when the tests run with the rights to write anywhere.
QString unwritableFolder();

// Runs python3 with a script and its arguments; its standard output
// (standard error appended when it fails).
QString runPython(const QString &script, const QStringList &arguments);

// The texts of an SVG document's text elements, in document order.
QStringList svgTexts(const QByteArray &svg);

// Fills a results file at path with rows of awkward doubles: every value
// needs all 17 digits, some are tiny or negative.
void writeAwkwardResults(const QString &path, int rows);

// The exact hexadecimal text of a double ("0x1.8p+0"), as Python's
// float.fromhex reads it.
QString hexText(double v);

// The records of a delimited text as a spreadsheet reads them: fields
// separated by sep, records by CR LF, LF or CR, quoted fields may hold
// separators, quotes and line breaks. An empty last line is no record.
QList<QStringList> csvRecords(const QString &text, QChar sep);
