#include "kineticsfit/KineticModels.h"

#include "dynamic/BindingTimeCourse.h"
#include "kineticsfit/CompetitiveCourse.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace KineticsFit {
namespace {

double mean(const std::vector<double> &values)
{
    return values.empty() ? 0.0 : std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
}

// The time of a trace spent associating: all of it, or up to its wash-out.
double associationTime(const Trace &trace, double t)
{
    return trace.dissociates ? std::min(t, trace.dissociationStart) : t;
}

// After the wash-out the bound fraction decays with k_diss: the factor it
// has decayed by at t, and the time since the wash-out (0 before it).
double washedOut(const Trace &trace, double t, double kDiss, double &since)
{
    since = trace.dissociates && t > trace.dissociationStart ? t - trace.dissociationStart : 0.0;
    return since > 0.0 ? std::exp(-kDiss * since) : 1.0;
}

// e^-x and 1 - e^-x for x >= 0, each to full relative precision from one
// exponential: the smaller of the two is computed, the larger is one less it.
void decayAndApproach(double x, double &decay, double &approach)
{
    constexpr double ln2 = 0.69314718055994530942;
    if (x < ln2) {
        approach = -std::expm1(-x);
        decay = 1.0 - approach;
    } else {
        decay = std::exp(-x);
        approach = 1.0 - decay;
    }
}

// The derivatives of the complex of the exact course from no complex by
// k_ass, k_diss and Total B (false where the closed form does not hold:
// no association, or roots that coincide). With x1 <= x2 the roots of
// x^2 - S x + P (S = L + Total B + Kd, P = L Total B), D = x2 - x1 and
// E = exp(-k_ass D t), the complex is x1 x2 (1 - E) / (x2 - x1 E).
bool exactComplexDerivatives(double L, double totalB, double kAss, double kDiss, double t, double g[3])
{
    if (!(kAss > 0.0))
        return false;
    const double kd = kDiss / kAss;
    const double S = L + totalB + kd;
    const double D = std::hypot(L - totalB, std::sqrt(kd) * std::sqrt(kd + 2.0 * (L + totalB)));
    if (!(D > 0.0) || !std::isfinite(D))
        return false;
    const double x2 = (S + D) / 2.0, x1 = L * totalB / x2;
    const double E = std::exp(-kAss * D * t), rise = -std::expm1(-kAss * D * t);
    const double Q = x2 - x1 * E, Q2 = Q * Q;
    const double byX1 = x2 * x2 * rise / Q2;
    const double byX2 = -x1 * x1 * E * rise / Q2;
    const double byE = -x1 * x2 * D / Q2;
    // dx1/dS = -x1/D, dx2/dS = x2/D, dD/dS = S/D; dx1/dP = 1/D = -dx2/dP, dD/dP = -2/D.
    const double byD = byE * -kAss * t * E;
    const double byS = (-byX1 * x1 + byX2 * x2 + byD * S) / D;
    const double byP = (byX1 - byX2 - 2.0 * byD) / D;
    g[0] = byE * -D * t * E - byS * kd / kAss;
    g[1] = byS / kAss;
    g[2] = byS + L * byP;
    return std::isfinite(g[0]) && std::isfinite(g[1]) && std::isfinite(g[2]);
}

} // namespace

int RateParameterCount(Model model)
{
    switch (model) {
    case Model::PseudoFirstOrder:
    case Model::AssociationThenDissociation:
    case Model::Competitive:
        return 2;
    case Model::Exact:
        return 3;
    case Model::Dissociation:
    case Model::ObservedRate:
        return 1;
    }
    return 0;
}

KineticModel::KineticModel(const ModelOptions &options, std::vector<Trace> traces, std::vector<double> rates,
                           std::vector<double> scales, std::vector<double> baselines)
    : m_options(options)
    , m_rateCount(RateParameterCount(options.model))
    , m_traces(std::move(traces))
    , m_rates(std::move(rates))
    , m_scales(std::move(scales))
    , m_baselines(std::move(baselines))
{
}

int KineticModel::scaleIndex(int set) const
{
    return m_rateCount + (m_options.scale == Sharing::Shared ? 0 : set);
}

int KineticModel::baselineIndex(int set) const
{
    const int scales = m_options.scale == Sharing::Shared ? 1 : int(m_traces.size());
    return m_rateCount + scales + (m_options.baseline == Baseline::PerTrace ? set : 0);
}

std::vector<Fitting::FitParameter> KineticModel::parameters() const
{
    std::vector<Fitting::FitParameter> list;
    const auto rate = [&](const char *name, bool fixed = false) {
        Fitting::FitParameter p;
        p.name = QString::fromLatin1(name);
        p.start = m_rates[list.size()];
        p.lower = 0.0;
        p.fixed = fixed;
        list.push_back(p);
    };
    switch (m_options.model) {
    case Model::PseudoFirstOrder:
    case Model::AssociationThenDissociation:
        rate("k_ass");
        rate(m_options.kdForm ? "Kd" : "k_diss");
        break;
    case Model::Exact:
        rate("k_ass");
        rate(m_options.kdForm ? "Kd" : "k_diss");
        rate("Total B", !m_options.fitTotalB);
        break;
    case Model::Competitive:
        rate("k3");
        rate(m_options.kdForm ? "Ki" : "k4");
        break;
    case Model::Dissociation:
        rate("k_diss");
        break;
    case Model::ObservedRate:
        rate("k_obs");
        break;
    }
    // The signal is linear in the scales and baselines; the competitive
    // course has no analytic derivatives, where solving for them would
    // difference every one of them at every step.
    const bool linear = m_options.model != Model::Competitive;
    const bool perTraceScale = m_options.scale == Sharing::PerTrace;
    const int traces = int(m_traces.size());
    for (int i = 0; i < (perTraceScale ? traces : 1); ++i) {
        Fitting::FitParameter p;
        p.name = perTraceScale ? QStringLiteral("Scale %1").arg(i + 1) : QStringLiteral("Scale");
        p.start = perTraceScale ? m_scales[size_t(i)] : mean(m_scales);
        p.linear = linear;
        list.push_back(p);
    }
    const bool perTraceBaseline = m_options.baseline == Baseline::PerTrace;
    for (int i = 0; i < (perTraceBaseline ? traces : 1); ++i) {
        Fitting::FitParameter p;
        p.name = perTraceBaseline ? QStringLiteral("Baseline %1").arg(i + 1) : QStringLiteral("Baseline");
        p.start = perTraceBaseline ? m_baselines[size_t(i)] : mean(m_baselines);
        p.linear = linear;
        if (m_options.baseline == Baseline::Zero) {
            p.start = 0.0;
            p.fixed = true;
        }
        list.push_back(p);
    }
    return list;
}

bool KineticModel::course(const Trace &trace, double t, const double *rates, double &f, double *df) const
{
    const double L = trace.concentration;
    const double tA = associationTime(trace, t);
    switch (m_options.model) {
    case Model::PseudoFirstOrder:
    case Model::AssociationThenDissociation: {
        const double kAss = rates[0];
        const double kDiss = m_options.kdForm ? rates[1] * kAss : rates[1];
        const double kObs = kAss * L + kDiss;
        double fa = 0.0, dAss = 0.0, dDiss = 0.0;
        if (kObs > 0.0 && tA > 0.0) {
            const double perKObs = 1.0 / kObs, plateau = kAss * L * perKObs;
            double decay, approach;
            decayAndApproach(kObs * tA, decay, approach);
            fa = plateau * approach;
            dAss = L * kDiss * perKObs * perKObs * approach + plateau * tA * decay * L;
            dDiss = -plateau * perKObs * approach + plateau * tA * decay;
        }
        double since;
        const double d = washedOut(trace, t, kDiss, since);
        f = fa * d;
        if (df) {
            dAss *= d;
            dDiss = dDiss * d - fa * since * d;
            df[0] = m_options.kdForm ? dAss + dDiss * rates[1] : dAss;
            df[1] = m_options.kdForm ? dDiss * kAss : dDiss;
        }
        return true;
    }
    case Model::Dissociation: {
        const double since = t - (trace.dissociates ? trace.dissociationStart : 0.0);
        f = since > 0.0 ? std::exp(-rates[0] * since) : 1.0;
        if (df)
            df[0] = since > 0.0 ? -since * f : 0.0;
        return true;
    }
    case Model::ObservedRate:
        f = tA > 0.0 ? -std::expm1(-rates[0] * tA) : 0.0;
        if (df)
            df[0] = tA > 0.0 ? tA * std::exp(-rates[0] * tA) : 0.0;
        return true;
    case Model::Exact: {
        // A trial step of the fit may take a constant below zero: the course
        // of its magnitude keeps the step finite, and the fit's bounds then
        // refuse an estimate below zero.
        const double kAss = std::fabs(rates[0]);
        const double kDiss = std::fabs(m_options.kdForm ? rates[1] * kAss : rates[1]);
        const double totalB = std::fabs(rates[2]);
        if (!(totalB > 0.0)) {
            f = std::numeric_limits<double>::quiet_NaN();
            return false;
        }
        const modKinetics::BindingTimeCourse exact(L, totalB, 0.0, kAss, kDiss);
        double since;
        const double decay = washedOut(trace, t, kDiss, since);
        const double complex = exact.complexAt(std::max(tA, 0.0));
        f = complex / totalB * decay;
        if (!df)
            return false;
        double g[3];
        if (!exactComplexDerivatives(L, totalB, kAss, kDiss, std::max(tA, 0.0), g))
            return false;
        // By k_ass, k_diss and Total B, then by the parameters as stated.
        g[0] *= decay / totalB;
        g[1] = g[1] * decay / totalB - since * f;
        g[2] = (g[2] - complex / totalB) * decay / totalB;
        const double sign0 = rates[0] < 0.0 ? -1.0 : 1.0, sign1 = rates[1] < 0.0 ? -1.0 : 1.0;
        df[0] = sign0 * (m_options.kdForm ? g[0] + g[1] * std::fabs(rates[1]) : g[0]);
        df[1] = sign1 * (m_options.kdForm ? g[1] * kAss : g[1]);
        df[2] = rates[2] < 0.0 ? -g[2] : g[2];
        return true;
    }
    case Model::Competitive: {
        const double k3 = std::fabs(rates[0]);
        const double k4 = std::fabs(m_options.kdForm ? rates[1] * k3 : rates[1]);
        f = CompetitiveOccupancy(m_options.ligand, L, m_options.ligandKAss, m_options.ligandKDiss, k3, k4, t);
        return false;
    }
    }
    return false;
}

double KineticModel::occupancy(int set, double t, const std::vector<double> &p) const
{
    double f = 0.0;
    course(m_traces[size_t(set)], t, p.data(), f, nullptr);
    return f;
}

bool KineticModel::value(int set, double x, const std::vector<double> &p, double &y, double *gradient) const
{
    double f = 0.0, df[3] = {0.0, 0.0, 0.0};
    const bool analytic = course(m_traces[size_t(set)], x, p.data(), f, gradient ? df : nullptr);
    const int scale = scaleIndex(set), baseline = baselineIndex(set);
    y = p[size_t(baseline)] + p[size_t(scale)] * f;
    if (!gradient)
        return true;
    if (!analytic)
        return false;
    std::fill(gradient, gradient + p.size(), 0.0);
    for (int i = 0; i < m_rateCount; ++i)
        gradient[i] = p[size_t(scale)] * df[i];
    gradient[scale] = f;
    gradient[baseline] = 1.0;
    return true;
}

std::vector<Fitting::FitDataSet> KineticModel::dataSets() const
{
    std::vector<Fitting::FitDataSet> sets;
    for (const Trace &trace : m_traces)
        sets.push_back({trace.time, trace.signal, {}});
    return sets;
}

} // namespace KineticsFit
