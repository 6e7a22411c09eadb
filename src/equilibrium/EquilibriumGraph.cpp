#include "equilibrium/EquilibriumGraph.h"

#include "equilibrium/EquilibriumRecord.h"
#include "equilibrium/SolveEquilibrium.h"
#include "equilibrium/frmVnTlAssistant.h"
#include "equilibrium/frmVornish.h"
#include "graphing/PlotEngine.h"
#include "graphing/Units.h"
#include "graphing/frmOptions.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "shell/AppWindows.h"
#include "shell/StatusText.h"

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

// The sweep has 200 steps; the cap keeps a step too small to move x from
// looping for ever.
constexpr int sweepSteps = 200;

} // namespace

void DrawEquilibriumGraph(frmVornish &form, double totalAMolar, double totalBMolar, double kdMolar)
{
    if (!BeginToolGraph(EquilibriumTool)) {
        StatusText::clear();
        return;
    }
    const GraphPreferences prefs = Preferences();
    frmOptions *options = appWindows().options;
    const double factor = modVnPublic::ConcentrationFactor;
    const bool sweepTotalA = prefs.equilibriumX == EquilibriumX::TotalA;
    const bool linear = !prefs.logScale;

    double xMax = fault::divide(sweepTotalA ? totalAMolar : totalBMolar, factor);
    if (!linear)
        xMax = fault::checkedFinite(std::log10(xMax * factor));
    RoundUpAxisMaximum(xMax);
    double xMin = 0;
    if (!linear) {
        // Four decades, ending one above the rounded total.
        xMax = xMax + 1;
        xMin = xMax - 4;
    }
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
    record.unit = modVnPublic::ConcentrationUnit;
    record.sweptName = sweepTotalA ? QStringLiteral("Total A") : QStringLiteral("Total B");
    record.valueName = prefs.equilibriumY == EquilibriumY::A   ? QStringLiteral("A")
                       : prefs.equilibriumY == EquilibriumY::B ? QStringLiteral("B")
                                                               : QStringLiteral("[A/B]");

    const double step = (xMax - xMin) / sweepSteps;
    const double otherTotal = fieldValue(sweepTotalA ? form.txtB_tot : form.txtA_tot) * factor;
    bool firstPoint = true;
    double x = xMin;
    for (int i = 0; i <= sweepSteps && x <= xMax; ++i, x += step) {
        if (linear && x < 0)
            continue;
        const double swept = linear ? x * factor : fault::checkedFinite(std::pow(10.0, x));
        // The curve starts with the first point drawn: points left out before
        // it must not turn it into a segment from wherever the pen was.
        const short mode = firstPoint ? PlotDot : PlotSegment;
        // At x = 0 the solve is exact too: it gives the full other total
        // for the free component of the other side, so the curve of free B
        // over Total A starts at Total B rather than at the origin.
        double A = 0, B = 0, AB = 0, Kd = kdMolar;
        double Atot = sweepTotalA ? swept : otherTotal;
        double Btot = sweepTotalA ? otherTotal : swept;
        short code = TotalsAndKd;
        SolveEquilibrium(A, Atot, B, Btot, AB, Kd, code);
        const double chosen = prefs.equilibriumY == EquilibriumY::A   ? A
                              : prefs.equilibriumY == EquilibriumY::B ? B
                                                                      : AB;
        const double y = chosen / factor;
        if (y * 1.01 >= yMin && y * 0.99 <= yMax) {
            PlotPoint(x, y, PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, mode, modVnPublic::PrinterEcho);
            record.curve.emplace_back(linear ? x : swept / factor, y);
            firstPoint = false;
        }
    }

    StatusText::clear();
    if (frmVnTlAssistant *assistant = appWindows().vornishAssistant; assistant && assistant->isVisible())
        assistant->hide();
}

} // namespace modVornish
