#pragma once

#include "equilibrium/BindingCurve.h"
#include "session/GraphPreferences.h"

#include <functional>

// The Equilibrium Tool's graph as plain data: the axis ranges and the
// points of the chosen binding curve, in the shown unit.
namespace modVornish {

struct EquilibriumCurveInput
{
    double totalAMolar = 0, totalBMolar = 0, kdMolar = 0;
    double shownTotalA = 0, shownTotalB = 0; // as the fields show them
    double factor = 1e-9;                    // molar per shown unit
};

struct AxisRanges
{
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

// A filled manual axis limit of the Options window replaces value;
// rewrite puts the number back into the text in its standard form.
void ApplyManualLimit(QString &text, double &value, bool rewrite);

// The automatic ranges (X over the swept total, Y up to the largest value
// the chosen curve can reach), each limit replaced by its filled manual
// limit in the preferences; the manual X limits are rewritten there in
// their standard form.
AxisRanges EquilibriumAxisRanges(const EquilibriumCurveInput &input, modPlot_Graph::GraphPreferences &preferences);

struct EquilibriumCurvePoint
{
    double x, y;  // as plotted: x is log10 of the molar total on a log scale
    double total; // the swept total in the shown unit
};

// Visits the points of the chosen curve that lie within the Y range (1 %
// of slack), in sweep order. Throws RuntimeFault when a solve does (the
// points visited stay visited).
void VisitEquilibriumCurve(const EquilibriumCurveInput &input, const modPlot_Graph::GraphPreferences &preferences,
                           const AxisRanges &ranges, const std::function<void(const EquilibriumCurvePoint &)> &visit);

} // namespace modVornish
