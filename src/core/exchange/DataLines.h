#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>

class QIODevice;

// The lines and fields of a data file, as every data reader takes them.
//
// A line ends with LF, CR LF or a bare CR; a byte-order mark is ignored
// wherever it stands; blank lines and lines starting with "#" are skipped.
// Reading is bounded: the device is read in blocks and a line longer than
// MaxLineLength stops it, so a huge file costs neither the memory of the
// file nor the time to read all of it.
namespace DataLines {

inline constexpr std::size_t MaxLineLength = 1 << 20;

enum class End {
    EndOfData, // every line read
    Stopped,   // the line taker said stop
    LineTooLong,
    ReadError,
};

struct Reading
{
    End end = End::EndOfData;
    long long line = 0; // where reading stopped (Stopped, LineTooLong, ReadError)
    QString readError;  // ReadError: the device's reason
};

// Gives each line with content, trimmed, with its number (from 1) to take,
// which returns false to stop reading there.
using LineTaker = std::function<bool(const QString &line, long long number)>;
Reading ForEachLine(QIODevice &device, const LineTaker &take);

// The fields of a line: the first split, in the order tab, semicolon, comma,
// blanks, whose fields `fits` accepts; when none does, the first separator
// the line holds decides. Fields may be quoted; each is trimmed, and
// trailing empty fields (a spreadsheet's empty cells) are dropped.
QStringList Fields(const QString &line, const std::function<bool(const QStringList &fields)> &fits);

} // namespace DataLines
