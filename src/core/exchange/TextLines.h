#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <string>

class QIODevice;

// What every reader of delimited data files shares: the lines of a device,
// read in blocks and bounded in length, and the fields of one line.
namespace TextLines {

inline constexpr std::size_t MaxLineLength = 1 << 20;

enum class End {
    EndOfData, // every line read
    Stopped,   // the line handler asked to stop
    LineTooLong,
    ReadError,
};

struct Reading
{
    End end = End::EndOfData;
    long long line = 0; // where reading ended, for every end but EndOfData
    QString readError;  // ReadError: the device's reason
};

// Calls handle(bytes, number) for every line that is not empty, numbered
// from 1; a line ends with LF, CR LF or a bare CR. handle returns false to
// stop reading there.
Reading ForEachLine(QIODevice &device, const std::function<bool(const std::string &, long long)> &handle);

// The fields of a line split at sep, quotes honoured and removed, each
// trimmed; trailing empty fields (a spreadsheet's empty cells) dropped.
QStringList SplitAt(const QString &line, QChar sep);

// The fields of a line split at runs of blanks, a quoted field unquoted.
QStringList SplitAtBlanks(const QString &line);

} // namespace TextLines
