#include "equilibrium/EquilibriumCurve.h"

#include "graphing/AxisRounding.h"
#include "platform/NumberText.h"

#include <algorithm>

namespace modVornish {

using namespace modPlot_Graph;

void ApplyManualLimit(QString &text, double &value, bool rewrite)
{
    if (text.isEmpty())
        return;
    value = NumberText::leadingNumber(text);
    if (rewrite)
        text = NumberText::generalText(value);
}

AxisRanges EquilibriumAxisRanges(const EquilibriumCurveInput &input, GraphPreferences &preferences)
{
    const bool sweepTotalA = preferences.equilibriumX == EquilibriumX::TotalA;
    AxisRanges r;
    AutomaticCurveRange(sweepTotalA ? input.totalAMolar : input.totalBMolar, input.factor, preferences.logScale, r.xMin,
                        r.xMax);
    ApplyManualLimit(preferences.xMin, r.xMin, true);
    ApplyManualLimit(preferences.xMax, r.xMax, true);

    switch (preferences.equilibriumY) {
    case EquilibriumY::A:
        r.yMax = input.shownTotalA;
        break;
    case EquilibriumY::B:
        r.yMax = input.shownTotalB;
        break;
    case EquilibriumY::AB:
        r.yMax = std::min(input.shownTotalA, input.shownTotalB);
        break;
    }
    RoundUpAxisMaximum(r.yMax);
    ApplyManualLimit(preferences.yMin, r.yMin, false);
    ApplyManualLimit(preferences.yMax, r.yMax, false);
    return r;
}

void VisitEquilibriumCurve(const EquilibriumCurveInput &input, const GraphPreferences &preferences,
                           const AxisRanges &ranges, const std::function<void(const EquilibriumCurvePoint &)> &visit)
{
    const bool sweepTotalA = preferences.equilibriumX == EquilibriumX::TotalA;
    CurveSweep sweep;
    sweep.xMin = ranges.xMin;
    sweep.xMax = ranges.xMax;
    sweep.logScale = preferences.logScale;
    sweep.sweepTotalA = sweepTotalA;
    sweep.otherTotal = (sweepTotalA ? input.shownTotalB : input.shownTotalA) * input.factor;
    sweep.kd = input.kdMolar;
    sweep.factor = input.factor;

    SweepBindingCurve(sweep, [&](const CurvePoint &p) {
        const double chosen = preferences.equilibriumY == EquilibriumY::A   ? p.A
                              : preferences.equilibriumY == EquilibriumY::B ? p.B
                                                                            : p.AB;
        const double y = chosen / input.factor;
        if (y * 1.01 >= ranges.yMin && y * 0.99 <= ranges.yMax) {
            const double total = preferences.logScale ? (sweepTotalA ? p.Atot : p.Btot) / input.factor : p.x;
            visit({p.x, y, total});
        }
    });
}

} // namespace modVornish
