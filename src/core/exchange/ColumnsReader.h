#pragma once

#include "exchange/DataLines.h"

#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;

// The reader of data files of measured columns: an X value and its
// replicates, blanks allowed, as the fit windows' Open Data and the command
// line's fit read them. Lines, separators and quotes as DataLines has them.
//
// A line whose fields all are text is a header or a note (the first one is
// kept as the header); any other line is a row of data, whose fields are
// numbers ("." or "," as decimal point) or empty (a blank replicate). The
// header may name a label column (a batch's "set"): its fields are kept as
// text and the other fields are the row's values.
namespace ColumnsReader {

struct Row
{
    std::vector<double> values; // NaN for an empty field
    QString label;              // the label column's field
    long long line = 0;         // from 1
};

enum class Stop {
    EndOfData,
    TooManyFields,
    NotANumber,
    OutOfRange,
    LineTooLong,
    ReadError,
};

struct Result
{
    QStringList header;  // the first line of text
    int labelIndex = -1; // the label column's place in the header, -1 without one
    std::vector<Row> rows;
    Stop stop = Stop::EndOfData;
    long long line = 0; // where reading stopped, for every stop but EndOfData
    int fields = 0;     // TooManyFields: how many values the line has
    QString field;      // NotANumber, OutOfRange: the field refused
    QString readError;  // ReadError: the device's reason
};

// Reads rows of at most maxValues values from the device's current position;
// labelColumn names the label column (case ignored), empty for none.
Result Read(QIODevice &device, int maxValues, const QString &labelColumn = QString());

// Why reading stopped at result.line ("'x' is not a number"); empty for EndOfData.
QString StopText(const Result &result, int maxValues);

} // namespace ColumnsReader
