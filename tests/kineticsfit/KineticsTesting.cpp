#include "KineticsTesting.h"

#include <cmath>
#include <random>

namespace KineticsTesting {

KineticsFit::Trace PseudoFirstOrderTrace(double ligand, double kAss, double kDiss, double end, int points)
{
    KineticsFit::Trace trace;
    trace.concentration = ligand;
    const double kObs = kAss * ligand + kDiss;
    for (int i = 0; i < points; ++i) {
        const double t = end * i / (points - 1);
        trace.time.push_back(t);
        trace.signal.push_back(ligand / (ligand + kDiss / kAss) * (1 - std::exp(-kObs * t)));
    }
    return trace;
}

KineticsFit::Trace ExactTrace(double ligand, double totalB, double kAss, double kDiss, double end, int points)
{
    // kAss (L - x)(B - x) - kDiss x = 0 has the roots x1 < x2; then
    // x(t) = x1 x2 (1 - E) / (x2 - x1 E) with E = exp(-kAss (x2 - x1) t).
    const double kd = kDiss / kAss;
    const double b = ligand + totalB + kd;
    const double root = std::sqrt(b * b - 4 * ligand * totalB);
    const double x2 = (b + root) / 2, x1 = ligand * totalB / x2;
    KineticsFit::Trace trace;
    trace.concentration = ligand;
    for (int i = 0; i < points; ++i) {
        const double t = end * i / (points - 1);
        const double e = std::exp(-kAss * (x2 - x1) * t);
        trace.time.push_back(t);
        trace.signal.push_back(x1 * x2 * (1 - e) / (x2 - x1 * e) / totalB);
    }
    return trace;
}

const std::vector<double> &DilutionSeries()
{
    static const std::vector<double> series = {50, 16.7, 5.56, 1.85, 0.617};
    return series;
}

void AddNoise(std::vector<KineticsFit::Trace> &traces, double sd, unsigned seed)
{
    std::mt19937 generator(seed);
    std::normal_distribution<double> noise(0.0, sd);
    for (KineticsFit::Trace &trace : traces)
        for (double &y : trace.signal)
            y += noise(generator);
}

} // namespace KineticsTesting
