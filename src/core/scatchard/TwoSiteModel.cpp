#include "scatchard/TwoSiteModel.h"

#include <limits>

namespace modStatistics {

TwoSiteModel::TwoSiteModel(const std::vector<double> &start, const QString &xUnit, const QString &yUnit)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    m_parameters = {{QStringLiteral("Bmax1"), start[Bmax1], 0.0, infinity, false, yUnit},
                    {QStringLiteral("Kd1"), start[Kd1], 0.0, infinity, false, xUnit},
                    {QStringLiteral("Bmax2"), start[Bmax2], 0.0, infinity, false, yUnit},
                    {QStringLiteral("Kd2"), start[Kd2], 0.0, infinity, false, xUnit}};
}

std::vector<Fitting::FitParameter> TwoSiteModel::parameters() const
{
    return m_parameters;
}

bool TwoSiteModel::value(int, double x, const std::vector<double> &p, double &y, double *gradient) const
{
    const double sum1 = p[Kd1] + x, sum2 = p[Kd2] + x;
    y = p[Bmax1] * x / sum1 + p[Bmax2] * x / sum2;
    if (gradient) {
        gradient[Bmax1] = x / sum1;
        gradient[Kd1] = -p[Bmax1] * x / (sum1 * sum1);
        gradient[Bmax2] = x / sum2;
        gradient[Kd2] = -p[Bmax2] * x / (sum2 * sum2);
    }
    return true;
}

} // namespace modStatistics
