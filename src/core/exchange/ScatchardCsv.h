#pragma once

#include <QString>

#include <string>
#include <vector>

// The Scatchard data as CSV: a title line starting with "#", the results as
// rows of name, value, unit, SE, 95 % low and high and a note (the line:
// intercept, slope, df, Kd; the saturation fit: Kd, Bmax, residual SD, R
// squared, df; a result that cannot be had is a row with its reason as the
// note), an empty line, then a header row and one row per data pair.
namespace ScatchardCsv {

// bound in the concentration unit, ratio its Bound/Free partner.
std::string Text(const std::vector<double> &bound, const std::vector<double> &ratio, const QString &unit);

// The data pairs of a CSV or tab-separated text with two numeric columns,
// as cell texts: comment lines and blank lines are skipped, and so is every
// row before the first pair whose first cell does not start with a number
// (a header, or the results of a file written by Text()).
// Cells after the second are ignored; texts are kept as they are, for the
// grid to read them as typed text.
struct Pairs
{
    std::vector<std::pair<QString, QString>> rows;
};
Pairs ReadPairs(const QString &text);

} // namespace ScatchardCsv
