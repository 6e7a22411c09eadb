#pragma once

#include "competition/CompetitionEquilibrium.h"

#include <QString>

#include <utility>
#include <vector>

namespace modCompetition {

// The Competition Tool's last calculation, for the data export: the input
// and species in molar, the IC50 (0 when there is none) and the curve as
// plotted (the molar Total C and the plotted value).
struct CompetitionRecord
{
    bool hasValues = false;
    CompetitionInput input = {};
    CompetitionSpecies species = {};
    double ic50 = 0;
    QString valueName = {}; // the curve's Y column, with its unit
    std::vector<std::pair<double, double>> curve = {};
};

CompetitionRecord &LastCompetition();

} // namespace modCompetition
