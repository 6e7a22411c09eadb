#include "equilibrium/SolveEquilibrium.h"

#include "platform/RuntimeFault.h"

#include <algorithm>
#include <cmath>

namespace modVornish {
namespace {

// a*b/c without a spurious overflow or underflow in the intermediate.
double productQuotient(double a, double b, double c)
{
    if (c == 0.0)
        throw RuntimeFault::divisionByZero();
    const double candidates[] = {a * (b / c), (a / c) * b, b * (a / c), (a * b) / c};
    for (double v : candidates)
        if (std::isfinite(v) && (v != 0.0 || a == 0.0 || b == 0.0))
            return v;
    return fault::checkedFinite(candidates[0]);
}

// The totals-and-Kd case: the smaller root of
//   x^2 - (Ta + Tb + Kd) x + Ta Tb = 0
// (the quadratic in the association constant 1/Kd, multiplied by Kd).
// Every quantity is computed in a form free of cancellation, on values
// scaled to at most 1 so that no square overflows:
//   D  = (Ta - Tb)^2 + Kd (Kd + 2 Ta + 2 Tb)
//   AB = 2 Ta Tb / (Ta + Tb + Kd + sqrt D)
//   A  solves A^2 + (Tb - Ta + Kd) A - Kd Ta = 0, B likewise.
void solveFromTotals(double Ta, double Tb, double Kd, double &A, double &B, double &AB)
{
    const double scale = std::max({Ta, Tb, Kd});
    if (!(scale > 0.0) || !std::isfinite(scale))
        throw RuntimeFault::overflow();
    const double ta = Ta / scale, tb = Tb / scale, kd = Kd / scale;
    const double diff = ta - tb;
    const double sqrtD = std::sqrt(diff * diff + kd * (kd + 2.0 * ta + 2.0 * tb));

    AB = 2.0 * ta * Tb / (ta + tb + kd + sqrtD);

    // The free component of a total t beside the other total u.
    const auto freePart = [&](double t, double u, double T) {
        const double p = u - t + kd; // scaled
        if (p > 0.0)
            return 2.0 * kd * T / (p + sqrtD);
        return (-p + sqrtD) / 2.0 * scale;
    };
    A = freePart(ta, tb, Ta);
    B = freePart(tb, ta, Tb);
}

} // namespace

void SolveEquilibrium(double &A, double &Atot, double &B, double &Btot, double &AB, double &Kd, short &code)
{
    double a = A, aTot = Atot, b = B, bTot = Btot, ab = AB, kd = Kd;
    switch (code) {
    case TotalsAndKd:
        solveFromTotals(aTot, bTot, kd, a, b, ab);
        break;
    case FreeAndComplex:
        kd = productQuotient(a, b, ab);
        aTot = a + ab;
        bTot = ab + b;
        break;
    case FreeAndKd:
        ab = productQuotient(a, b, kd);
        aTot = ab + a;
        bTot = ab + b;
        break;
    case AComplexKd:
        b = productQuotient(ab, kd, a);
        aTot = a + ab;
        bTot = ab + b;
        break;
    case BComplexKd:
        a = productQuotient(ab, kd, b);
        aTot = a + ab;
        bTot = ab + b;
        break;
    case ATotalAB:
        ab = aTot - a;
        bTot = ab + b;
        kd = productQuotient(a, b, ab);
        break;
    case ABTotalB:
        ab = bTot - b;
        aTot = ab + a;
        kd = productQuotient(a, b, ab);
        break;
    case ATotalATotalB:
        ab = aTot - a;
        b = bTot - ab;
        kd = productQuotient(b, a, ab);
        break;
    case BTotalATotalB:
        ab = bTot - b;
        a = aTot - ab;
        kd = productQuotient(a, b, ab);
        break;
    default:
        return;
    }
    for (double v : {a, aTot, b, bTot, ab, kd})
        fault::checkedFinite(v);
    A = a;
    Atot = aTot;
    B = b;
    Btot = bTot;
    AB = ab;
    Kd = kd;
}

} // namespace modVornish
