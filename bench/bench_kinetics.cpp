// The time of the exact reference for a run next to the Euler run's own:
// the demonstration of the Dynamic Tool Assistant, and a 100,000-interval
// run at 0.01 % precision.

#include "BenchInput.h"
#include "dynamic/ReferenceRun.h"
#include "dynamic/SimulationEngine.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

using namespace modVornish;

namespace {

// The demonstration: 0.6, 0.05 and 0.4 nM, k_ass 5e6, Kd 1.6e-10 M, 45 min
// sampled every minute at 1 %, B + 30 nM at 15 min and [A/B] - 1 nM at 2 min.
SimulationInput demonstration()
{
    SimulationInput in;
    in.initialA = 0.6e-9;
    in.initialB = 0.05e-9;
    in.initialAB = 0.4e-9;
    in.kAss = 5e6;
    in.kDiss = 1.6e-10 * 5e6;
    in.endTime = 45 * 60.0;
    in.recordingInterval = 60.0;
    in.precisionFactor = PrecisionFactor(1);
    in.events = {{15 * 60.0, 30e-9, EventTarget::B}, {2 * 60.0, -1e-9, EventTarget::AB}};
    return in;
}

double referenceSeconds(const SimulationInput &in, double &lastAB)
{
    QElapsedTimer timer;
    timer.start();
    modKinetics::ReferenceRun reference(in);
    ResultRecord r;
    int segment;
    while (reference.next(r, segment))
        lastAB = r.AB;
    return timer.nsecsElapsed() / 1e9;
}

double eulerSeconds(const SimulationInput &in, double &lastAB)
{
    QElapsedTimer timer;
    timer.start();
    RunSimulation(in, [&](const ResultRecord &r) { lastAB = r.AB; });
    return timer.nsecsElapsed() / 1e9;
}

void report(const char *name, const SimulationInput &in, int rounds)
{
    double reference = 1e300, euler = 1e300, exactAB = 0, eulerAB = 0;
    for (int round = 0; round < rounds; ++round) {
        reference = std::min(reference, referenceSeconds(in, exactAB));
        euler = std::min(euler, eulerSeconds(in, eulerAB));
    }
    std::printf("reference_time_%s: %.3g s\n", name, reference);
    std::printf("euler_time_%s: %.3g s\n", name, euler);
    std::printf("reference_vs_euler_time_%s: %.3g\n", name, reference / euler);
    std::printf("final_complex_reference_vs_euler_%s: %.6g %.6g M\n", name, exactAB, eulerAB);
}

} // namespace

int main()
{
    report("demonstration", demonstration(), 5);
    report("100000_intervals_0.01_percent", benchmarkInput(100000, 4), 1);
    return 0;
}
