#pragma once

#include "planning/AssayPlan.h"

#include <random>
#include <vector>

// How well a planned saturation experiment will determine Kd: the planned
// experiment simulated many times with the stated scatter, each fitted with
// the one-site model, and the 95 % profile intervals of Kd collected.
namespace Planning {

struct PrecisionDesign
{
    std::vector<double> ligand; // total ligand added at each point (M)
    int replicates = 1;
    double cv = 0.05; // the scatter of a measurement, relative (0.05 is 5 %)
};

struct PrecisionEstimate
{
    int experiments = 0;
    int failed = 0;           // no fit, or an interval open on a side
    double medianWidth = 0.0; // of the 95 % interval of Kd, relative to Kd
    double medianKd = 0.0;    // of the fitted Kd, relative to the true Kd
    double failedShare() const { return experiments > 0 ? double(failed) / experiments : 0.0; }
};

// One simulated experiment: the free ligand at each point and replicate
// (exact, from the equilibrium) and the bound with Gaussian relative scatter.
struct SimulatedExperiment
{
    std::vector<double> freeLigand, bound;
};

// The simulation runs in steps so that a window can show progress and stop.
class PrecisionSimulation
{
public:
    PrecisionSimulation(double kd, double sites, const PrecisionDesign &design, int experiments, unsigned seed);

    // Runs up to count more experiments; true when all have run.
    bool step(int count);
    int done() const { return int(m_widths.size()) + m_failed; }
    int total() const { return m_total; }
    PrecisionEstimate estimate() const;

    // The next experiment of the seeded sequence (what step fits).
    SimulatedExperiment simulate();

private:
    double m_kd;
    std::vector<double> m_free, m_bound; // noise-free, per design point
    PrecisionDesign m_design;
    int m_total;
    int m_failed = 0;
    std::vector<double> m_widths, m_kds;
    std::mt19937_64 m_random;
    std::normal_distribution<double> m_normal;
};

} // namespace Planning
