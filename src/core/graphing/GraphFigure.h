#pragma once

#include "graphing/CurveStyles.h"
#include "session/GraphPreferences.h"

#include <QPointF>
#include <QString>

#include <vector>

// A tool's graph as plain data: the axes and the curves, composed into the
// display list by one call. Curves superimposed on an earlier graph take
// the next colours and line styles, and the legend names every curve the
// graph holds.
namespace modPlot_Graph {

struct FigureCurve
{
    std::vector<QPointF> points;            // values on the axes, in drawing order
    QString name;                           // the legend text; empty: from the parameters
    std::vector<CurveParameter> parameters; // what the curve was computed from
};

struct GraphFigure
{
    ToolCode tool = NoTool;
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
    std::vector<FigureCurve> curves;
};

// SetUpGraph over the figure's ranges (which it may swap or round; the
// figure keeps what it left), then each curve: the first curve of a graph
// as PlotPoint draws a line (a dot, then segments), every later one as
// PlotCurve in CurveStyleAt its place (the Options window's black and
// white respected), a curve already on the graph (the same name and
// parameters) in its earlier style; then the legend of every curve on the graph when it
// holds more than one. Points beyond the X axis are left out. Faults
// propagate as SetUpGraph's and PlotPoint's do.
void DrawFigure(GraphFigure &figure);

// Forgets the curves on the graph: the picture was emptied.
void ForgetGraphCurves();

// The curves on the graph as the legend and the next superimposed curve
// know them (names and parameters, no points), and set back from a kept
// graph, so that a curve added to a reopened graph takes the next style.
std::vector<FigureCurve> GraphCurves();
void SetGraphCurves(const std::vector<FigureCurve> &curves);

} // namespace modPlot_Graph
