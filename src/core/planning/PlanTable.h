#pragma once

#include "planning/AssayPlan.h"

#include <QString>
#include <QStringList>

#include <vector>

// The plan as a table, one row per concentration, the same in the window,
// its CSV and the command line: headers carrying their units, and numbers
// in them (concentrations in the unit given, shares in %, times in s).
namespace Planning {

QStringList PlanHeaders(Experiment experiment, const QString &unit);
std::vector<double> PlanValues(const PlanRow &row, Experiment experiment, double molarPerUnit);

// What the whole plan says besides its rows, as named values with units:
// the regime, the rates, the incubation, the competition design.
struct PlanFact
{
    QString name, value;
};
std::vector<PlanFact> PlanFacts(const AssayPlan &plan, const PlanInput &input);

} // namespace Planning
