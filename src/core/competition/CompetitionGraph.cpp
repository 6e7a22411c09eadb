#include "competition/CompetitionGraph.h"

#include "competition/CompetitionCurve.h"
#include "competition/CompetitionRecord.h"
#include "equilibrium/EquilibriumCurve.h"
#include "graphing/PlotEngine.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <cmath>

namespace modCompetition {

void DrawCompetitionGraph(const CompetitionInput &input, double ic50Molar)
{
    using namespace modPlot_Graph;
    if (!BeginToolGraph(CompetitionTool)) {
        StatusText::clear();
        return;
    }
    Session &session = Session::current();
    GraphPreferences prefs = session.graphPreferences();
    CompetitionInput none = input;
    none.totalC = 0;
    const double complex0 = SolveCompetition(none).AB;
    const bool percent = prefs.competitionPercent;
    // The plotted value of a complex: percent of the value without
    // competitor, or the complex in the shown unit.
    const double scale = percent ? 100 / complex0 : 1 / session.concentrationFactor();

    double xMin = 0, xMax = 0, yMin = 0, yMax = complex0 * scale;
    AutomaticCompetitionRange(ic50Molar, xMin, xMax);
    RoundUpAxisMaximum(yMax);
    modVornish::ApplyManualLimit(prefs.xMin, xMin, true);
    modVornish::ApplyManualLimit(prefs.xMax, xMax, true);
    modVornish::ApplyManualLimit(prefs.yMin, yMin, false);
    modVornish::ApplyManualLimit(prefs.yMax, yMax, false);
    session.setGraphPreferences(prefs); // the manual X limits in their standard form
    SetUpGraph(xMin, xMax, yMin, yMax, CompetitionTool);

    CompetitionRecord &record = LastCompetition();
    record.curve.clear();
    record.valueName = percent ? QStringLiteral("[A/B] (% of no competitor)")
                               : QStringLiteral("[A/B] (%1)").arg(session.concentrationUnit());
    const short echo = session.printerEcho();
    // The curve starts with the first point drawn: points left out before
    // it must not turn it into a segment from wherever the pen was.
    short mode = PlotDot;
    SweepCompetitionCurve(input, xMin, xMax, 200, [&](const CompetitionCurvePoint &p) {
        const double y = p.species.AB * scale;
        if (y * 1.01 < yMin || y * 0.99 > yMax)
            return;
        PlotPoint(p.x, y, PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, mode, echo);
        record.curve.emplace_back(p.totalC, y);
        mode = PlotSegment;
    });
    const double ic50X = std::log10(ic50Molar), halfY = complex0 * scale / 2;
    if (ic50X >= xMin && ic50X <= xMax && halfY >= yMin && halfY <= yMax)
        PlotPoint(ic50X, halfY, PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, PlotClosedCircle, echo);
    StatusText::clear();
}

} // namespace modCompetition
