#pragma once

#include <QString>

#include <string>
#include <vector>

// The Scatchard data as CSV: a title line starting with "#", the results as
// rows of name, value, unit, SE, 95 % low and high and a note (the line:
// intercept, slope, df, Kd; the saturation fit: Kd, Bmax, residual SD, R
// squared, df; a result that cannot be had is a row with its reason as the
// note), an empty line, then a header row and one row per data pair (which
// PairsReader reads back).
namespace ScatchardCsv {

// bound in the concentration unit, ratio its Bound/Free partner.
std::string Text(const std::vector<double> &bound, const std::vector<double> &ratio, const QString &unit);

} // namespace ScatchardCsv
