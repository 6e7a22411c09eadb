#pragma once

#include "kineticsfit/KineticsFit.h"
#include "printing/ReportDetails.h"
#include "printing/ToolLists.h"

// The kinetics fit on the printed report: its list (the model, each
// constant with its SE and intervals, the correlation of the rate
// constants, the residual SD) and its tables (the traces fitted, every
// parameter, the warnings).
namespace KineticsFit {

ReportColumns ReportList(const KineticsFitResult &result, const Units &units);

// The traces (concentration, dissociation start, points, time span, own
// k_obs, residual SD), the parameters (value, SE, both 95 % intervals,
// unit) and the warnings, wrapped to the page's width.
QList<ReportSection> ReportTables(const KineticsFitResult &result, const Units &units);

} // namespace KineticsFit
