#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The plan of a binding assay before it is run: the concentrations, how far
// each gets toward equilibrium and when, how much ligand the sites take up,
// and which regime the design is in. Concentrations in M, times in s.
namespace Planning {

enum class Experiment { Saturation, Competition, Kinetics };

struct PlanInput
{
    Experiment experiment = Experiment::Saturation;
    double kd = 0.0;    // the expected Kd of the (labelled) ligand
    double kAss = 0.0;  // 1/(M s); 0: not known
    double kDiss = 0.0; // 1/s; 0: not known (from kAss and Kd when kAss is known)
    double sites = 0.0; // the binding-site concentration
    // The ligand range; both 0: propose about 0.1 to 10 × Kd.
    double lowest = 0.0, highest = 0.0;
    int points = 0; // 0: propose
    // Competition: the labelled ligand's concentration and the competitor's expected Ki.
    double labelled = 0.0, ki = 0.0;
};

// Why the input makes no plan, in the window's words; empty when it does.
QString PlanInputProblem(const PlanInput &input);

// Without a known rate constant, association is taken as diffusion-limited
// binding of small molecules typically is.
constexpr double typicalKAss = 1e6;

enum class Regime { Binding, Intermediate, Titration };
Regime RegimeOf(double sites, double kd);
QString RegimeText(Regime regime);

struct PlanRow
{
    double ligand = 0.0;                    // total ligand added
    double freeLigand = 0.0;                // at equilibrium
    double occupancy = 0.0;                 // fraction of the sites occupied
    double ligandBound = 0.0;               // fraction of the ligand bound
    bool depleted = false;                  // more than a tenth of the ligand bound
    double t90 = 0.0, t95 = 0.0, t99 = 0.0; // to that fraction of equilibrium, from the exact course
    double kObs = 0.0;                      // the relaxation rate constant of the exact course
};

struct AssayPlan
{
    std::vector<PlanRow> rows;
    double kAss = 0.0, kDiss = 0.0;
    bool typicalRate = false; // kAss assumed, not given
    Regime regime = Regime::Binding;
    double incubation = 0.0;    // the slowest point to 95 %
    double fiveHalfTimes = 0.0; // 5 ln 2 / kObs of the slowest point
    QStringList notes;          // the controls to run and the warnings, one sentence each
};

// The plan for an input that PlanInputProblem accepts.
AssayPlan MakePlan(const PlanInput &input);

// The concentrations the plan uses: the user's range or about 0.1 to 10 × Kd,
// log-spaced.
std::vector<double> PlannedConcentrations(const PlanInput &input);

} // namespace Planning
