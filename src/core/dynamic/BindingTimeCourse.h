#pragma once

// The exact time course of A + B <=> [A/B] with constant rate constants and
// no competitor. With x = [A/B] and the totals TA = A + x, TB = B + x fixed,
// dx/dt = kAss (TA - x)(TB - x) - kDiss x has the roots x1 <= x2; x1 is the
// equilibrium complex, kObs = kAss (x2 - x1), and
//   (x - x1) / (x - x2) = (x0 - x1) / (x0 - x2) exp(-kObs t).
// Every quantity is computed without cancellation, so that it holds to a few
// units in the last place when x2 - x1 is tiny or Kd is far from the totals.
namespace modKinetics {

// The equilibrium of a mixture: free A, free B and the complex (M).
struct Equilibrium
{
    double A = 0.0, B = 0.0, AB = 0.0;
};

// From free A, free B and the complex at the start of a segment (M, not
// negative) and the rate constants (not negative).
class BindingTimeCourse
{
public:
    BindingTimeCourse(double A, double B, double AB, double kAss, double kDiss);

    // The state the segment tends to. Without any reaction (both constants
    // 0) it is the start.
    const Equilibrium &equilibrium() const { return m_equilibrium; }

    // The relaxation rate constant (1/s): 0 when the approach is slower than
    // exponential (kDiss 0 with equal totals) or nothing reacts.
    double kObs() const { return m_kObs; }

    // [A/B] at time t >= 0 after the start; A and B follow from the totals.
    double complexAt(double t) const;
    double freeAAt(double t) const;
    double freeBAt(double t) const;

    // The time (s) to get the fraction 0 < f < 1 of the way from the start
    // to the equilibrium: 0 when the start is the equilibrium, infinity when
    // nothing reacts.
    double timeToFraction(double f) const;

private:
    // How far the complex has moved from the start (signed) and how far it
    // still is from the equilibrium (not negative), each without cancellation.
    struct Progress
    {
        double change, remaining;
    };
    Progress progressAt(double t) const;
    // (1 - exp(-kObs t)) / kObs, which is t when kObs is 0.
    double growth(double t) const;

    double m_A0, m_B0, m_x0;
    double m_kAss;
    double m_kObs = 0.0;
    double m_x1 = 0.0;
    double m_toEquilibrium = 0.0; // x1 - x0
    double m_spread = 0.0;        // x2 - x1
    double m_toUpper = 0.0;       // x2 - x0, infinite without association
    bool m_reacts = false;
    Equilibrium m_equilibrium;
};

} // namespace modKinetics
