#pragma once

#include "fitting/FitEngine.h"

#include <QString>

// Which of two fits of the same data the data support.
namespace Fitting {

struct ModelComparison
{
    // The extra-sum-of-squares F test, for nested models only: the simpler
    // model has the fewer free parameters and the more degrees of freedom.
    bool nested = false;
    double f = 0.0, p = 1.0; // p: the chance of so large an F if the simpler model were right

    // AICc: the difference (second - first) and the probability that each
    // is right; not available when either fit has no AICc.
    bool aiccAvailable = false;
    double deltaAicc = 0.0;
    double probabilityFirst = 0.5, probabilitySecond = 0.5;

    bool prefersSecond = false; // by the F test when nested (p < 0.05), by AICc otherwise
};

// first and second are fits of the same points; nested says whether the
// first is a special case of the second (the caller knows its models).
ModelComparison CompareFits(const FitResult &first, const FitResult &second, bool nested);

// The runs test on the residuals in order of x: too few runs means the
// curve misses a systematic trend. p is the one-sided chance of so few runs.
struct RunsTest
{
    int runs = 0, positive = 0, negative = 0;
    double p = 1.0;
};
RunsTest RunsOfResiduals(const std::vector<double> &x, const std::vector<double> &residuals);

// Lack of fit against the scatter of replicates (points that share an x):
// p is the chance of so large a lack of fit if the model were right.
// Available only when some x is repeated and there are more distinct x than
// free parameters.
struct ReplicatesTest
{
    bool available = false;
    double lackOfFitSS = 0.0, pureErrorSS = 0.0;
    int lackOfFitDf = 0, pureErrorDf = 0;
    double f = 0.0, p = 1.0;
};
ReplicatesTest TestReplicates(const std::vector<double> &x, const std::vector<double> &residuals, int freeParameters);

} // namespace Fitting
