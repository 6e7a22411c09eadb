// The cost of predicting a saturation design's precision: 500 simulated
// experiments of 12 points, each fitted with its profile interval of Kd.

#include "planning/PredictedPrecision.h"

#include <QElapsedTimer>

#include <cmath>
#include <cstdio>

int main()
{
    const double kd = 1e-9;
    Planning::PrecisionDesign design;
    for (int i = 0; i < 12; ++i)
        design.ligand.push_back(0.1 * kd * std::pow(100.0, i / 11.0));
    design.cv = 0.05;
    QElapsedTimer timer;
    timer.start();
    Planning::PrecisionSimulation simulation(kd, 1e-12, design, 500, 1);
    while (!simulation.step(25)) {
    }
    const double elapsed = timer.nsecsElapsed() / 1e6;
    std::printf("planner_precision_ms: %.1f ms\n", elapsed);
    return simulation.estimate().experiments == 500 ? 0 : 1;
}
