#pragma once

#include "planning/AssayPlan.h"

#include <QString>

#include <string>

// An assay plan as CSV: what the plan says as comment lines starting with
// "#" (the regime, the rates, the incubation, the warnings and controls),
// then one row per concentration under a header naming its columns.
namespace PlanCsv {

// Concentrations in the unit of molarPerUnit molar named unit.
std::string Text(const Planning::AssayPlan &plan, const Planning::PlanInput &input, const QString &unit,
                 double molarPerUnit);

} // namespace PlanCsv
