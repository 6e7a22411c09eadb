#include "equilibrium/EquilibriumGraph.h"
#include "graphing/GraphWindows.h"
#include "equilibrium/EquilibriumWindows.h"

#include "equilibrium/BindingCurve.h"
#include "equilibrium/EquilibriumRecord.h"
#include "equilibrium/frmVnTlAssistant.h"
#include "equilibrium/frmVornish.h"
#include "graphing/PlotEngine.h"
#include "session/Session.h"
#include "graphing/frmOptions.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "session/StatusText.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace modVornish {
namespace {

using namespace modPlot_Graph;

// A manual axis limit of the Options window replaces value when filled;
// rewrite puts the number back into the field in its standard form.
void applyManualLimit(QLineEdit *field, double &value, bool rewrite)
{
    if (!field || field->text().isEmpty())
        return;
    value = NumberText::leadingNumber(field->text());
    if (rewrite)
        field->setText(NumberText::generalText(value));
}

double fieldValue(const QLineEdit *field)
{
    return NumberText::leadingNumber(field->text());
}

} // namespace

void DrawEquilibriumGraph(frmVornish &form, double totalAMolar, double totalBMolar, double kdMolar)
{
    if (!BeginToolGraph(EquilibriumTool)) {
        StatusText::clear();
        return;
    }
    const GraphPreferences prefs = Preferences();
    frmOptions *options = graphWindows().options;
    const double factor = Session::current().concentrationFactor();
    const bool sweepTotalA = prefs.equilibriumX == EquilibriumX::TotalA;
    const bool linear = !prefs.logScale;

    double xMin = 0, xMax = 0;
    AutomaticCurveRange(sweepTotalA ? totalAMolar : totalBMolar, factor, !linear, xMin, xMax);
    applyManualLimit(options ? options->txtX_min : nullptr, xMin, true);
    applyManualLimit(options ? options->txtX_max : nullptr, xMax, true);

    double yMax = 0;
    switch (prefs.equilibriumY) {
    case EquilibriumY::A: yMax = fieldValue(form.txtA_tot); break;
    case EquilibriumY::B: yMax = fieldValue(form.txtB_tot); break;
    case EquilibriumY::AB: yMax = std::min(fieldValue(form.txtA_tot), fieldValue(form.txtB_tot)); break;
    }
    RoundUpAxisMaximum(yMax);
    double yMin = 0;
    applyManualLimit(options ? options->txtY_min : nullptr, yMin, false);
    applyManualLimit(options ? options->txtY_max : nullptr, yMax, false);

    SetUpGraph(xMin, xMax, yMin, yMax, EquilibriumTool);

    EquilibriumRecord &record = LastEquilibrium();
    record.curve.clear();
    record.unit = Session::current().concentrationUnit();
    record.sweptName = sweepTotalA ? QStringLiteral("Total A") : QStringLiteral("Total B");
    record.valueName = prefs.equilibriumY == EquilibriumY::A   ? QStringLiteral("A")
                       : prefs.equilibriumY == EquilibriumY::B ? QStringLiteral("B")
                                                               : QStringLiteral("[A/B]");

    CurveSweep sweep;
    sweep.xMin = xMin;
    sweep.xMax = xMax;
    sweep.logScale = !linear;
    sweep.sweepTotalA = sweepTotalA;
    sweep.otherTotal = fieldValue(sweepTotalA ? form.txtB_tot : form.txtA_tot) * factor;
    sweep.kd = kdMolar;
    sweep.factor = factor;
    bool firstPoint = true;
    SweepBindingCurve(sweep, [&](const CurvePoint &p) {
        const double chosen = prefs.equilibriumY == EquilibriumY::A   ? p.A
                              : prefs.equilibriumY == EquilibriumY::B ? p.B
                                                                      : p.AB;
        const double y = chosen / factor;
        if (y * 1.01 >= yMin && y * 0.99 <= yMax) {
            // The curve starts with the first point drawn: points left out
            // before it must not turn it into a segment from wherever the pen was.
            const short mode = firstPoint ? PlotDot : PlotSegment;
            PlotPoint(p.x, y, PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, mode, Session::current().printerEcho());
            record.curve.emplace_back(linear ? p.x : (sweepTotalA ? p.Atot : p.Btot) / factor, y);
            firstPoint = false;
        }
    });

    StatusText::clear();
    if (frmVnTlAssistant *assistant = equilibriumWindows().vornishAssistant; assistant && assistant->isVisible())
        assistant->hide();
}

} // namespace modVornish
