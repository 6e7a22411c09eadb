#include "fitting/ModelComparison.h"

#include <boost/math/distributions/fisher_f.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace Fitting {
namespace {

// The chance that an F with (df1, df2) degrees of freedom is at least f.
double upperTailF(double f, int df1, int df2)
{
    if (!(f > 0))
        return 1.0;
    const boost::math::fisher_f distribution(df1, df2);
    return boost::math::cdf(boost::math::complement(distribution, f));
}

double logChoose(int n, int k)
{
    return std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0);
}

// The chance of exactly r runs of n1 signs of one kind and n2 of the other
// in random order.
double runsProbability(int r, int n1, int n2)
{
    const double total = logChoose(n1 + n2, n1);
    const auto term = [&](int a, int b, int c, int d) {
        if (b < 0 || d < 0 || b > a || d > c)
            return 0.0;
        return std::exp(logChoose(a, b) + logChoose(c, d) - total);
    };
    if (r % 2 == 0) {
        const int k = r / 2;
        return 2 * term(n1 - 1, k - 1, n2 - 1, k - 1);
    }
    const int k = (r - 1) / 2;
    return term(n1 - 1, k, n2 - 1, k - 1) + term(n1 - 1, k - 1, n2 - 1, k);
}

} // namespace

ModelComparison CompareFits(const FitResult &first, const FitResult &second, bool nested)
{
    ModelComparison comparison;
    comparison.nested = nested && first.df > second.df;
    if (comparison.nested) {
        if (second.residualSS > 0) {
            comparison.f = ((first.residualSS - second.residualSS) / (first.df - second.df))
                           / (second.residualSS / second.df);
            comparison.p = upperTailF(comparison.f, first.df - second.df, second.df);
        } else {
            comparison.p = first.residualSS > 0 ? 0.0 : 1.0;
        }
    }
    comparison.aiccAvailable = first.hasAicc && second.hasAicc;
    if (comparison.aiccAvailable) {
        comparison.deltaAicc = second.aicc - first.aicc;
        // exp(-delta/2) / (1 + exp(-delta/2)), written so that it cannot overflow.
        comparison.probabilitySecond = 1.0 / (1.0 + std::exp(std::clamp(comparison.deltaAicc / 2, -700.0, 700.0)));
        comparison.probabilityFirst = 1.0 - comparison.probabilitySecond;
    }
    comparison.prefersSecond = comparison.nested ? comparison.p < 0.05
                                                 : comparison.aiccAvailable && comparison.deltaAicc < 0;
    return comparison;
}

RunsTest RunsOfResiduals(const std::vector<double> &x, const std::vector<double> &residuals)
{
    std::vector<size_t> order(x.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return x[a] < x[b]; });
    RunsTest test;
    int previous = 0;
    for (size_t i : order) {
        const int sign = residuals[i] > 0 ? 1 : residuals[i] < 0 ? -1 : 0;
        if (sign == 0)
            continue;
        (sign > 0 ? test.positive : test.negative) += 1;
        if (sign != previous)
            ++test.runs;
        previous = sign;
    }
    if (test.positive == 0 || test.negative == 0)
        return test;
    test.p = 0;
    for (int r = 2; r <= test.runs; ++r)
        test.p += runsProbability(r, test.positive, test.negative);
    test.p = std::min(test.p, 1.0);
    return test;
}

ReplicatesTest TestReplicates(const std::vector<double> &x, const std::vector<double> &residuals, int freeParameters)
{
    std::vector<size_t> order(x.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return x[a] < x[b]; });
    ReplicatesTest test;
    double totalSS = 0;
    int groups = 0;
    for (size_t start = 0; start < order.size();) {
        size_t end = start;
        double sum = 0;
        while (end < order.size() && x[order[end]] == x[order[start]])
            sum += residuals[order[end++]];
        const double mean = sum / double(end - start);
        for (size_t i = start; i < end; ++i) {
            const double r = residuals[order[i]];
            test.pureErrorSS += (r - mean) * (r - mean);
            totalSS += r * r;
        }
        ++groups;
        start = end;
    }
    test.pureErrorDf = int(x.size()) - groups;
    test.lackOfFitDf = groups - freeParameters;
    test.available = test.pureErrorDf > 0 && test.lackOfFitDf > 0 && test.pureErrorSS > 0;
    if (!test.available)
        return test;
    test.lackOfFitSS = std::max(totalSS - test.pureErrorSS, 0.0);
    test.f = (test.lackOfFitSS / test.lackOfFitDf) / (test.pureErrorSS / test.pureErrorDf);
    test.p = upperTailF(test.f, test.lackOfFitDf, test.pureErrorDf);
    return test;
}

} // namespace Fitting
