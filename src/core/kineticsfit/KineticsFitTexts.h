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

QString OneConcentrationText();
QString CorrelatedText(double r, bool competitive);
QString ShortTraceText(double concentration, const Units &units, double halfTimes, double halfTime, bool dissociation);
QString DepletionText(double largest, double residualSD, double kdApproximate, double kdExact, const Units &units);

// The fit as the command line prints it: the model, each constant with
// its SE and intervals, the correlation of the rate constants, the residual
// SD and df, each trace's own k_obs and residual SD, then the warnings.
QString ReportText(const KineticsFitResult &result, const Units &units);

// The fit as the shared results panel, CSV and report show it: the
// constants, then each trace's scale and baseline.
Fitting::FitResult ReportedFit(const KineticsFitResult &result);

// The fitted curves: one row per time, one column per trace headed by its
// concentration, `points` times evenly over the traces' span (a trace's
// dissociation start among them).
std::string CurvesCsv(const KineticsFitResult &result, const Units &units, int points);

} // namespace KineticsFit
