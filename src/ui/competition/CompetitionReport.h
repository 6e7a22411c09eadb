#pragma once

#include "printing/ReportDetails.h"

class frmCompetition;

// What the Competition Tool gives the report after its list of inputs and
// species: the IC50 <-> Ki conversions shown, with how far Cheng-Prusoff is
// from the exact Ki and the regime, and both fits of a measured curve with
// their intervals and data.
QList<ReportSection> CompetitionReportSections(const frmCompetition &tool);
