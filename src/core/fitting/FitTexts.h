#pragma once

#include "fitting/FitEngine.h"

#include <QString>

// A fit's numbers and cases in words, as every fit window, its report and
// the command line show them.
namespace Fitting {

// Six significant digits, at least one decimal ("3308.26", "0.0053"),
// "Scientific" below 1E-04 and from 1E+09.
QString FitNumberText(double value);

// "low to high" of the asymptotic interval.
QString AsymptoticText(const ParameterEstimate &estimate);

// The profile interval: "low to high", with "open" for a side the data do
// not bound ("0.0512 to open"); empty when it was not computed.
QString ProfileText(const ParameterEstimate &estimate);

// Why there is no fit, in words; empty for a fit. parameters are the
// model's, for the one an estimate left the bounds of.
QString OutcomeText(const FitResult &result, const std::vector<FitParameter> &parameters);

} // namespace Fitting
