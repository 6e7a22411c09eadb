#pragma once

#include "fitting/FitEngine.h"
#include "kineticsfit/KineticModels.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// A global fit of measured traces: the rate constants shared by every
// trace, with their intervals, Kd's from a fit with Kd as a parameter (the
// interval of a ratio is not the ratio of the intervals), the rate of each
// trace on its own, and the plain warnings a lab needs to read.
namespace KineticsFit {

struct Units
{
    QString concentration = QStringLiteral("nM");
    double molarPerUnit = 1e-9;
    QString time = QStringLiteral("s");
};

struct FitRequest
{
    ModelOptions model;
    std::vector<Trace> traces; // the included traces
    Units units;
    Fitting::FitOptions fit;
};

// One trace's own exponential approach (its association part) and how the
// global fit meets it.
struct TraceSummary
{
    double concentration = 0.0;
    bool kObsFitted = false;         // its own one-phase fit converged
    double kObs = 0.0, kObsSE = 0.0; // of that fit (per time unit)
    double residualSD = 0.0;         // of the global fit: sqrt(sum of squares / points)
};

struct KineticsFitResult
{
    bool fitted = false;
    QString refusal; // why there is no fit, in words

    std::shared_ptr<const KineticModel> model; // the model fitted, for its curves
    Fitting::FitResult fit;                    // its parameters, in the traces' units

    // The constants in the units a lab reads: k_ass per M per time unit,
    // k_diss per time unit, Kd in the concentration unit, the dissociation
    // half-time; k3, k4 and Ki for competition; k_obs alone when k_ass
    // cannot be determined. SEs, asymptotic and profile intervals with each.
    std::vector<Fitting::ParameterEstimate> constants;
    bool kAssDetermined = true;
    double rateCorrelation = 0.0; // of the two rate constants, when both are fitted
    std::vector<TraceSummary> traces;
    QStringList warnings;
};

KineticsFitResult FitKinetics(const FitRequest &request);

// The fitted signal of trace `set` at time t (for the curves drawn and
// exported).
double FittedSignal(const KineticsFitResult &result, int set, double t);

} // namespace KineticsFit
