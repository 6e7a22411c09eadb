#include "equilibrium/EquilibriumGraph.h"

#include "equilibrium/EquilibriumCurve.h"
#include "equilibrium/EquilibriumRecord.h"
#include "equilibrium/EquilibriumWindows.h"
#include "equilibrium/frmVnTlAssistant.h"
#include "equilibrium/frmVornish.h"
#include "graphing/PlotEngine.h"
#include "platform/NumberText.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QLineEdit>

namespace modVornish {

void DrawEquilibriumGraph(frmVornish &form, double totalAMolar, double totalBMolar, double kdMolar)
{
    using namespace modPlot_Graph;
    if (!BeginToolGraph(EquilibriumTool)) {
        StatusText::clear();
        return;
    }
    Session &session = Session::current();
    EquilibriumCurveInput input;
    input.totalAMolar = totalAMolar;
    input.totalBMolar = totalBMolar;
    input.kdMolar = kdMolar;
    input.shownTotalA = NumberText::leadingNumber(form.txtA_tot->text());
    input.shownTotalB = NumberText::leadingNumber(form.txtB_tot->text());
    input.factor = session.concentrationFactor();

    GraphPreferences prefs = session.graphPreferences();
    AxisRanges r = EquilibriumAxisRanges(input, prefs);
    session.setGraphPreferences(prefs); // the manual X limits in their standard form
    SetUpGraph(r.xMin, r.xMax, r.yMin, r.yMax, EquilibriumTool);

    EquilibriumRecord &record = LastEquilibrium();
    record.curve.clear();
    record.unit = session.concentrationUnit();
    record.sweptName = prefs.equilibriumX == EquilibriumX::TotalA ? QStringLiteral("Total A")
                                                                  : QStringLiteral("Total B");
    record.valueName = prefs.equilibriumY == EquilibriumY::A   ? QStringLiteral("A")
                       : prefs.equilibriumY == EquilibriumY::B ? QStringLiteral("B")
                                                               : QStringLiteral("[A/B]");
    // The curve starts with the first point drawn: points left out before
    // it must not turn it into a segment from wherever the pen was.
    short mode = PlotDot;
    VisitEquilibriumCurve(input, prefs, r, [&](const EquilibriumCurvePoint &p) {
        PlotPoint(p.x, p.y, PlotWidth, PlotHeight, r.xMin, r.xMax, r.yMin, r.yMax, mode, session.printerEcho());
        record.curve.emplace_back(p.total, p.y);
        mode = PlotSegment;
    });

    StatusText::clear();
    if (frmVnTlAssistant *assistant = equilibriumWindows().vornishAssistant; assistant && assistant->isVisible())
        assistant->hide();
}

} // namespace modVornish
