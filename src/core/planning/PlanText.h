#pragma once

#include <QString>

// The planner's numbers in its sentences: three significant digits in the
// unit that suits them.
namespace Planning {

// "2.5 nM", "120 pM", "1 µM".
QString ConcentrationText(double molar);
// "12.5 %" of a fraction 0.125.
QString PercentText(double fraction);

} // namespace Planning
