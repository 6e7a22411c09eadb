#pragma once

#include <QString>

// The texts of the Scatchard analysis' messages, paragraphs separated by
// CR LF CR LF; the window shows them in boxes, the command line on one line.
namespace modStatistics {

// Title "Data Input Error", exclamation icon.
QString InvalidInputText();
// Title "Error: insufficient input", no icon.
QString InsufficientInputText();
// Title "Warning", exclamation icon.
QString PositiveSlopeText();
// Title "Warning: Data are statistically inconclusive", exclamation icon.
QString InconclusiveDataText();

} // namespace modStatistics
