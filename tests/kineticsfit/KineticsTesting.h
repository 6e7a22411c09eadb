#pragma once

#include "kineticsfit/KineticTraces.h"

#include <vector>

// Traces made by the tests' own formulas, independent of the program's
// time courses: the pseudo-first-order approach, the exact 1:1 course with
// depletion from its quadratic, and Gaussian noise from a seeded generator.
namespace KineticsTesting {

// Rmax [L]/([L] + Kd) (1 - exp(-(kAss [L] + kDiss) t)) at `points` times
// evenly from 0 to end.
KineticsFit::Trace PseudoFirstOrderTrace(double ligand, double kAss, double kDiss, double end, int points);

// [A/B] / Total B of A + B <=> [A/B] from A = ligand, B = totalB, no complex.
KineticsFit::Trace ExactTrace(double ligand, double totalB, double kAss, double kDiss, double end, int points);

// The five concentrations of a three-fold dilution series from 50.
const std::vector<double> &DilutionSeries();

// Adds Gaussian noise of SD sd to every signal.
void AddNoise(std::vector<KineticsFit::Trace> &traces, double sd, unsigned seed);

} // namespace KineticsTesting
