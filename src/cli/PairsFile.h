#pragma once

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

} // namespace cli
