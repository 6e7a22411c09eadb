#include "planning/CompetitionDesign.h"

#include "competition/Ic50Conversion.h"
#include "planning/PlanText.h"

#include <algorithm>
#include <cmath>

namespace Planning {
namespace {

double chengPrusoffError(double labelled, double kd, double sites, double ki)
{
    const modCompetition::AssayConditions assay{labelled, sites, kd};
    const double ic50 = modCompetition::ExactIc50(assay, ki);
    return ic50 / (1 + labelled / kd) / ki - 1;
}

// The most sites whose Cheng-Prusoff error stays within the tolerance: the
// error grows with the sites (from 0 without them), so bisect in log.
double mostSites(double labelled, double kd, double ki)
{
    double low = std::log(1e-9 * std::min(kd, ki)), high = std::log(1e6 * std::max(kd, ki));
    for (int i = 0; i < 100; ++i) {
        const double middle = (low + high) / 2;
        (chengPrusoffError(labelled, kd, std::exp(middle), ki) <= chengPrusoffTolerance ? low : high) = middle;
    }
    return std::exp(low);
}

} // namespace

CompetitionDesign DesignCompetition(double labelled, double kd, double sites, double ki)
{
    const modCompetition::AssayConditions assay{labelled, sites, kd};
    CompetitionDesign design;
    const modCompetition::AssayHalfPoint half = modCompetition::HalfPointOf(assay);
    design.tightestIc50 = half.tightestIc50;
    design.ic50 = modCompetition::ExactIc50(assay, ki);
    design.chengPrusoffError = chengPrusoffError(labelled, kd, sites, ki);
    design.titrationZone = modCompetition::KiFromIc50(assay, design.ic50).titrationZone;
    design.labelledAdvised = std::min(labelled, kd);
    design.sitesAdvised = mostSites(design.labelledAdvised, kd, ki);
    return design;
}

QStringList CompetitionWarnings(const CompetitionDesign &design, double labelled, double sites)
{
    QStringList warnings;
    if (design.titrationZone)
        warnings << QStringLiteral("The expected Ki is below what this design can resolve: its IC50 is within "
                                   "%1 % of what an infinitely tight competitor gives (the titration zone), so the "
                                   "IC50 would follow the binding-site concentration, not Ki.")
                        .arg(modCompetition::TitrationZoneMargin * 100);
    if (std::fabs(design.chengPrusoffError) > chengPrusoffTolerance)
        warnings << QStringLiteral("Cheng-Prusoff would be %1 off the exact Ki in this design: use the exact "
                                   "conversion, or lower the concentrations as advised.")
                        .arg(PercentText(design.chengPrusoffError));
    if (labelled > design.labelledAdvised || sites > design.sitesAdvised)
        warnings << QStringLiteral("For Cheng-Prusoff within 10 % of Ki: labelled ligand at most %1, binding "
                                   "sites at most %2.")
                        .arg(ConcentrationText(design.labelledAdvised), ConcentrationText(design.sitesAdvised));
    return warnings;
}

} // namespace Planning
