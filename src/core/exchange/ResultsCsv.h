#pragma once

#include "dynamic/ResultsStore.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

// The results file of a simulation as CSV, streamed row by row from the
// file (never loaded whole), so that a run of millions of samples exports
// in flat memory.
namespace ResultsCsv {

// One column of the CSV: a field of one table, divided by divisor (the
// size of the shown unit in stored units) and multiplied by multiplier.
struct Column
{
    modVornish::ResultsTable table;
    QString field;
    QString heading; // the name and its unit: "Time (min)"
    double divisor = 1.0;
    double multiplier = 1.0;
};

// The units of a CSV file: their names, and their sizes in seconds and in
// molar.
struct Units
{
    QString time;
    double secondsPerUnit = 1.0;
    QString concentration;
    double molarPerUnit = 1.0;
};

// The seven columns of a whole run: Time, then the concentration and the
// rate of A, B and [A/B]: "Time (min)", "[A] (nM)", "d[A]/dt (nM/min)".
std::vector<Column> RunColumns(const Units &units);

// The three columns of one table: Time, and the concentration and the rate
// of its species, headed as in RunColumns.
std::vector<Column> TableColumns(modVornish::ResultsTable table, const Units &units);

enum class Outcome { Written, Cancelled, Failed };

struct Result
{
    Outcome outcome = Outcome::Written;
    QString reason; // why it failed
    qint64 rows = 0;
};

// Told how many rows of total are written; returns false to cancel.
using Progress = std::function<bool(qint64 done, qint64 total)>;

// Writes the preamble (lines starting with "#"), the header and every row
// of the results file at resultsPath to csvPath. The CSV appears under its
// name only when it is complete: a cancel or a failure leaves whatever was
// there before.
Result Write(const QString &resultsPath, const QString &csvPath, const std::string &preamble,
             const std::vector<Column> &columns, const Progress &progress = {});

} // namespace ResultsCsv
