#pragma once

#include "kineticsfit/KineticTraces.h"

#include <QString>

class QIODevice;

// The one reader of measured traces, for files, pasted cells and the
// command line. Two layouts, comma, semicolon, tab or blank separated (the
// first line's separator holds for the file; "," is a decimal point only
// where it is not the separator):
//
//   wide:  Time, 50, 16.7, 5.56        a time column, then one signal column
//          Dissociation, , , 600       per trace headed by its concentration;
//          0, 0.1, 0.2, 0.1            an optional row "Dissociation" gives
//          ...                         the time each trace's dissociation starts.
//                                      An empty cell is a missing point.
//   long:  Concentration, Time, Signal three columns (the header optional),
//          50, 0, 0.1                  the rows of one concentration making
//          ...                         one trace.
//
// Blank lines and lines starting with "#" are skipped. Time must increase
// within each trace. Anything else stops reading with the line and why.
namespace KineticsFit {

inline constexpr long long MaxTraceRows = 100000;

enum class TraceStop {
    EndOfData,
    NoData,
    NoLayout, // the first line is neither layout's header
    Ragged,   // a row with more fields than the header
    NotANumber,
    OutOfRange,
    Negative,      // a negative concentration or time
    NotIncreasing, // time does not increase within a trace
    TooManyRows,
    LineTooLong,
    ReadError,
};

struct TraceReading
{
    std::vector<Trace> traces;
    TraceStop stop = TraceStop::EndOfData;
    long long line = 0; // where reading stopped
    int fields = 0, expectedFields = 0;
    QString field;     // the field refused
    QString readError; // the device's reason
};

TraceReading ReadTraces(QIODevice &device);
// Cells pasted from a spreadsheet, or any text in one of the layouts.
TraceReading ReadTracesFromText(const QString &text);

// Why reading stopped, as a sentence naming the line ("Line 4: 'x' is not a
// number."); empty for EndOfData.
QString TraceStopText(const TraceReading &reading);

} // namespace KineticsFit
