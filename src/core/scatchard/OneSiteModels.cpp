#include "scatchard/OneSiteModels.h"

#include "platform/RuntimeFault.h"
#include "scatchard/LinearRegression.h"
#include "scatchard/SaturationFit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace modStatistics {
namespace {

using Fitting::FitParameter;

constexpr double infinity = std::numeric_limits<double>::infinity();

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
    : m_parameters{{QStringLiteral("Bmax"), bmaxStart, 0.0, infinity, false, yUnit},
                   {QStringLiteral("Kd"), kdStart, 0.0, infinity, false, xUnit}}
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
    : m_parameters{{QStringLiteral("Bmax"), start[Bmax], 0.0, infinity, false, yUnit},
                   {QStringLiteral("Kd"), start[Kd], 0.0, infinity, false, xUnit},
                   {QStringLiteral("NS"), start[NS], -infinity, infinity, false, yUnit + QLatin1Char('/') + xUnit},
                   {QStringLiteral("Background"), start[Background], -infinity, infinity, false, yUnit}}
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
