#include "scatchard/OneSiteModels.h"

#include "platform/RuntimeFault.h"
#include "scatchard/BindingParameter.h"
#include "scatchard/LinearRegression.h"
#include "scatchard/SaturationFit.h"

#include <algorithm>
#include <cmath>

namespace modStatistics {
namespace {

using Fitting::FitParameter;

// The hyperbola and its derivatives by Bmax and Kd.
double hyperbola(double x, double bmax, double kd, double *dBmax, double *dKd)
{
    const double sum = kd + x;
    const double fraction = x / sum;
    if (dBmax) {
        *dBmax = fraction;
        *dKd = -bmax * x / (sum * sum);
    }
    return bmax * fraction;
}

} // namespace

OneSiteModel::OneSiteModel(double bmaxStart, double kdStart, const QString &xUnit, const QString &yUnit)
    : m_parameters{PositiveParameter(QStringLiteral("Bmax"), bmaxStart, yUnit),
                   PositiveParameter(QStringLiteral("Kd"), kdStart, xUnit)}
{
}

std::vector<FitParameter> OneSiteModel::parameters() const
{
    return m_parameters;
}

bool OneSiteModel::value(int, double x, const std::vector<double> &p, double &y, double *gradient) const
{
    y = hyperbola(x, p[Bmax], p[Kd], gradient ? &gradient[Bmax] : nullptr, gradient ? &gradient[Kd] : nullptr);
    return true;
}

TotalAndNonspecificModel::TotalAndNonspecificModel(const std::vector<double> &start, const QString &xUnit,
                                                   const QString &yUnit)
    : m_parameters{PositiveParameter(QStringLiteral("Bmax"), start[Bmax], yUnit),
                   PositiveParameter(QStringLiteral("Kd"), start[Kd], xUnit),
                   Fitting::FitParameter(QStringLiteral("NS"), start[NS], yUnit + QLatin1Char('/') + xUnit),
                   Fitting::FitParameter(QStringLiteral("Background"), start[Background], yUnit)}
{
}

std::vector<FitParameter> TotalAndNonspecificModel::parameters() const
{
    return m_parameters;
}

bool TotalAndNonspecificModel::value(int set, double x, const std::vector<double> &p, double &y, double *gradient) const
{
    y = p[NS] * x + p[Background];
    if (gradient) {
        gradient[NS] = x;
        gradient[Background] = 1;
        gradient[Bmax] = gradient[Kd] = 0;
    }
    if (set == Total)
        y += hyperbola(x, p[Bmax], p[Kd], gradient ? &gradient[Bmax] : nullptr, gradient ? &gradient[Kd] : nullptr);
    return true;
}

void OneSiteStart(const Fitting::FitDataSet &set, double &bmax, double &kd)
{
    std::vector<double> x, y;
    for (size_t i = 0; i < set.x.size(); ++i) {
        if (set.x[i] > 0) {
            x.push_back(set.x[i]);
            y.push_back(set.y[i]);
        }
    }
    if (x.empty()) {
        bmax = 1;
        kd = 1;
        return;
    }
    const SaturationStart start = StartFromData(x, y);
    bmax = std::isfinite(start.bmax) ? start.bmax : *std::max_element(y.begin(), y.end());
    kd = start.kd;
}

void NonspecificStart(const Fitting::FitDataSet &set, double &slope, double &background)
{
    try {
        const LineFit line = FitLine(int(set.x.size()), set.x, set.y);
        slope = line.slope;
        background = line.intercept;
        return;
    } catch (const RuntimeFault &) {
    }
    double xy = 0, xx = 0;
    for (size_t i = 0; i < set.x.size(); ++i) {
        xy += set.x[i] * set.y[i];
        xx += set.x[i] * set.x[i];
    }
    slope = xx > 0 ? xy / xx : 0;
    background = 0;
}

} // namespace modStatistics
