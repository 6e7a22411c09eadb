#pragma once

#include "fitting/FitModel.h"

#include <vector>

// One least-squares engine for every fit of the program: Levenberg-Marquardt
// on the model's derivatives, one or several data sets at once, weights given
// or taken from the curve, and the statistics a binding lab reads.
namespace Fitting {

enum class Weighting {
    None,     // every point alike (or the data set's own weights)
    Relative, // 1 / Y^2 of the curve: equal relative scatter
    Poisson,  // 1 / Y of the curve: counting scatter
};

struct FitOptions
{
    Weighting weighting = Weighting::None;
    bool profileIntervals = true;
    // The model indices of the parameters whose profile intervals are
    // computed; empty: every free parameter. A profile refits all the other
    // parameters many times, so a fit with many nuisance parameters (a scale
    // and a baseline per trace) profiles the ones the user reads.
    std::vector<int> profiled;
    double confidence = 0.95;
};

// A profile-likelihood interval: every value whose best residual sum of
// squares (the other free parameters refitted) stays within the F-test
// limit SSmin * (1 + t^2 / df). Open on a side where the data set no
// limit before the parameter's own bound (low or high is then that bound).
struct ProfileInterval
{
    bool computed = false;
    double low = 0.0, high = 0.0;
    bool openBelow = false, openAbove = false;
};

struct ParameterEstimate
{
    QString name, unit;
    bool fixed = false;
    double value = 0.0;
    double se = 0.0;              // from s^2 (J'WJ)^-1; 0 when fixed
    double low = 0.0, high = 0.0; // asymptotic: value -/+ t * se
    ProfileInterval profile;
};

struct FitResult
{
    enum Outcome {
        Fitted,
        TooFewPoints, // no more points than free parameters
        NotFinite,    // an x, y or weight that is not a finite number (or a weight <= 0)
        NotConverged, // the iteration did not reach a minimum
        OutOfBounds,  // an estimate outside its parameter's bounds (boundParameter says which)
        Singular,     // the parameters cannot be told apart (J'WJ not invertible)
    };
    Outcome outcome = TooFewPoints;
    int boundParameter = -1; // for OutOfBounds: index into parameters
    // Where the iteration stopped, for every outcome after it ran (empty
    // when the data were refused before): a caller can tell a parameter
    // that ran off from one that did not converge.
    std::vector<double> lastValues;

    // Every field below holds a value only when outcome is Fitted.
    std::vector<ParameterEstimate> parameters;  // in the model's order, fixed ones too
    std::vector<int> freeIndex;                 // the model indices of the free parameters
    std::vector<double> covariance;             // free x free, row-major
    std::vector<double> correlation;            // free x free, row-major
    std::vector<std::vector<double>> fitted;    // per set, per point: the curve
    std::vector<std::vector<double>> residuals; // per set, per point: y - curve
    std::vector<std::vector<double>> weights;   // per set, per point: the weights used
    double residualSS = 0.0;                    // weighted sum of squares
    double residualSD = 0.0;                    // sqrt(residualSS / df)
    double rSquared = 0.0;                      // 1 - residualSS / weighted total SS about the weighted mean
    double aicc = 0.0;                          // n ln(SS/n) + 2K + 2K(K+1)/(n-K-1), K = free parameters + 1
    bool hasAicc = false;                       // false for a perfect fit or too few points (n <= K + 1)
    int points = 0, df = 0;                     // df = points - free parameters
    double t = 0.0;                             // two-sided Student t for df at the confidence
    int evaluations = 0;

    double value(int parameter) const { return parameters[size_t(parameter)].value; }
    // The correlation of two free parameters given by their model indices (0 for a fixed one).
    double correlationOf(int a, int b) const;
};

// Fits the model to the data sets. Never throws; the outcome says why there
// is no fit.
FitResult Fit(const FitModel &model, const std::vector<FitDataSet> &sets, const FitOptions &options = {});

// As Fit, from other starting values than the model's (same length as its parameters).
FitResult FitFrom(const FitModel &model, const std::vector<double> &start, const std::vector<FitDataSet> &sets,
                  const FitOptions &options = {});

// The curve of a model with parameters p at x for set `set` (NaN when the model cannot evaluate it).
double CurveValue(const FitModel &model, int set, double x, const std::vector<double> &p);

} // namespace Fitting
