#pragma once

#include "kineticsfit/KineticsFit.h"

#include <QString>

#include <string>

// The kinetics fit's words and files: why a fit cannot be made, its
// warnings, and its results as CSV.
namespace KineticsFit {

// "Pseudo-first-order association" and so on, as the lists show them.
QString ModelName(Model model);

QString NoTracesText();
QString NoDissociationStartText();
QString NoTotalBText();
QString NoLabelledLigandText();
// Why the engine gave no fit.
QString FitOutcomeWords(const Fitting::FitResult &fit);

QString OneConcentrationText();
QString CorrelatedText(double r, bool competitive);
QString ShortTraceText(double concentration, const Units &units, double halfTimes, double halfTime, bool dissociation);
QString DepletionText(double largest, double residualSD, double kdApproximate, double kdExact, const Units &units);

// A profile interval as text: "low < name < high" with "plus infinite"
// (or 0) on a side the data do not bound.
QString ProfileText(const Fitting::ParameterEstimate &e);

// The fit as a lab reads it, for the window, the report and the command
// line: the model, each constant with its SE and intervals, the correlation
// of the rate constants, the residual SD and df, each trace's own k_obs and
// residual SD, then the warnings.
QString ReportText(const KineticsFitResult &result, const Units &units);

// One row per constant and per signal parameter: name, value, SE, low,
// high, unit; low and high are the profile interval where there is one,
// the asymptotic one otherwise (an open side empty).
std::string ParametersCsv(const KineticsFitResult &result);

// The fitted curves: one row per time, one column per trace headed by its
// concentration, `points` times evenly over the traces' span (a trace's
// dissociation start among them).
std::string CurvesCsv(const KineticsFitResult &result, const Units &units, int points);

} // namespace KineticsFit
