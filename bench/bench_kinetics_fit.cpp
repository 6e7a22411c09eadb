// The cost of a global kinetics fit as the Kinetics Fit window runs it:
// five association traces of 500 points (k_ass 1e7 per M per s, k_diss
// 0.01 per s, three-fold apart from 50 nM, deterministic scatter of 1 %),
// with profile intervals and the refit for Kd's: the pseudo-first-order
// model and the exact model with depletion (Total B 1 nM).

#include "kineticsfit/KineticsFit.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace KineticsFit;

namespace {

double medianMs(const FitRequest &request, int rounds, bool &fitted)
{
    std::vector<double> samples;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        fitted = FitKinetics(request).fitted;
        samples.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main()
{
    FitRequest request;
    int k = 0;
    for (double l : {50.0, 16.7, 5.56, 1.85, 0.617}) {
        Trace trace;
        trace.concentration = l;
        const double kObs = 0.01 * l + 0.01;
        for (int i = 0; i < 500; ++i) {
            const double t = 600.0 * i / 499;
            trace.time.push_back(t);
            trace.signal.push_back(l / (l + 1) * -std::expm1(-kObs * t) + 0.01 * std::sin(7.0 * ++k));
        }
        request.traces.push_back(trace);
    }
    bool fitted = false;
    std::printf("kinetics_global_fit_ms (pseudo-first-order): %.2f ms\n", medianMs(request, 21, fitted));
    if (!fitted)
        return 1;
    request.model.model = Model::Exact;
    request.model.totalB = 1;
    std::printf("kinetics_global_fit_ms (exact): %.2f ms\n", medianMs(request, 5, fitted));
    return fitted ? 0 : 1;
}
