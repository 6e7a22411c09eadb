#include "competition/CompetitionEquilibrium.h"

#include "equilibrium/SolveEquilibrium.h"
#include "platform/RuntimeFault.h"
#include "scatchard/DoubleDouble.h"

#include <algorithm>
#include <cmath>

namespace modCompetition {
namespace {

// The two-species equilibrium of one ligand with the sites: free ligand,
// free sites and the complex.
void solvePair(double totalLigand, double totalB, double k, double &ligand, double &b, double &complex)
{
    double tl = totalLigand, tb = totalB, kd = k;
    short code = modVornish::TotalsAndKd;
    modVornish::SolveEquilibrium(ligand, tl, b, tb, complex, kd, code);
}

// The mass balance of B, f(b) = (b - Tb) + Ta b/(Kd + b) + Tc b/(Ki + b),
// increasing and concave in b, evaluated in double-double arithmetic: near
// the root its terms, each as large as Tb, cancel, and the sum keeps full
// double precision. No product of two constants is formed, so neither a
// huge Kd nor a huge Ki overflows it.
struct MassBalanceOfB
{
    double ta, tb, tc, kd, ki;

    double value(double b) const
    {
        using namespace DoubleDouble;
        const Value boundA = divide(twoProduct(ta, b), twoSum(kd, b));
        const Value boundC = divide(twoProduct(tc, b), twoSum(ki, b));
        return toDouble(add(add(twoSum(b, -tb), boundA), boundC));
    }

    double slope(double b) const
    {
        const double u = kd + b, v = ki + b;
        return 1 + ta * kd / (u * u) + tc * ki / (v * v);
    }

    // The closed form of the cubic's root in [0, Tb] (the free B of the
    // competition), which rounding may leave a little off or outside.
    double closedForm() const
    {
        const double a = kd + ki + ta + tc - tb;
        const double b = ki * (ta - tb) + kd * (tc - tb) + kd * ki;
        const double c = -kd * ki * tb;
        const double rootP = std::sqrt(std::max(a * a - 3 * b, 0.0));
        const double denominator = 2 * rootP * rootP * rootP;
        const double cosine = denominator > 0 ? (-2 * a * a * a + 9 * a * b - 27 * c) / denominator : 1.0;
        const double theta = std::acos(std::clamp(cosine, -1.0, 1.0));
        const double root = -a / 3 + 2.0 / 3.0 * rootP * std::cos(theta / 3);
        return std::isfinite(root) ? std::clamp(root, 0.0, tb) : tb / 2;
    }

    // Newton steps kept inside the bracket [lo, hi] that holds the root,
    // halving it whenever a step would leave it; then, polished to the last
    // place, the best of the neighbouring doubles.
    double root(Polish polish) const
    {
        constexpr double fitStep = 1e-9;
        double lo = 0, hi = tb, b = closedForm();
        for (int i = 0; i < 200 && lo < hi; ++i) {
            const double f = value(b);
            if (f == 0)
                return b;
            (f < 0 ? lo : hi) = b;
            double next = b - f / slope(b);
            // A step below half a unit in the last place ends it here: b
            // is already a bound of the bracket, and halving the bracket
            // would only walk back to it.
            if (next == b)
                break;
            const bool newton = next > lo && next < hi;
            if (!newton)
                next = lo + (hi - lo) / 2;
            if (next == lo || next == hi)
                break;
            if (polish == Polish::Fit && newton && std::fabs(next - b) <= fitStep * next)
                return next;
            b = next;
        }
        if (polish == Polish::Fit)
            return b;
        double best = b, bestError = std::fabs(value(b));
        for (double neighbour : {std::nextafter(b, 0.0), std::nextafter(b, tb)}) {
            const double error = std::fabs(value(neighbour));
            if (neighbour >= 0 && neighbour <= tb && error < bestError) {
                best = neighbour;
                bestError = error;
            }
        }
        return best;
    }
};

void checkInput(const CompetitionInput &in)
{
    for (double v : {in.totalA, in.totalB, in.totalC, in.kd, in.ki})
        fault::checkedFinite(v);
    if (in.totalA < 0 || in.totalB < 0 || in.totalC < 0 || !(in.kd > 0) || !(in.ki > 0))
        throw RuntimeFault(RuntimeFault::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"));
}

} // namespace

CompetitionSpecies SolveCompetition(const CompetitionInput &in, Polish polish)
{
    checkInput(in);
    CompetitionSpecies s;
    if (in.totalB == 0) {
        s.A = in.totalA;
        s.C = in.totalC;
    } else if (in.totalC == 0) {
        solvePair(in.totalA, in.totalB, in.kd, s.A, s.B, s.AB);
    } else if (in.totalA == 0) {
        solvePair(in.totalC, in.totalB, in.ki, s.C, s.B, s.CB);
    } else {
        // Scaled by a power of two so that the largest total is near 1: no
        // product of two totals overflows or falls into the subnormal range.
        int exponent = 0;
        std::frexp(std::max({in.totalA, in.totalB, in.totalC}), &exponent);
        const auto scaled = [exponent](double v) { return std::ldexp(v, -exponent); };
        const MassBalanceOfB balance{scaled(in.totalA), scaled(in.totalB), scaled(in.totalC), scaled(in.kd),
                                     scaled(in.ki)};
        const double b = balance.root(polish);
        const double u = balance.kd + b, v = balance.ki + b;
        const auto unscaled = [exponent](double value) { return fault::checkedFinite(std::ldexp(value, exponent)); };
        s.B = unscaled(b);
        s.AB = unscaled(balance.ta * b / u);
        s.A = unscaled(balance.ta * balance.kd / u);
        s.CB = unscaled(balance.tc * b / v);
        s.C = unscaled(balance.tc * balance.ki / v);
    }
    if (in.totalA > 0)
        s.fractionABound = s.AB / in.totalA;
    if (in.totalB > 0) {
        s.occupancyA = s.AB / in.totalB;
        s.occupancyC = s.CB / in.totalB;
    }
    return s;
}

} // namespace modCompetition
