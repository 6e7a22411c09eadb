#include "scatchard/DepletionModel.h"

#include "equilibrium/SolveEquilibrium.h"
#include "platform/RuntimeFault.h"

#include <cmath>
#include <limits>

namespace modStatistics {

DepletionModel::DepletionModel(double sitesStart, bool sitesFixed, double kdStart, const QString &unit)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    m_parameters = {{QStringLiteral("Bmax"), sitesStart, 0.0, infinity, sitesFixed, unit},
                    {QStringLiteral("Kd"), kdStart, 0.0, infinity, false, unit}};
}

std::vector<Fitting::FitParameter> DepletionModel::parameters() const
{
    return m_parameters;
}

bool DepletionModel::value(int, double x, const std::vector<double> &p, double &y, double *gradient) const
{
    y = std::numeric_limits<double>::quiet_NaN();
    if (!(x >= 0 && p[Bmax] >= 0 && p[Kd] > 0))
        return true;
    double a = 0, totalA = x, b = 0, totalB = p[Bmax], complex = 0, kd = p[Kd];
    short code = modVornish::TotalsAndKd;
    try {
        modVornish::SolveEquilibrium(a, totalA, b, totalB, complex, kd, code);
    } catch (const RuntimeFault &) {
        return true;
    }
    y = complex;
    if (gradient) {
        // Bound is the smaller root of B^2 - (X + Bmax + Kd) B + X Bmax = 0;
        // differentiating it implicitly, with sqrt(D) the distance between the roots:
        const double diff = x - p[Bmax];
        const double rootD = std::sqrt(diff * diff + p[Kd] * (p[Kd] + 2 * x + 2 * p[Bmax]));
        gradient[Bmax] = rootD > 0 ? (x - complex) / rootD : 0.5;
        gradient[Kd] = rootD > 0 ? -complex / rootD : 0;
    }
    return true;
}

} // namespace modStatistics
