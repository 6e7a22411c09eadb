#pragma once

#include "fitting/FitEngine.h"
#include "printing/ToolLists.h"

// The results of a fit as the report prints them: a line per parameter
// with its value, SE, unit and intervals, then the residual SD, R², AICc and
// the degrees of freedom.
namespace ToolLists {

ReportColumns FitResultList(const Fitting::FitResult &result);

// The line of one parameter: "437.37 ± 3.2 nM, 95%: 430.1 to 444.6
// (profile 429.9 to 444.8)"; a fixed one "5 nM (fixed)".
QString EstimateLine(const Fitting::ParameterEstimate &estimate);

} // namespace ToolLists
