#pragma once

#include <QString>

#include <memory>

class DatabaseStatement;

// Reading the results file back, row by row in stored order, through the
// shared connection. A file that does not exist is fault 53; a file that is
// not a database is SQLite's fault 26; a table the file does not hold reads
// as empty, as does an empty table.
namespace modVornish {

class ResultsReader
{
public:
    // Opens query (one of the three query texts) on the file at path and
    // reads the fields "Time" and valueField of each row.
    ResultsReader(const QString &path, const QString &query, const QString &valueField);
    ~ResultsReader();
    ResultsReader(const ResultsReader &) = delete;
    ResultsReader &operator=(const ResultsReader &) = delete;

    // Moves to the next row (the first at the first call); false at the end.
    bool next();
    double time() const;
    double value() const;

private:
    std::unique_ptr<DatabaseStatement> m_statement;
    int m_timeColumn = -1;
    int m_valueColumn = -1;
};

// Whether the table that query reads holds no row (or does not exist).
bool IsResultsTableEmpty(const QString &path, const QString &query);

} // namespace modVornish

namespace modPlot_Graph {

// The smallest and largest value of field over every row of query on the
// file at path. An empty result leaves minimum and maximum as they were.
void ScanFieldRange(const QString &path, const QString &query, const QString &field, double &minimum, double &maximum);

} // namespace modPlot_Graph
