#include "equilibrium/SolveEquilibrium.h"

#include "platform/RuntimeFault.h"

#include <algorithm>
#include <cmath>

namespace modVornish {
namespace {

// a*b/(c*2^cShift) with a single scaling at the end: no intermediate
// overflows, and none loses digits by falling into the subnormal range.
// A quotient of concentrations that are not zero is not zero either: one
// below the smallest double is refused as one above the largest is.
double productQuotient(double a, double b, double c, int cShift = 0)
{
    if (c == 0.0)
        throw RuntimeFault::divisionByZero();
    int ea = 0, eb = 0, ec = 0;
    const double ma = std::frexp(a, &ea);
    const double mb = std::frexp(b, &eb);
    const double mc = std::frexp(fault::checkedFinite(c), &ec);
    const double q = fault::checkedFinite(std::ldexp(ma * mb / mc, ea + eb - ec - cShift));
    if (q == 0.0 && a != 0.0 && b != 0.0)
        throw RuntimeFault::overflow();
    return q;
}

// total - (otherTotal - free), carrying the rounding error of the inner
// difference (the complex) instead of dropping it: when the result is small
// beside the totals, the rounded complex alone would leave it only a few
// correct digits. Both differences are split exactly (Knuth's two-sum).
double freeFromTotals(double total, double otherTotal, double free, double &complex)
{
    const auto twoSum = [](double a, double b, double &error) {
        const double s = a + b;
        const double bb = s - a;
        error = (a - (s - bb)) + (b - bb);
        return s;
    };
    double complexError = 0, differenceError = 0;
    complex = twoSum(otherTotal, -free, complexError);
    const double difference = twoSum(total, -complex, differenceError);
    return difference + (differenceError - complexError);
}

// The totals-and-Kd case: the smaller root of
//   x^2 - (Ta + Tb + Kd) x + Ta Tb = 0
// (the quadratic in the association constant 1/Kd, multiplied by Kd).
// Every quantity is computed in a form free of cancellation; hypot keeps
// the root of the discriminant free of overflow and underflow:
//   sqrt(D)/2 = hypot((Ta - Tb)/2, sqrt(Kd) sqrt(Kd/4 + Ta/2 + Tb/2))
//   AB        = Ta Tb / ((Ta + Tb + Kd)/2 + sqrt(D)/2)
//   A         solves A^2 + (Tb - Ta + Kd) A - Kd Ta = 0, B likewise.
// The sums reach three times the largest input: near the top of the range
// they are formed from quarters of the inputs and the results scaled back.
// A power of two scales exactly; what it rounds in the subnormal range is
// negligible beside the large input that asked for it.
void solveFromTotals(double Ta, double Tb, double Kd, double &A, double &B, double &AB)
{
    const int shift = std::max({Ta, Tb, Kd}) > 0x1p1020 ? 2 : 0;
    const double ta = std::ldexp(Ta, -shift), tb = std::ldexp(Tb, -shift), kd = std::ldexp(Kd, -shift);
    const double halfDiff = std::fabs(ta * 0.5 - tb * 0.5);
    const double halfSqrtD = std::hypot(halfDiff, std::sqrt(kd) * std::sqrt(kd * 0.25 + ta * 0.5 + tb * 0.5));
    const double halfSum = ta * 0.5 + tb * 0.5 + kd * 0.5;

    AB = productQuotient(Ta, Tb, halfSum + halfSqrtD, shift);

    // The free part of total T; t and u are it and the other total, scaled.
    const auto freePart = [&](double T, double t, double u) {
        const double halfP = u * 0.5 - t * 0.5 + kd * 0.5;
        if (halfP > 0.0)
            return productQuotient(Kd, T, halfP + halfSqrtD, shift);
        return std::ldexp(halfSqrtD - halfP, shift);
    };
    A = freePart(Ta, ta, tb);
    B = freePart(Tb, tb, ta);
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
        b = freeFromTotals(bTot, aTot, a, ab);
        kd = productQuotient(b, a, ab);
        break;
    case BTotalATotalB:
        a = freeFromTotals(aTot, bTot, b, ab);
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
