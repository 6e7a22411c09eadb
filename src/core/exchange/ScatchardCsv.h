#pragma once

#include <QString>

#include <string>
#include <vector>

// The Scatchard data as CSV: the fit of the line (intercept, slope, its
// standard error, df, Kd and its 95 % interval) as a block of comment lines
// starting with "#", then a header row and one row per data pair.
namespace ScatchardCsv {

// bound in the concentration unit, ratio its Bound/Free partner.
std::string Text(const std::vector<double> &bound, const std::vector<double> &ratio, const QString &unit);

// The data pairs of a CSV or tab-separated text with two numeric columns,
// as cell texts: comment lines and blank lines are skipped, and so is a
// first row whose first cell does not start with a number (a header).
// Cells after the second are ignored; texts are kept as they are, for the
// grid to read them as typed text.
struct Pairs
{
    std::vector<std::pair<QString, QString>> rows;
};
Pairs ReadPairs(const QString &text);

} // namespace ScatchardCsv
