#pragma once

#include "fitting/FitEngine.h"

#include <string>

// The results of a fit as CSV: a header row, then one row per parameter
// with its name, value, SE, 95 % low and high, and unit. Low and high are
// the profile-likelihood interval where it was computed (a side the data do
// not bound stays empty), the asymptotic interval otherwise; a fixed
// parameter has neither SE nor interval.
namespace FitResultsCsv {

std::string ParameterRows(const Fitting::FitResult &result);

} // namespace FitResultsCsv
