#include "planning/PlanTable.h"

#include "dynamic/KineticsText.h"
#include "planning/PlanText.h"

namespace Planning {

QStringList PlanHeaders(Experiment experiment, const QString &unit)
{
    const bool competition = experiment == Experiment::Competition;
    const QString u = QStringLiteral(" (%1)").arg(unit);
    QStringList headers = {(competition ? QStringLiteral("Competitor") : QStringLiteral("Ligand")) + u,
                           (competition ? QStringLiteral("Free competitor") : QStringLiteral("Free ligand")) + u,
                           competition ? QStringLiteral("Sites with label (%)") : QStringLiteral("Sites occupied (%)"),
                           competition ? QStringLiteral("Competitor bound (%)") : QStringLiteral("Ligand bound (%)"),
                           QStringLiteral("Depleted (1 = over 10 % bound)"),
                           QStringLiteral("To 90 % (s)"),
                           QStringLiteral("To 95 % (s)"),
                           QStringLiteral("To 99 % (s)")};
    if (experiment == Experiment::Kinetics)
        for (double f : sampleFractions)
            headers << QStringLiteral("Sample at %1 % (s)").arg(qRound(f * 100));
    return headers;
}

std::vector<double> PlanValues(const PlanRow &row, Experiment experiment, double molarPerUnit)
{
    std::vector<double> values = {row.ligand / molarPerUnit,
                                  row.freeLigand / molarPerUnit,
                                  100 * row.occupancy,
                                  100 * row.ligandBound,
                                  row.depleted ? 1.0 : 0.0,
                                  row.t90,
                                  row.t95,
                                  row.t99};
    if (experiment == Experiment::Kinetics)
        values.insert(values.end(), row.samples.begin(), row.samples.end());
    return values;
}

std::vector<PlanFact> PlanFacts(const AssayPlan &plan, const PlanInput &input)
{
    std::vector<PlanFact> facts = {
        {QStringLiteral("Regime"), QStringLiteral("%1 (binding sites / Kd = %2)")
                                       .arg(RegimeText(plan.regime), QString::number(input.sites / input.kd, 'g', 3))},
        {QStringLiteral("k_ass"), QStringLiteral("%1 per M per s%2")
                                      .arg(QString::number(plan.kAss, 'g', 3),
                                           plan.typicalRate ? QStringLiteral(" (typical, assumed)") : QString())},
        {QStringLiteral("k_diss"), QStringLiteral("%1 per s").arg(QString::number(plan.kDiss, 'g', 3))},
        {QStringLiteral("Incubation"),
         QStringLiteral("%1 (the slowest point to 95 %)").arg(modKinetics::DurationText(plan.incubation))},
        {QStringLiteral("5 half-times"),
         QStringLiteral("%1 (96.9 % of the way)").arg(modKinetics::DurationText(plan.fiveHalfTimes))},
    };
    if (input.experiment == Experiment::Competition) {
        const CompetitionDesign &d = plan.competition;
        facts.push_back({QStringLiteral("Expected IC50"), ConcentrationText(d.ic50)});
        facts.push_back({QStringLiteral("Cheng-Prusoff off by"), PercentText(d.chengPrusoffError)});
        facts.push_back({QStringLiteral("Advised labelled ligand"), ConcentrationText(d.labelledAdvised)});
        facts.push_back({QStringLiteral("Advised binding sites, at most"), ConcentrationText(d.sitesAdvised)});
    }
    return facts;
}

} // namespace Planning
