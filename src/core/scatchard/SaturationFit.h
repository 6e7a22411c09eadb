#pragma once

#include <vector>

// One-site saturation binding, Bound = Bmax * Free / (Kd + Free), fitted to
// measured (Free, Bound) pairs by nonlinear least squares.
namespace modStatistics {

// Where the Levenberg-Marquardt iteration starts.
struct SaturationStart
{
    double kd = 0.0;
    double bmax = 0.0;
};

// A start from the Scatchard line y = intercept + slope * x (x Bound,
// y Bound/Free): Kd = -1 / slope and Bmax its X intercept. False when the
// line gives no positive, finite pair.
bool StartFromScatchardLine(double intercept, double slope, SaturationStart &start);

// A start from the data alone: the best Kd of a logarithmic scan from a
// hundredth of the lowest to a hundred times the highest Free, with its
// best Bmax.
SaturationStart StartFromData(const std::vector<double> &free, const std::vector<double> &bound);

// The profile-likelihood 95 % interval of Kd: every Kd whose best residual
// sum of squares (Bmax refitted) stays within the F-test limit
// SSmin * (1 + t^2 / df). Kd > 0, so a lower bound of 0 means "not bounded
// below by the data"; open above means no upper bound.
struct ProfileInterval
{
    enum Kind { Finite, OpenAbove };
    Kind kind = Finite;
    double low = 0.0;
    double high = 0.0; // finite only
};

struct SaturationFit
{
    enum Outcome {
        Fitted,
        TooFewPoints, // fewer than three pairs
        NotPositive,  // a Free or Bound that is zero, negative or not finite
        FreeAllEqual,
        BoundAllEqual,
        NotConverged,
        NegativeEstimate, // Kd or Bmax <= 0
        Unbounded,        // Kd runs off far beyond the highest Free: no saturation
    };
    Outcome outcome = TooFewPoints;

    // Every field below holds a value only when outcome is Fitted.
    double kd = 0.0, bmax = 0.0;
    double seKd = 0.0, seBmax = 0.0;      // from the covariance s^2 (J'J)^-1
    double residualSS = 0.0;              // residual sum of squares
    double residualSD = 0.0;              // sqrt(residualSS / df)
    double rSquared = 0.0;                // 1 - residualSS / total SS of Bound
    int df = 0;                           // n - 2
    double t = 0.0;                       // two-sided 95 % Student t for df
    double kdLow = 0.0, kdHigh = 0.0;     // asymptotic: kd -/+ t * seKd
    double bmaxLow = 0.0, bmaxHigh = 0.0; // asymptotic: bmax -/+ t * seBmax
    ProfileInterval kdProfile;
    int evaluations = 0; // model evaluations of the solver
};

// Why the pairs cannot be fitted (too few, not all positive, all Free or
// all Bound equal), or Fitted when they can.
SaturationFit::Outcome CheckSaturationData(const std::vector<double> &free, const std::vector<double> &bound);

// Fits the curve to the pairs (free[i], bound[i]) from start, with the
// analytic derivatives of the model. Never throws; the outcome says why
// there is no fit.
SaturationFit FitSaturationCurve(const std::vector<double> &free, const std::vector<double> &bound,
                                 const SaturationStart &start);

} // namespace modStatistics
