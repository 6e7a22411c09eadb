#include "equilibrium/SolveEquilibrium.h"

#include "platform/RuntimeFault.h"

#include <cmath>

namespace modVornish {
namespace {

// a*b/c with a single scaling at the end: no intermediate overflows, and
// none loses digits by falling into the subnormal range.
double productQuotient(double a, double b, double c)
{
    if (c == 0.0)
        throw RuntimeFault::divisionByZero();
    int ea = 0, eb = 0, ec = 0;
    const double ma = std::frexp(a, &ea);
    const double mb = std::frexp(b, &eb);
    const double mc = std::frexp(c, &ec);
    return fault::checkedFinite(std::ldexp(ma * mb / mc, ea + eb - ec));
}

// The totals-and-Kd case: the smaller root of
//   x^2 - (Ta + Tb + Kd) x + Ta Tb = 0
// (the quadratic in the association constant 1/Kd, multiplied by Kd).
// Every quantity is computed in a form free of cancellation, and in halves
// so that no sum overflows; hypot keeps the root of the discriminant free
// of overflow and underflow over the whole range of doubles:
//   sqrt(D)/2 = hypot((Ta - Tb)/2, sqrt(Kd) sqrt(Kd/4 + Ta/2 + Tb/2))
//   AB        = Ta Tb / ((Ta + Tb + Kd)/2 + sqrt(D)/2)
//   A         solves A^2 + (Tb - Ta + Kd) A - Kd Ta = 0, B likewise.
void solveFromTotals(double Ta, double Tb, double Kd, double &A, double &B, double &AB)
{
    const double halfDiff = std::fabs(Ta * 0.5 - Tb * 0.5);
    const double halfSqrtD = std::hypot(halfDiff, std::sqrt(Kd) * std::sqrt(Kd * 0.25 + Ta * 0.5 + Tb * 0.5));
    const double halfSum = Ta * 0.5 + Tb * 0.5 + Kd * 0.5;

    AB = productQuotient(Ta, Tb, halfSum + halfSqrtD);

    // The free part of total T beside the other total U.
    const auto freePart = [&](double T, double U) {
        const double halfP = U * 0.5 - T * 0.5 + Kd * 0.5;
        if (halfP > 0.0)
            return productQuotient(Kd, T, halfP + halfSqrtD);
        return halfSqrtD - halfP;
    };
    A = freePart(Ta, Tb);
    B = freePart(Tb, Ta);
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
