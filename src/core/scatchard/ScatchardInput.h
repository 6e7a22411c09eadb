#pragma once

#include <QList>
#include <QString>

// Reading the Scatchard data grid's cells, as texts; the window passes them.
namespace modStatistics {

// The most data rows the grid holds.
constexpr int MaxDataRows = 20;

struct DataRowText
{
    QString bound;     // column 1
    QString boundFree; // column 2
};

// The number of data rows: the rows from the first downward whose Bound
// text is not empty (blanks count as filled), at most MaxDataRows.
int CountDataRows(const QList<DataRowText> &rows);

// The Scatchard Assistant's guidance for the first three rows: what input
// is still missing, or that the analysis can run. Unlike the analysis it
// converts each whole text strictly ("5 nM" fails) and accepts zero.
QString InputRequirementsText(const QList<DataRowText> &rows);

} // namespace modStatistics
