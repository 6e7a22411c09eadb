#pragma once

// The association of a labelled ligand L to its sites in the presence of an
// unlabelled competitor I that binds the same sites, both starting from free
// sites, ligand and competitor in excess of the sites (their concentrations
// stay constant): the closed form of Motulsky and Mahan (1984). k1, k2 are
// the ligand's association and dissociation constants, k3, k4 the
// competitor's, in one concentration and one time unit.
namespace KineticsFit {

// The fraction of the sites that hold the labelled ligand at time t >= 0.
double CompetitiveOccupancy(double ligand, double competitor, double k1, double k2, double k3, double k4, double t);

} // namespace KineticsFit
