#include "scatchard/DepletionModel.h"

#include "equilibrium/SolveEquilibrium.h"
#include "platform/RuntimeFault.h"
#include "scatchard/BindingParameter.h"

#include <cmath>
#include <limits>

namespace modStatistics {

DepletionModel::DepletionModel(double sitesStart, bool sitesFixed, double kdStart, const QString &unit)
{
    m_parameters = {PositiveParameter(QStringLiteral("Bmax"), sitesStart, unit, sitesFixed),
                    PositiveParameter(QStringLiteral("Kd"), kdStart, unit)};
}

std::vector<Fitting::FitParameter> DepletionModel::parameters() const
{
    return m_parameters;
}

bool DepletionModel::value(int, double x, const std::vector<double> &p, double &y, double *gradient) const
{
    // A trial step of the fit may leave the positive values; the curve of
    // their magnitudes keeps it finite, so that the step is simply rejected
    // (a result outside them is refused by the parameters' bounds).
    const double sites = std::fabs(p[Bmax]), kd = std::fabs(p[Kd]);
    y = std::numeric_limits<double>::quiet_NaN();
    if (!(x >= 0))
        return true;
    double a = 0, totalA = x, b = 0, totalB = sites, complex = 0, dissociation = kd;
    short code = modVornish::TotalsAndKd;
    try {
        modVornish::SolveEquilibrium(a, totalA, b, totalB, complex, dissociation, code);
    } catch (const RuntimeFault &) {
        return true;
    }
    y = complex;
    if (gradient) {
        // Bound is the smaller root of B^2 - (X + Bmax + Kd) B + X Bmax = 0;
        // differentiating it implicitly, with sqrt(D) the distance between the roots:
        const double diff = x - sites;
        const double rootD = std::sqrt(diff * diff + kd * (kd + 2 * x + 2 * sites));
        gradient[Bmax] = (rootD > 0 ? (x - complex) / rootD : 0.5) * (p[Bmax] < 0 ? -1 : 1);
        gradient[Kd] = (rootD > 0 ? -complex / rootD : 0) * (p[Kd] < 0 ? -1 : 1);
    }
    return true;
}

} // namespace modStatistics
