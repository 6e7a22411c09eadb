#pragma once

#include <QString>

#include <string>

namespace modCompetition {
struct CompetitionRecord;
struct CompetitionFitReport;
} // namespace modCompetition

// The Competition Tool's last results as CSV: the inputs, species and
// IC50 as comment lines starting with "#", then the competition curve of
// the graph, one row per point under a header naming its columns.
namespace CompetitionCsv {

// Concentrations in the unit of molarPerUnit molar named unit.
std::string Text(const modCompetition::CompetitionRecord &record, const QString &unit, double molarPerUnit);

// Both fits of a competition curve: each under a comment line naming it,
// one row per parameter (name, value, SE, low, high, unit), then the Ki
// from the logistic's IC50 by the four methods as comment lines.
// Concentrations in the unit named unit.
std::string FitText(const modCompetition::CompetitionFitReport &report, const QString &unit);

} // namespace CompetitionCsv
