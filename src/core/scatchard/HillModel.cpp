#include "scatchard/HillModel.h"

#include <cmath>
#include <limits>

namespace modStatistics {

HillModel::HillModel(const std::vector<double> &start, const QString &xUnit, const QString &yUnit)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    m_parameters = {{QStringLiteral("Bmax"), start[Bmax], 0.0, infinity, false, yUnit},
                    {QStringLiteral("Kd"), start[Kd], 0.0, infinity, false, xUnit},
                    {QStringLiteral("Hill slope"), start[Hill], 0.0, infinity, false, QString()}};
}

std::vector<Fitting::FitParameter> HillModel::parameters() const
{
    return m_parameters;
}

bool HillModel::value(int, double x, const std::vector<double> &p, double &y, double *gradient) const
{
    // Bound = Bmax f with f = u / (1 + u), u = (X / Kd)^h, computed as a
    // logistic function of h ln(X / Kd) so that no power overflows; no
    // binding at X <= 0.
    if (x <= 0 || p[Kd] <= 0) {
        y = 0;
        if (gradient)
            gradient[Bmax] = gradient[Kd] = gradient[Hill] = 0;
        return true;
    }
    const double logRatio = std::log(x / p[Kd]);
    const double f = 1 / (1 + std::exp(-p[Hill] * logRatio));
    y = p[Bmax] * f;
    if (gradient) {
        const double slope = p[Bmax] * f * (1 - f); // d Bound / d (h ln(X / Kd))
        gradient[Bmax] = f;
        gradient[Kd] = -slope * p[Hill] / p[Kd];
        gradient[Hill] = slope * logRatio;
    }
    return true;
}

} // namespace modStatistics
