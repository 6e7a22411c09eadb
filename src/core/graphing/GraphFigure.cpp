#include "graphing/GraphFigure.h"

#include "graphing/PlotEngine.h"
#include "graphing/PlotOverlay.h"
#include "session/Session.h"

#include <algorithm>

namespace modPlot_Graph {
namespace {

// What the legend needs of each curve on the graph since it was cleared.
struct CurveOnGraph
{
    QString name;
    std::vector<CurveParameter> parameters;

    bool sameAs(const FigureCurve &curve) const
    {
        if (curve.name != name || curve.parameters.size() != parameters.size())
            return false;
        for (size_t i = 0; i < parameters.size(); ++i)
            if (curve.parameters[i].name != parameters[i].name || curve.parameters[i].value != parameters[i].value
                || curve.parameters[i].unit != parameters[i].unit)
                return false;
        return true;
    }
};

std::vector<CurveOnGraph> &curvesOnGraph()
{
    static std::vector<CurveOnGraph> curves;
    return curves;
}

// The first curve: a dot, then segments, as every graph always drew it.
void plotFirstCurve(const std::vector<QPointF> &points, const GraphFigure &figure, short echo)
{
    short mode = PlotDot;
    for (const QPointF &p : points) {
        if (p.x() < figure.xMin || p.x() > figure.xMax)
            continue;
        PlotPoint(p.x(), p.y(), PlotWidth, PlotHeight, figure.xMin, figure.xMax, figure.yMin, figure.yMax, mode, echo);
        mode = PlotSegment;
    }
}

std::vector<LegendEntry> legendOfGraph(bool blackAndWhite)
{
    const std::vector<CurveOnGraph> &curves = curvesOnGraph();
    // Curves named by their parameters: named by what differs among them.
    std::vector<std::vector<CurveParameter>> described;
    for (const CurveOnGraph &curve : curves)
        if (curve.name.isEmpty())
            described.push_back(curve.parameters);
    const QStringList texts = LegendTexts(described);
    std::vector<LegendEntry> entries;
    int next = 0;
    for (size_t i = 0; i < curves.size(); ++i) {
        const QString text = curves[i].name.isEmpty() ? texts[next++] : curves[i].name;
        entries.push_back({text, CurveStyleAt(int(i), blackAndWhite)});
    }
    return entries;
}

} // namespace

void DrawFigure(GraphFigure &figure)
{
    SetUpGraph(figure.xMin, figure.xMax, figure.yMin, figure.yMax, figure.tool);
    const Session &session = Session::current();
    const short echo = session.printerEcho() ? -1 : 0;
    const bool blackAndWhite = session.graphPreferences().blackAndWhite;
    std::vector<CurveOnGraph> &onGraph = curvesOnGraph();
    if (session.graphPreferences().clearPrevGraph == 1)
        onGraph.clear();
    for (const FigureCurve &curve : figure.curves) {
        // A curve drawn again (Apply, printing) keeps its place, style and legend entry.
        const auto same = std::find_if(onGraph.begin(), onGraph.end(),
                                       [&curve](const CurveOnGraph &shown) { return shown.sameAs(curve); });
        const int place = int(same - onGraph.begin());
        if (same == onGraph.end())
            onGraph.push_back({curve.name, curve.parameters});
        if (place == 0)
            plotFirstCurve(curve.points, figure, echo);
        else
            PlotCurve(curve.points, figure.xMin, figure.xMax, figure.yMin, figure.yMax,
                      CurveStyleAt(place, blackAndWhite), echo);
    }
    if (onGraph.size() > 1)
        PlotLegend(legendOfGraph(blackAndWhite), echo);
}

void ForgetGraphCurves()
{
    curvesOnGraph().clear();
}

std::vector<FigureCurve> GraphCurves()
{
    std::vector<FigureCurve> curves;
    for (const CurveOnGraph &curve : curvesOnGraph())
        curves.push_back({{}, curve.name, curve.parameters});
    return curves;
}

void SetGraphCurves(const std::vector<FigureCurve> &curves)
{
    std::vector<CurveOnGraph> &onGraph = curvesOnGraph();
    onGraph.clear();
    for (const FigureCurve &curve : curves)
        onGraph.push_back({curve.name, curve.parameters});
}

} // namespace modPlot_Graph
