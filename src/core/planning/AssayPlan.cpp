#include "planning/AssayPlan.h"

#include "dynamic/BindingTimeCourse.h"
#include "dynamic/KineticsText.h"

#include <algorithm>
#include <cmath>

namespace Planning {
namespace {

constexpr int proposedPoints = 12;
constexpr double proposedLow = 0.1, proposedHigh = 10.0; // × Kd
constexpr double depletionShare = 0.1;

bool positive(double v)
{
    return std::isfinite(v) && v > 0;
}

} // namespace

QString PlanInputProblem(const PlanInput &input)
{
    if (!positive(input.kd))
        return QStringLiteral("Enter the expected Kd: a number greater than 0.");
    if (!positive(input.sites))
        return QStringLiteral("Enter the binding-site concentration: a number greater than 0.");
    if (input.kAss < 0 || !std::isfinite(input.kAss) || input.kDiss < 0 || !std::isfinite(input.kDiss))
        return QStringLiteral("A rate constant must be a number of at least 0.");
    const bool range = input.lowest != 0 || input.highest != 0;
    if (range && !(positive(input.lowest) && positive(input.highest) && input.lowest < input.highest))
        return QStringLiteral("The ligand range needs a lowest and a highest concentration, both greater than 0, "
                              "the lowest below the highest.");
    if (input.points != 0 && (input.points < 3 || input.points > 100))
        return QStringLiteral("The number of points must be from 3 to 100.");
    if (input.experiment == Experiment::Competition && !(positive(input.labelled) && positive(input.ki)))
        return QStringLiteral("A competition plan needs the labelled ligand's concentration and the competitor's "
                              "expected Ki, both greater than 0.");
    return {};
}

Regime RegimeOf(double sites, double kd)
{
    const double ratio = sites / kd;
    if (ratio < 0.1)
        return Regime::Binding;
    return ratio <= 10 ? Regime::Intermediate : Regime::Titration;
}

QString RegimeText(Regime regime)
{
    switch (regime) {
    case Regime::Binding:
        return QStringLiteral("binding regime");
    case Regime::Intermediate:
        return QStringLiteral("intermediate: fit with the depletion model");
    case Regime::Titration:
        break;
    }
    return QStringLiteral("titration: this assay measures the binding-site concentration, not Kd");
}

std::vector<double> PlannedConcentrations(const PlanInput &input)
{
    const bool range = input.lowest > 0 && input.highest > 0;
    const double low = range ? input.lowest : proposedLow * input.kd;
    const double high = range ? input.highest : proposedHigh * input.kd;
    const int n = input.points > 0 ? input.points : proposedPoints;
    std::vector<double> values;
    for (int i = 0; i < n; ++i)
        values.push_back(low * std::pow(high / low, double(i) / (n - 1)));
    values.back() = high;
    return values;
}

AssayPlan MakePlan(const PlanInput &input)
{
    AssayPlan plan;
    plan.typicalRate = !(input.kAss > 0) && !(input.kDiss > 0);
    plan.kAss = input.kAss > 0 ? input.kAss : input.kDiss > 0 ? input.kDiss / input.kd : typicalKAss;
    plan.kDiss = input.kAss > 0 || !(input.kDiss > 0) ? plan.kAss * input.kd : input.kDiss;
    plan.regime = RegimeOf(input.sites, input.kd);

    const PlanRow *slowest = nullptr;
    for (double ligand : PlannedConcentrations(input)) {
        const modKinetics::BindingTimeCourse course(ligand, input.sites, 0.0, plan.kAss, plan.kDiss);
        const modKinetics::Equilibrium &equilibrium = course.equilibrium();
        PlanRow row;
        row.ligand = ligand;
        row.freeLigand = equilibrium.A;
        row.occupancy = equilibrium.AB / input.sites;
        row.ligandBound = equilibrium.AB / ligand;
        row.depleted = row.ligandBound > depletionShare;
        row.t90 = course.timeToFraction(0.90);
        row.t95 = course.timeToFraction(0.95);
        row.t99 = course.timeToFraction(0.99);
        row.kObs = course.kObs();
        plan.rows.push_back(row);
    }
    for (const PlanRow &row : plan.rows)
        if (!slowest || row.t95 > slowest->t95)
            slowest = &row;
    plan.incubation = slowest->t95;
    plan.fiveHalfTimes = 5 * std::log(2.0) / slowest->kObs;

    if (plan.typicalRate)
        plan.notes << QStringLiteral("No rate constant given: association is taken as %1 per M per s, typical "
                                     "of small ligands; the times are estimates.")
                          .arg(typicalKAss, 0, 'g', 3);
    const auto depleted = std::count_if(plan.rows.begin(), plan.rows.end(),
                                        [](const PlanRow &r) { return r.depleted; });
    if (depleted > 0)
        plan.notes << QStringLiteral("At %1 of %2 concentrations the sites bind more than 10 % of the ligand: "
                                     "free ligand is not the ligand added; fit with the depletion model or "
                                     "lower the binding-site concentration.")
                          .arg(depleted)
                          .arg(plan.rows.size());
    plan.notes << QStringLiteral("Incubate for at least %1 (the slowest point to 95 % of equilibrium).")
                      .arg(modKinetics::DurationText(plan.incubation));
    plan.notes << QStringLiteral("Control: measure at two incubation times (say %1 and twice that); the same "
                                 "binding at both shows equilibrium.")
                      .arg(modKinetics::DurationText(plan.incubation));
    plan.notes << QStringLiteral("Control: repeat with half (or a tenth of) the binding-site concentration; a "
                                 "Kd that moves with it shows titration or depletion.");
    return plan;
}

} // namespace Planning
