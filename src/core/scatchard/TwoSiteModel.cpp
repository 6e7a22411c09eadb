#include "scatchard/TwoSiteModel.h"

#include "scatchard/BindingParameter.h"

namespace modStatistics {

TwoSiteModel::TwoSiteModel(const std::vector<double> &start, const QString &xUnit, const QString &yUnit)
{
    m_parameters = {PositiveParameter(QStringLiteral("Bmax1"), start[Bmax1], yUnit),
                    PositiveParameter(QStringLiteral("Kd1"), start[Kd1], xUnit),
                    PositiveParameter(QStringLiteral("Bmax2"), start[Bmax2], yUnit),
                    PositiveParameter(QStringLiteral("Kd2"), start[Kd2], xUnit)};
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
