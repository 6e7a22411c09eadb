#pragma once

#include <QString>

#include <string>

namespace modVornish {
struct EquilibriumRecord;
}

// The Equilibrium Tool's last results as CSV: the six concentrations as a
// block of comment lines starting with "#", then the binding curve of the
// graph, one row per sweep point under a header naming both columns.
namespace EquilibriumCsv {

// Concentrations in the unit of molarPerUnit molar named unit; the curve
// keeps the unit it was drawn in.
std::string Text(const modVornish::EquilibriumRecord &record, const QString &unit, double molarPerUnit);

} // namespace EquilibriumCsv
