#pragma once

#include <QString>

#include <utility>
#include <vector>

// What the Equilibrium Tool last computed, kept at full precision for
// export: the six concentrations of the last calculation and the binding
// curve its graph shows.
namespace modVornish {

struct EquilibriumRecord
{
    bool hasValues = false;
    double A = 0, Atot = 0, B = 0, Btot = 0, AB = 0, Kd = 0; // molar

    // The sweep points as plotted, both in the concentration unit of the
    // graph: the swept total and the chosen quantity.
    QString unit;
    QString sweptName; // "Total A" or "Total B"
    QString valueName; // "A", "B" or "[A/B]"
    std::vector<std::pair<double, double>> curve;
};

EquilibriumRecord &LastEquilibrium();

} // namespace modVornish
