#pragma once

#include <functional>

// The binding curve of the Equilibrium Tool: one total swept over the X
// axis, the equilibrium solved at every step. Plain data in and out, for
// the graph and for the command line alike.
namespace modVornish {

// The automatic X range. Linear: 0 to the swept total in the shown unit,
// rounded up to a round axis maximum. Logarithmic (x is the decimal
// logarithm of the molar total): four decades ending one above the rounded
// logarithm of the total. Throws RuntimeFault for a total whose logarithm
// is not finite.
void AutomaticCurveRange(double sweptTotalMolar, double factor, bool logScale, double &xMin, double &xMax);

struct CurveSweep
{
    double xMin = 0, xMax = 0;
    int steps = 200;         // xMin, xMin + step, ... by adding the step; step = range / steps
    bool logScale = false;   // x is log10 of the molar total; else the total in the shown unit
    bool sweepTotalA = true; // else Total B is swept
    double otherTotal = 0;   // molar
    double kd = 0;           // molar
    double factor = 1e-9;    // molar per shown unit
};

struct CurvePoint
{
    double x;
    double Atot, Btot, A, B, AB; // molar
};

// Visits the points in order: x from xMin while x <= xMax, at most
// steps + 1 of them, leaving out negative x on a linear scale. Throws
// RuntimeFault when a solve does (the points visited stay visited).
void SweepBindingCurve(const CurveSweep &sweep, const std::function<void(const CurvePoint &)> &visit);

} // namespace modVornish
