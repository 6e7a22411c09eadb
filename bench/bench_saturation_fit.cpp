// The cost of one saturation-curve fit of 20 points as the Scatchard window
// runs it: the Scatchard line, the start from it, the Levenberg-Marquardt
// fit, its standard errors and the profile interval of Kd.

#include "scatchard/SaturationComparison.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace modStatistics;

int main()
{
    // 20 (Bound, Bound/Free) pairs of a curve with Kd 8 and Bmax 100 and a
    // few percent of deterministic scatter.
    std::vector<double> x, y;
    for (int i = 0; i < 20; ++i) {
        const double free = 0.5 * std::pow(1.3, i);
        const double bound = 100 * free / (8 + free) * (1 + 0.03 * std::sin(7.0 * i));
        x.push_back(bound);
        y.push_back(bound / free);
    }

    constexpr int rounds = 2000;
    std::vector<double> samples;
    double sink = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const SaturationComparison comparison = CompareAnalyses(x, y);
        samples.push_back(timer.nsecsElapsed() / 1e3);
        sink += comparison.fit.kd;
    }
    std::sort(samples.begin(), samples.end());
    std::printf("saturation_fit_us: %.1f us\n", samples[samples.size() / 2]);
    return sink > 0 ? 0 : 1;
}
