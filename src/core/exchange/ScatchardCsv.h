#pragma once

#include <QString>

#include <string>
#include <vector>

// The Scatchard data as CSV: the fit of the line (intercept, slope, its
// standard error, df, Kd and its 95 % interval) as a block of comment lines
// starting with "#", then a header row and one row per data pair (which
// PairsReader reads back).
namespace ScatchardCsv {

// bound in the concentration unit, ratio its Bound/Free partner.
std::string Text(const std::vector<double> &bound, const std::vector<double> &ratio, const QString &unit);

} // namespace ScatchardCsv
