#include "competition/CompetitionFitModels.h"

#include "platform/RuntimeFault.h"

#include <cmath>
#include <limits>

namespace modCompetition {
namespace {

Fitting::FitParameter parameter(const QString &name, double start,
                                double lower = -std::numeric_limits<double>::infinity(),
                                double upper = std::numeric_limits<double>::infinity())
{
    Fitting::FitParameter p;
    p.name = name;
    p.start = start;
    p.lower = lower;
    p.upper = upper;
    return p;
}

} // namespace

FourParameterLogistic::FourParameterLogistic(double topStart, double bottomStart, double logIc50Start)
    : m_top(topStart)
    , m_bottom(bottomStart)
    , m_logIc50(logIc50Start)
{
}

std::vector<Fitting::FitParameter> FourParameterLogistic::parameters() const
{
    return {parameter(QStringLiteral("Top"), m_top), parameter(QStringLiteral("Bottom"), m_bottom),
            parameter(QStringLiteral("log IC50"), m_logIc50), parameter(QStringLiteral("Hill slope"), 1.0, 0.01, 100)};
}

bool FourParameterLogistic::value(int, double x, const std::vector<double> &p, double &y, double *gradient) const
{
    const double span = p[Top] - p[Bottom];
    // u = (x / IC50)^hill, 0 without competitor.
    const double offset = x > 0 ? std::log10(x) - p[LogIc50] : -std::numeric_limits<double>::infinity();
    const double u = x > 0 ? std::pow(10.0, offset * p[Hill]) : 0.0;
    const double d = 1 + u;
    y = p[Bottom] + span / d;
    if (gradient) {
        const double slope = u > 0 && std::isfinite(u) ? span * u * std::log(10.0) / (d * d) : 0.0;
        gradient[Top] = 1 / d;
        gradient[Bottom] = u / d;
        gradient[LogIc50] = slope * p[Hill];
        gradient[Hill] = u > 0 ? -slope * offset : 0.0;
    }
    return std::isfinite(y);
}

ExactCompetitionModel::ExactCompetitionModel(double totalA, double totalB, double kd, double kiStart, double topStart,
                                             double bottomStart)
    : m_totalA(totalA)
    , m_totalB(totalB)
    , m_kd(kd)
    , m_complex0(SolveCompetition({totalA, totalB, 0, kd, 1}).AB)
    , m_kiStart(kiStart)
    , m_top(topStart)
    , m_bottom(bottomStart)
{
}

std::vector<Fitting::FitParameter> ExactCompetitionModel::parameters() const
{
    return {parameter(QStringLiteral("Ki"), m_kiStart, 0), parameter(QStringLiteral("Top"), m_top),
            parameter(QStringLiteral("Bottom"), m_bottom)};
}

bool ExactCompetitionModel::value(int, double x, const std::vector<double> &p, double &y, double *gradient) const
{
    if (!(p[Ki] > 0) || !(x >= 0) || !(m_complex0 > 0))
        return false;
    CompetitionSpecies s;
    try {
        s = SolveCompetition({m_totalA, m_totalB, x, m_kd, p[Ki]}, Polish::Fit);
    } catch (const RuntimeFault &) {
        return false;
    }
    const double fraction = s.AB / m_complex0;
    const double span = p[Top] - p[Bottom];
    y = p[Bottom] + span * fraction;
    if (gradient) {
        // The sites' balance F(B, Ki) = B + Ta B/(Kd + B) + Tc B/(Ki + B) - Tb = 0
        // gives dB/dKi = Tc B / (Ki + B)^2 / (dF/dB); [A/B] = Ta B/(Kd + B).
        const double u = m_kd + s.B, v = p[Ki] + s.B;
        const double dFdB = 1 + m_totalA * m_kd / (u * u) + x * p[Ki] / (v * v);
        const double dBdKi = x * s.B / (v * v) / dFdB;
        const double dComplexdB = m_totalA * m_kd / (u * u);
        gradient[Ki] = span * dComplexdB * dBdKi / m_complex0;
        gradient[Top] = fraction;
        gradient[Bottom] = 1 - fraction;
    }
    return std::isfinite(y);
}

} // namespace modCompetition
