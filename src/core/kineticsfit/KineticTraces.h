#pragma once

#include <QString>

#include <vector>

// Measured time courses of binding: association traces, each at its ligand
// concentration (in a kinetics fit of competition, the competitor's), and
// dissociation phases. Times and concentrations are in the units the user
// gave them in; the fit reports its constants in those units too.
namespace KineticsFit {

struct Trace
{
    double concentration = 0.0;
    // A trace with a dissociation phase: the ligand is washed out at this
    // time and the signal decays from there on.
    bool dissociates = false;
    double dissociationStart = 0.0;
    std::vector<double> time, signal; // time strictly increasing
    bool included = true;             // the user's check box
};

// The traces the fit takes: the included ones with at least one point.
std::vector<Trace> IncludedTraces(const std::vector<Trace> &traces);

} // namespace KineticsFit
