#pragma once

#include "cli/Arguments.h"

#include <QString>

#include <vector>

// Measured pairs (Bound, Bound/Free) from a data file, read as the
// Scatchard window's Open Data reads it (PairsReader).
namespace cli {

struct Pairs
{
    std::vector<double> bound;
    std::vector<double> ratio;
    std::vector<long long> lines; // the file line of each pair, from 1
};

// Reads path, or standard input for "-". Throws Refusal naming the line for
// a line that is not two numbers, and for a file that cannot be read.
Pairs ReadPairs(const QString &path);

// The options that read the pairs from a data table of a project instead
// of a file: --project FILE --table NAME.
Option ProjectOption();
Option TableOption();

// The pairs of the FILE operand, or of the project's table. Throws
// UsageError for both or neither, Refusal for a project that cannot be read,
// a table it does not hold, or a row that is not two numbers (named by its row).
Pairs ReadPairsOf(const Arguments &arguments);

} // namespace cli
