#pragma once

namespace Fitting {

// The two-sided Student t value of a confidence level for df degrees of
// freedom (2.0930... for 95 % and df 19), computed for any df >= 1, unlike
// the four-decimal table of the Scatchard analysis.
double TwoSidedStudentT(double confidence, int df);

} // namespace Fitting
