#include "equilibrium/BindingCurve.h"

#include "equilibrium/SolveEquilibrium.h"
#include "graphing/AxisRounding.h"
#include "platform/RuntimeFault.h"

#include <cmath>

namespace modVornish {

void AutomaticCurveRange(double sweptTotalMolar, double factor, bool logScale, double &xMin, double &xMax)
{
    xMax = fault::divide(sweptTotalMolar, factor);
    if (logScale)
        xMax = fault::checkedFinite(std::log10(xMax * factor));
    modPlot_Graph::RoundUpAxisMaximum(xMax);
    xMin = 0;
    if (logScale) {
        // Four decades, ending one above the rounded total.
        xMax = xMax + 1;
        xMin = xMax - 4;
    }
}

void SweepBindingCurve(const CurveSweep &sweep, const std::function<void(const CurvePoint &)> &visit)
{
    const double step = (sweep.xMax - sweep.xMin) / sweep.steps;
    const bool linear = !sweep.logScale;
    // The count caps the loop: a step too small to move x would never end it.
    double x = sweep.xMin;
    for (int i = 0; i <= sweep.steps && x <= sweep.xMax; ++i, x += step) {
        if (linear && x < 0)
            continue;
        const double swept = linear ? x * sweep.factor : fault::checkedFinite(std::pow(10.0, x));
        // At x = 0 the solve is exact too: the free component of the other
        // side is then the full other total.
        CurvePoint p{
            x, sweep.sweepTotalA ? swept : sweep.otherTotal, sweep.sweepTotalA ? sweep.otherTotal : swept, 0, 0, 0};
        double kd = sweep.kd;
        short code = TotalsAndKd;
        SolveEquilibrium(p.A, p.Atot, p.B, p.Btot, p.AB, kd, code);
        visit(p);
    }
}

} // namespace modVornish
