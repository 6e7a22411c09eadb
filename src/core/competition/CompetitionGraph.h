#pragma once

#include "competition/CompetitionEquilibrium.h"

namespace modCompetition {

// Composes the competition curve into the display list after the results
// are shown: [A/B] (or its percent of the value without competitor, by the
// Options window) against the decimal logarithm of the molar Total C, the
// IC50 marked by a closed circle, and keeps the points for the data export.
// Runs inside the Calculate operation's fault handler and clears the status
// text on every normal way out.
void DrawCompetitionGraph(const CompetitionInput &input, double ic50Molar);

} // namespace modCompetition
