#pragma once

#include "planning/CompetitionDesign.h"

#include <QString>
#include <QStringList>

#include <vector>

// The plan of a binding assay before it is run: the concentrations, how far
// each gets toward equilibrium and when, how much ligand the sites take up,
// and which regime the design is in. Concentrations in M, times in s.
// A saturation plan titrates the ligand; a competition plan titrates the
// competitor against the labelled ligand; a kinetics plan follows the
// approach at each ligand concentration and the dissociation after.
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

// The fractions of the way to equilibrium at which a kinetics plan samples:
// evenly spread in signal, so every part of the course weighs alike.
constexpr double sampleFractions[] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 0.95, 0.99};

struct PlanRow
{
    double ligand = 0.0;                    // total ligand (competition: competitor) added
    double freeLigand = 0.0;                // at equilibrium
    double occupancy = 0.0;                 // fraction of the sites occupied (competition: by the labelled ligand)
    double ligandBound = 0.0;               // fraction of the ligand (competition: competitor) bound
    bool depleted = false;                  // more than a tenth of it bound
    double t90 = 0.0, t95 = 0.0, t99 = 0.0; // to that fraction of equilibrium, from the exact course
    double kObs = 0.0;                      // the relaxation rate constant of the exact course
    std::vector<double> samples;            // kinetics: when the course reaches each of sampleFractions
};

struct AssayPlan
{
    std::vector<PlanRow> rows;
    double kAss = 0.0, kDiss = 0.0;
    bool typicalRate = false; // kAss assumed, not given
    Regime regime = Regime::Binding;
    double incubation = 0.0;          // the slowest point to 95 %
    double fiveHalfTimes = 0.0;       // 5 ln 2 / kObs of the slowest point
    CompetitionDesign competition;    // competition only
    std::vector<double> dissociation; // kinetics: when the wash-out reaches each of sampleFractions
    QStringList notes;                // the controls to run and the warnings, one sentence each
};

// The plan for an input that PlanInputProblem accepts. Throws RuntimeFault
// for concentrations beyond what the equilibrium can be computed for.
AssayPlan MakePlan(const PlanInput &input);

// The concentrations the plan uses, log-spaced: the user's range, or about
// 0.1 to 10 × Kd (competition: the whole decades around the expected IC50).
std::vector<double> PlannedConcentrations(const PlanInput &input);

} // namespace Planning
