#include "dynamic/BindingTimeCourse.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace modKinetics {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// -ln(1 - z) / z for 0 <= z < 1, which is 1 at z = 0.
double logRatio(double z)
{
    return z > 0.0 ? -std::log1p(-z) / z : 1.0;
}

// u / (1 + u) for u >= 0, also when u is infinite.
double saturation(double u)
{
    return u > 1.0 ? 1.0 / (1.0 + 1.0 / u) : u / (1.0 + u);
}

// TA - x1 for the free species with total T, when the other total is
// T - difference: T (Kd + difference + spread) / (S + spread), where the sum
// difference + spread is written without cancellation when difference < 0.
double freeAtEquilibrium(double total, double difference, double kd, double sumOfTotals, double spread,
                         double denominator)
{
    double gap;
    if (difference >= 0.0)
        gap = difference + spread;
    else if (spread - difference > 0.0)
        gap = kd * (kd + 2.0 * sumOfTotals) / (spread - difference);
    else
        gap = 0.0;
    return denominator > 0.0 ? total * ((kd + gap) / denominator) : 0.0;
}

} // namespace

BindingTimeCourse::BindingTimeCourse(double A, double B, double AB, double kAss, double kDiss)
    : m_A0(A)
    , m_B0(B)
    , m_x0(AB)
    , m_kAss(kAss)
{
    const double totalA = A + AB;
    const double totalB = B + AB;
    const double kd = kAss > 0.0 ? kDiss / kAss : infinity;
    m_equilibrium = {A, B, AB};
    if (!std::isfinite(kd)) {
        // Association too slow to matter: the complex only dissociates.
        m_kAss = 0.0;
        m_reacts = kDiss > 0.0;
        if (m_reacts) {
            m_kObs = kDiss;
            m_equilibrium = {totalA, totalB, 0.0};
        }
        m_x1 = m_equilibrium.AB;
        m_toEquilibrium = m_x1 - m_x0;
        m_spread = m_toUpper = infinity;
        return;
    }
    m_reacts = true;
    // A - B is TA - TB without the rounding of the totals.
    const double difference = A - B;
    const double sum = totalA + totalB;
    m_spread = std::hypot(difference, std::sqrt(kd) * std::sqrt(kd + 2.0 * sum));
    m_kObs = std::hypot(kAss * difference, std::sqrt(kDiss) * std::sqrt(kDiss + 2.0 * kAss * sum));
    const double rootSum = sum + kd + m_spread; // x1 + x2 = (S + spread) / 2 + x1
    m_x1 = rootSum > 0.0 ? 2.0 * (totalA * (totalB / rootSum)) : 0.0;
    m_equilibrium.AB = m_x1;
    m_equilibrium.A = freeAtEquilibrium(totalA, difference, kd, sum, m_spread, rootSum);
    m_equilibrium.B = freeAtEquilibrium(totalB, -difference, kd, sum, m_spread, rootSum);

    // x1 - x0 is the same as A0 - A1 and B0 - B1: take the one whose terms
    // are smallest, as its rounding is.
    double toEquilibrium = m_x1 - m_x0;
    double size = std::max(m_x1, m_x0);
    if (std::max(A, m_equilibrium.A) < size) {
        toEquilibrium = A - m_equilibrium.A;
        size = std::max(A, m_equilibrium.A);
    }
    if (std::max(B, m_equilibrium.B) < size)
        toEquilibrium = B - m_equilibrium.B;
    m_toEquilibrium = toEquilibrium;
    // x2 - x0 likewise: x2 less x0, or the spread less how far x0 is above x1.
    const double x2 = (sum + kd + m_spread) / 2.0;
    if (toEquilibrium > 0.0)
        m_toUpper = m_spread + toEquilibrium;
    else if (std::max(m_spread, -toEquilibrium) < x2)
        m_toUpper = m_spread + toEquilibrium;
    else
        m_toUpper = x2 - m_x0;
}

double BindingTimeCourse::growth(double t) const
{
    return m_kObs > 0.0 ? -std::expm1(-m_kObs * t) / m_kObs : t;
}

BindingTimeCourse::Progress BindingTimeCourse::progressAt(double t) const
{
    const double d = m_toEquilibrium;
    if (!m_reacts || d == 0.0 || !(t > 0.0))
        return {0.0, std::fabs(d)};
    const double decay = std::exp(-m_kObs * t);
    if (m_kAss == 0.0) // pure dissociation, x = x0 exp(-kDiss t)
        return {-m_x0 * -std::expm1(-m_kObs * t), m_x0 * decay};
    if (d > 0.0) {
        // The complex forms: x - x0 = (x2 - x0) u / (1 + u), x1 - x = d E / (1 + u).
        const double u = m_kAss * d * growth(t);
        return {m_toUpper * saturation(u), d * (decay / (1.0 + u))};
    }
    // The complex dissociates: x - x1 = d0 E D / (x2 - x0 + d0 E),
    // x0 - x = d0 (x2 - x0) (1 - E) / (x2 - x0 + d0 E).
    const double d0 = -d;
    const double denominator = m_toUpper + d0 * decay;
    return {-(d0 * (m_toUpper / denominator) * -std::expm1(-m_kObs * t)), d0 * decay * (m_spread / denominator)};
}

double BindingTimeCourse::complexAt(double t) const
{
    const Progress p = progressAt(t);
    return m_toEquilibrium > 0.0 ? m_x0 + p.change : m_x1 + p.remaining;
}

double BindingTimeCourse::freeAAt(double t) const
{
    const Progress p = progressAt(t);
    return m_toEquilibrium > 0.0 ? m_equilibrium.A + p.remaining : m_A0 - p.change;
}

double BindingTimeCourse::freeBAt(double t) const
{
    const Progress p = progressAt(t);
    return m_toEquilibrium > 0.0 ? m_equilibrium.B + p.remaining : m_B0 - p.change;
}

double BindingTimeCourse::timeToFraction(double f) const
{
    if (!m_reacts)
        return infinity;
    const double d = m_toEquilibrium;
    if (d == 0.0)
        return 0.0;
    double rate;
    if (m_kAss == 0.0)
        rate = m_kObs;
    else if (d > 0.0)
        rate = m_kObs + m_kAss * ((1.0 - f) * d);
    else
        rate = m_kAss * (m_toUpper + f * -d);
    const double h = f / rate;
    return h * logRatio(m_kObs * h);
}

} // namespace modKinetics
