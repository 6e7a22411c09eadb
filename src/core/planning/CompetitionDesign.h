#pragma once

#include <QString>
#include <QStringList>

// What a competition design needs besides its concentrations: the exact
// IC50 the expected Ki gives, how far Cheng-Prusoff strays from Ki there,
// and the labelled-ligand and binding-site concentrations that keep it
// within a tenth. Concentrations in M.
namespace Planning {

struct CompetitionDesign
{
    double ic50 = 0.0;              // the exact IC50 of the expected Ki in this design
    double tightestIc50 = 0.0;      // the IC50 of an infinitely tight competitor
    double chengPrusoffError = 0.0; // Cheng-Prusoff's Ki / the expected Ki - 1, at this design
    double labelledAdvised = 0.0;   // the labelled ligand: as planned, but not above its Kd
    double sitesAdvised = 0.0;      // the most sites that keep Cheng-Prusoff within a tenth at labelledAdvised
    bool titrationZone = false;     // the IC50 follows the sites: Ki cannot be resolved
};

// How far Cheng-Prusoff may stray from the exact Ki in an advised design.
constexpr double chengPrusoffTolerance = 0.1;

// For the labelled ligand (concentration and Kd), the sites and the
// competitor's expected Ki, all above 0. Throws RuntimeFault as the
// competition equilibrium does.
CompetitionDesign DesignCompetition(double labelled, double kd, double sites, double ki);

// The warnings of the design, one sentence each (none when it is sound).
QStringList CompetitionWarnings(const CompetitionDesign &design, double labelled, double sites);

} // namespace Planning
