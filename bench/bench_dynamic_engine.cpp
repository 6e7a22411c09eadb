// Integration steps per second of RunSimulation with a sink that discards
// samples, next to a bare loop doing the same arithmetic in the same run.

#include "BenchInput.h"
#include "dynamic/SimulationEngine.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

using namespace modVornish;

namespace {

constexpr int Intervals = 10000;
constexpr int PrecisionIndex = 4; // 0.01 %: 10001 steps per interval
constexpr double StepsPerInterval = 10001.0;

SimulationInput benchInput()
{
    return benchmarkInput(Intervals, PrecisionIndex);
}

// The engine's step without the engine: rates, increments, the three floors
// and the update, with the same interval and step bookkeeping.
double bareLoop(const SimulationInput &in, long long &steps)
{
    double A = in.initialA, B = in.initialB, AB = in.initialAB;
    const double kAss = in.kAss, kDiss = in.kDiss;
    const double delta = static_cast<double>(in.precisionFactor) * in.recordingInterval;
    double t = 0.0;
    steps = 0;
    while (t < in.endTime) {
        const double end = t + in.recordingInterval;
        for (double tau = t; tau <= end; tau += delta) {
            const double association = (A * kAss) * B;
            const double dissociation = AB * kDiss;
            double iA = delta * (dissociation - association);
            double iB = delta * (dissociation - association);
            double iAB = delta * (association - dissociation);
            if (iA <= -A) {
                iA = -0.999 * A;
                iB = -0.999 * A;
                iAB = 0.999 * A;
            }
            if (iB <= -B) {
                iB = -0.999 * B;
                iA = -0.999 * B;
                iAB = 0.999 * B;
            }
            if (iAB <= -AB) {
                iAB = -0.999 * AB;
                iA = 0.999 * AB;
                iB = 0.999 * AB;
            }
            A += iA;
            B += iB;
            AB += iAB;
            ++steps;
        }
        t += in.recordingInterval;
    }
    return AB;
}

} // namespace

int main()
{
    const SimulationInput in = benchInput();
    const double engineSteps = StepsPerInterval * Intervals;

    // Best of three rounds each, interleaved, as the machine is shared.
    double lastAB = 0.0, bareAB = 0.0;
    double engineSeconds = 1e300, bareSeconds = 1e300;
    long long bareSteps = 0;
    QElapsedTimer timer;
    for (int round = 0; round < 3; ++round) {
        timer.start();
        RunSimulation(in, [&](const ResultRecord &r) { lastAB = r.AB; });
        engineSeconds = std::min(engineSeconds, timer.nsecsElapsed() / 1e9);

        timer.start();
        bareAB = bareLoop(in, bareSteps);
        bareSeconds = std::min(bareSeconds, timer.nsecsElapsed() / 1e9);
    }

    const double engineRate = engineSteps / engineSeconds;
    const double bareRate = bareSteps / bareSeconds;
    std::printf("engine_steps_per_second: %.3g steps/s\n", engineRate);
    std::printf("bare_loop_steps_per_second: %.3g steps/s\n", bareRate);
    std::printf("engine_vs_bare_loop: %.2f\n", engineRate / bareRate);
    // Keeps both computations alive and shows they agree.
    std::printf("final_complex_engine_vs_bare: %.6g %.6g M\n", lastAB, bareAB);
    return 0;
}
