#pragma once

#include "competition/Ic50Conversion.h"
#include "fitting/FitEngine.h"

#include <QString>

#include <vector>

// A competition curve fitted both ways: the four-parameter logistic, and
// the exact model with the assay's Total A, Total B and Kd held fixed,
// whose Ki comes with its profile-likelihood interval. Points are Total C
// and signal; replicates are repeated Total C. Every concentration in one
// unit, the caller's.
namespace modCompetition {

enum class CompetitionFitProblem {
    None,
    TooFewPoints, // fewer than five points, or fewer than three distinct Total C
    NoDecrease,   // the signal at the highest Total C is not below that at the lowest
    NotConverged, // a fit found no minimum
};

struct CompetitionFitReport
{
    CompetitionFitProblem problem = CompetitionFitProblem::None;
    Fitting::FitResult logistic; // top, bottom, log IC50, Hill slope
    Fitting::FitResult exact;    // Ki, top, bottom
    double ic50 = 0;             // 10^(log IC50) of the logistic
    // The logistic's IC50 converted with the assay (NotAboveTightest when
    // no Ki gives it; then only Cheng-Prusoff is filled).
    Ic50Reading conversions;
};

CompetitionFitReport FitCompetitionCurve(const std::vector<double> &totalC, const std::vector<double> &signal,
                                         const AssayConditions &assay);

// Names the caller's concentration unit on the fitted Ki and the
// logistic's log IC50 (the signal's unit is the user's own, left blank).
void NameConcentrationUnit(CompetitionFitReport &report, const QString &unit);

// The refusal in words, empty for None.
QString CompetitionFitProblemText(CompetitionFitProblem problem);

} // namespace modCompetition
