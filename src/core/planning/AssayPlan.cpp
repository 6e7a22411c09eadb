#include "planning/AssayPlan.h"

#include "competition/CompetitionCurve.h"
#include "competition/CompetitionEquilibrium.h"
#include "dynamic/BindingTimeCourse.h"
#include "dynamic/KineticsText.h"
#include "planning/PlanText.h"

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
    double low = range ? input.lowest : proposedLow * input.kd;
    double high = range ? input.highest : proposedHigh * input.kd;
    if (!range && input.experiment == Experiment::Competition) {
        const CompetitionDesign design = DesignCompetition(input.labelled, input.kd, input.sites, input.ki);
        double xMin = 0, xMax = 0;
        modCompetition::AutomaticCompetitionRange(design.ic50, xMin, xMax);
        low = std::pow(10.0, xMin);
        high = std::pow(10.0, xMax);
    }
    const int n = input.points > 0 ? input.points : proposedPoints;
    std::vector<double> values;
    for (int i = 0; i < n; ++i)
        values.push_back(low * std::pow(high / low, double(i) / (n - 1)));
    values.back() = high;
    return values;
}

namespace {

std::vector<double> samplesOf(const modKinetics::BindingTimeCourse &course)
{
    std::vector<double> times;
    for (double f : sampleFractions)
        times.push_back(course.timeToFraction(f));
    return times;
}

// The ligand's row: the equilibrium and the approach to it.
PlanRow ligandRow(const PlanInput &input, const AssayPlan &plan, double ligand)
{
    const modKinetics::BindingTimeCourse course(ligand, input.sites, 0.0, plan.kAss, plan.kDiss);
    const modKinetics::Equilibrium &equilibrium = course.equilibrium();
    PlanRow row;
    row.ligand = ligand;
    row.freeLigand = equilibrium.A;
    row.occupancy = equilibrium.AB / input.sites;
    row.ligandBound = equilibrium.AB / ligand;
    row.t90 = course.timeToFraction(0.90);
    row.t95 = course.timeToFraction(0.95);
    row.t99 = course.timeToFraction(0.99);
    row.kObs = course.kObs();
    if (input.experiment == Experiment::Kinetics)
        row.samples = samplesOf(course);
    return row;
}

// The competitor's row: the three-species equilibrium; the approach is the
// labelled ligand's to its sites (the competitor's rates are not known).
PlanRow competitorRow(const PlanInput &input, const PlanRow &label, double competitor)
{
    const modCompetition::CompetitionSpecies species = modCompetition::SolveCompetition(
        {input.labelled, input.sites, competitor, input.kd, input.ki});
    PlanRow row = label;
    row.ligand = competitor;
    row.freeLigand = species.C;
    row.occupancy = species.occupancyA;
    row.ligandBound = species.CB / competitor;
    return row;
}

} // namespace

AssayPlan MakePlan(const PlanInput &input)
{
    AssayPlan plan;
    plan.typicalRate = !(input.kAss > 0) && !(input.kDiss > 0);
    plan.kAss = input.kAss > 0 ? input.kAss : input.kDiss > 0 ? input.kDiss / input.kd : typicalKAss;
    plan.kDiss = input.kAss > 0 || !(input.kDiss > 0) ? plan.kAss * input.kd : input.kDiss;
    plan.regime = RegimeOf(input.sites, input.kd);

    const bool competition = input.experiment == Experiment::Competition;
    if (competition) {
        plan.competition = DesignCompetition(input.labelled, input.kd, input.sites, input.ki);
        const PlanRow label = ligandRow(input, plan, input.labelled);
        for (double competitor : PlannedConcentrations(input))
            plan.rows.push_back(competitorRow(input, label, competitor));
    } else {
        for (double ligand : PlannedConcentrations(input))
            plan.rows.push_back(ligandRow(input, plan, ligand));
    }
    const PlanRow *slowest = nullptr;
    for (PlanRow &row : plan.rows) {
        row.depleted = row.ligandBound > depletionShare;
        if (!slowest || row.t95 > slowest->t95)
            slowest = &row;
    }
    plan.incubation = slowest->t95;
    plan.fiveHalfTimes = 5 * std::log(2.0) / slowest->kObs;

    if (plan.typicalRate)
        plan.notes << QStringLiteral("No rate constant given: association is taken as %1 per M per s, typical "
                                     "of small ligands; the times are estimates.")
                          .arg(typicalKAss, 0, 'g', 3);
    if (input.kAss > 0 && input.kDiss > 0 && std::fabs(input.kDiss / plan.kDiss - 1) > 0.01)
        plan.notes << QStringLiteral("The k_diss given does not agree with k_ass and Kd: the plan takes k_diss as "
                                     "k_ass × Kd = %1 per s.")
                          .arg(plan.kDiss, 0, 'g', 3);
    if (plan.regime == Regime::Titration)
        plan.notes << QStringLiteral("Titration: the binding sites are more than 10 times Kd, so this assay "
                                     "measures the binding-site concentration, not Kd. Lower the binding-site "
                                     "concentration well below Kd.");
    const auto depleted = std::count_if(plan.rows.begin(), plan.rows.end(),
                                        [](const PlanRow &r) { return r.depleted; });
    if (depleted > 0)
        plan.notes << (competition ? QStringLiteral("At %1 of %2 concentrations the sites bind more than 10 % of "
                                                    "the competitor: its free concentration is not the one added.")
                                   : QStringLiteral("At %1 of %2 concentrations the sites bind more than 10 % of "
                                                    "the ligand: free ligand is not the ligand added; fit with the "
                                                    "depletion model or lower the binding-site concentration."))
                          .arg(depleted)
                          .arg(plan.rows.size());
    if (competition) {
        const CompetitionDesign &design = plan.competition;
        plan.notes << CompetitionWarnings(design, input.labelled, input.sites);
        if (plan.rows.front().ligand > design.ic50 / 10 || plan.rows.back().ligand < design.ic50 * 10)
            plan.notes << QStringLiteral("The competitor range does not bracket the expected IC50 (%1) by a decade "
                                         "on each side: widen it.")
                              .arg(ConcentrationText(design.ic50));
        plan.notes << QStringLiteral("The times are the labelled ligand's approach without competitor; a "
                                     "competitor that dissociates more slowly takes longer.");
    }
    plan.notes << QStringLiteral("Incubate for at least %1 (the slowest point to 95 % of equilibrium).")
                      .arg(modKinetics::DurationText(plan.incubation));
    if (input.experiment == Experiment::Kinetics) {
        // The wash-out of the complex formed at the highest concentration.
        const PlanRow &highest = plan.rows.back();
        const modKinetics::BindingTimeCourse washout(0.0, 0.0, highest.occupancy * input.sites, 0.0, plan.kDiss);
        plan.dissociation = samplesOf(washout);
        plan.notes << QStringLiteral("Sample each association at the times listed (10 % to 99 % of the way to "
                                     "equilibrium), and follow the dissociation for at least %1 (99 % of the "
                                     "way).")
                          .arg(modKinetics::DurationText(plan.dissociation.back()));
    }
    plan.notes << QStringLiteral("Control: measure at two incubation times (say %1 and twice that); the same "
                                 "binding at both shows equilibrium.")
                      .arg(modKinetics::DurationText(plan.incubation));
    plan.notes << QStringLiteral("Control: repeat with half (or a tenth of) the binding-site concentration; a "
                                 "Kd that moves with it shows titration or depletion.");
    return plan;
}

} // namespace Planning
