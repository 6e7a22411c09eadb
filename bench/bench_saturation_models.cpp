// The Saturation Binding window's global fit: total and nonspecific binding,
// 12 X values in triplicate each, fitted together with profile intervals.

#include "scatchard/SaturationModels.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

int main()
{
    using namespace modStatistics;
    const std::vector<double> x{0.5, 1, 2, 3, 5, 7.5, 10, 15, 20, 30, 45, 60};
    SaturationData data;
    unsigned seed = 19;
    const auto noise = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (int((seed >> 8) % 2001) - 1000) / 1000.0;
    };
    for (double v : x) {
        for (int replicate = 0; replicate < 3; ++replicate) {
            data.binding.x.push_back(v);
            data.binding.y.push_back(200 * v / (5 + v) + 2 * v + 10 + 3 * noise());
            data.nonspecific.x.push_back(v);
            data.nonspecific.y.push_back(2 * v + 10 + 1.5 * noise());
        }
    }
    std::vector<double> micros;
    for (int run = 0; run < 200; ++run) {
        QElapsedTimer clock;
        clock.start();
        const SaturationModelFit fit = FitSaturationModel(SaturationModel::TotalAndNonspecific, data, {});
        micros.push_back(clock.nsecsElapsed() / 1e3);
        if (!fit.problem.isEmpty()) {
            std::printf("the fit failed: %s\n", qPrintable(fit.problem));
            return 1;
        }
    }
    std::sort(micros.begin(), micros.end());
    std::printf("saturation_global_fit_us: %.1f us\n", micros[micros.size() / 2]);
    return 0;
}
