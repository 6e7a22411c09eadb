#pragma once

#include <QString>

#include <string>

namespace modCompetition {
struct CompetitionRecord;
}

// The Competition Tool's last results as CSV: the inputs, species and
// IC50 as comment lines starting with "#", then the competition curve of
// the graph, one row per point under a header naming its columns.
namespace CompetitionCsv {

// Concentrations in the unit of molarPerUnit molar named unit.
std::string Text(const modCompetition::CompetitionRecord &record, const QString &unit, double molarPerUnit);

} // namespace CompetitionCsv
