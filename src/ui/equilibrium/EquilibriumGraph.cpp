#include "equilibrium/EquilibriumGraph.h"

#include "equilibrium/EquilibriumCurve.h"
#include "equilibrium/EquilibriumRecord.h"
#include "equilibrium/EquilibriumWindows.h"
#include "equilibrium/frmVnTlAssistant.h"
#include "equilibrium/frmVornish.h"
#include "graphing/GraphFigure.h"
#include "graphing/PlotEngine.h"
#include "platform/NumberText.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QLineEdit>

#include <utility>

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
    const AxisRanges r = EquilibriumAxisRanges(input, prefs);
    session.setGraphPreferences(prefs); // the manual X limits in their standard form
    // The curve on the axes as SetUpGraph will order them.
    AxisRanges ordered = r;
    if (ordered.xMin > ordered.xMax)
        std::swap(ordered.xMin, ordered.xMax);
    if (ordered.yMin > ordered.yMax)
        std::swap(ordered.yMin, ordered.yMax);

    EquilibriumRecord &record = LastEquilibrium();
    record.curve.clear();
    record.unit = session.concentrationUnit();
    record.sweptName = prefs.equilibriumX == EquilibriumX::TotalA ? QStringLiteral("Total A")
                                                                  : QStringLiteral("Total B");
    record.valueName = prefs.equilibriumY == EquilibriumY::A   ? QStringLiteral("A")
                       : prefs.equilibriumY == EquilibriumY::B ? QStringLiteral("B")
                                                               : QStringLiteral("[A/B]");
    // Superimposed curves are told apart by what they were computed from.
    const bool sweepA = prefs.equilibriumX == EquilibriumX::TotalA;
    FigureCurve curve;
    curve.parameters = {{QStringLiteral("Kd"), kdMolar / input.factor, record.unit},
                        {sweepA ? QStringLiteral("Total B") : QStringLiteral("Total A"),
                         sweepA ? input.shownTotalB : input.shownTotalA, record.unit}};
    VisitEquilibriumCurve(input, prefs, ordered, [&](const EquilibriumCurvePoint &p) {
        curve.points.emplace_back(p.x, p.y);
        record.curve.emplace_back(p.total, p.y);
    });
    GraphFigure figure{EquilibriumTool, r.xMin, r.xMax, r.yMin, r.yMax, {curve}};
    DrawFigure(figure);

    StatusText::clear();
    if (frmVnTlAssistant *assistant = equilibriumWindows().vornishAssistant; assistant && assistant->isVisible())
        assistant->hide();
}

} // namespace modVornish
