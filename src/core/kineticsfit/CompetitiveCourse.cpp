#include "kineticsfit/CompetitiveCourse.h"

#include <cmath>

namespace KineticsFit {

double CompetitiveOccupancy(double ligand, double competitor, double k1, double k2, double k3, double k4, double t)
{
    if (!(t > 0.0))
        return 0.0;
    const double kA = k1 * ligand + k2;
    const double kB = k3 * competitor + k4;
    const double coupling = k1 * ligand * k3 * competitor;
    if (!(coupling > 0.0)) // no competitor: the ligand alone
        return kA > 0.0 ? k1 * ligand / kA * -std::expm1(-kA * t) : 0.0;
    const double spread = std::hypot(kA - kB, 2.0 * std::sqrt(coupling));
    const double kFast = 0.5 * (kA + kB + spread);
    // kFast kSlow = kA kB - coupling, written without the cancellation of
    // (kA + kB - spread) / 2 when the two rates are far apart.
    const double kSlow = (k1 * ligand * k4 + k2 * kB) / kFast;
    const double q = k1 * ligand / spread;
    return q
           * (k4 * spread / (kFast * kSlow) + (k4 - kFast) / kFast * std::exp(-kFast * t)
              - (k4 - kSlow) / kSlow * std::exp(-kSlow * t));
}

} // namespace KineticsFit
