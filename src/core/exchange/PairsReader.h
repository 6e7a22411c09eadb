#pragma once

#include "exchange/DataLines.h"

#include <QString>

#include <cstddef>
#include <vector>

class QIODevice;

// The one reader of data files of (Bound, Bound/Free) pairs: the Scatchard
// window's Open Data and the command line read a file alike.
//
// One pair a line. A line ends with LF, CR LF or a bare CR; a byte-order
// mark is ignored wherever it stands. Blank lines and lines starting with
// "#" are skipped, and so is a line of text (its first field does not start
// like a number): a header. The fields of each line are split by its own
// separator, not the first line's: a tab, a semicolon, a comma or blanks,
// the first of those present that gives two fields ("1,5 2,5" is a pair
// with decimal commas, "1,5;2,5" too). Fields may be quoted. A data line
// holds exactly two numbers, "." or "," as their decimal point; any other
// data line is refused with its line number.
//
// Reading is bounded: the device is read in blocks, a line longer than
// MaxLineLength stops it, and so does the first pair past a limit, so a
// huge file costs neither the memory of the file nor the time to read all
// of it.
namespace PairsReader {

inline constexpr std::size_t MaxLineLength = DataLines::MaxLineLength;

struct Pair
{
    double bound;
    double ratio;
    long long line; // from 1
};

enum class Stop {
    EndOfData,   // every line read
    TooManyRows, // a pair past the limit was found; pairs holds the limit's number
    LineTooLong,
    NotTwoFields,
    NotANumber,
    OutOfRange,
    ReadError,
};

struct Result
{
    std::vector<Pair> pairs;
    Stop stop = Stop::EndOfData;
    long long line = 0; // where reading stopped, for every stop but EndOfData
    int fields = 0;     // NotTwoFields: how many the line has
    QString field;      // NotANumber, OutOfRange: the field refused
    QString readError;  // ReadError: the device's reason
};

// Reads the device from its current position; maxPairs 0 reads every pair.
Result Read(QIODevice &device, std::size_t maxPairs = 0);

// Why reading stopped at result.line ("'x' is not a number"), for the
// caller to name the line its way; empty for EndOfData and TooManyRows,
// which the caller words.
QString StopText(const Result &result);

} // namespace PairsReader
