#pragma once

#include <QString>

namespace modPlot_Graph {

// The format pattern of a shown concentration, by its magnitude.
QString ChooseNumberFormat(double value);

// value formatted with the pattern ChooseNumberFormat picks for it.
QString FormatConcentration(double value);

} // namespace modPlot_Graph
