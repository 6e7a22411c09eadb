#pragma once

#include <QString>

namespace modPlot_Graph {

enum class EquilibriumX { TotalA, TotalB };
enum class EquilibriumY { A, B, AB };
enum class DynamicY { A, B, AB, dAdt, dBdt, dABdt, Together }; // Together: A, B and [A/B] at once

// Tool codes of SetUpGraph; as text they are the graph source.
enum ToolCode : short {
    NoTool = 0,
    EquilibriumTool = 1,
    ScatchardTool = 2,
    DynamicTool = 3,
    SaturationTool = 4,
    CompetitionTool = 5,
    KineticsFitTool = 6,
    PlannerTool = 7
};

// A snapshot of the graph preferences the Options window holds. Texts are
// as typed: an empty axis text means automatic, an empty title the
// composed one.
struct GraphPreferences
{
    int toPlotOrNot = 1;    // "Show data in graph"
    int clearPrevGraph = 1; // 1 clear, 0 superimpose, 2 greyed while graphs are off
    int showTable = 0;
    int doNotRemind = 0;
    QString xMin, xMax, xTick, yMin, yMax, yTick;
    QString xTitle, yTitle;
    bool logScale = false; // decimal-log X axis, Equilibrium Tool graph only
    EquilibriumX equilibriumX = EquilibriumX::TotalA;
    EquilibriumY equilibriumY = EquilibriumY::AB;
    DynamicY dynamicY = DynamicY::AB;
    bool dynamicLogTime = false;     // decimal-log time axis, Dynamic Equilibrium Tool graph only
    short scatchardSymbol = 21;      // PlotPoint mode of the data points
    bool showLegend = true;          // a legend names the curves when a graph has several
    bool blackAndWhite = false;      // curves told apart by line style alone, all black
    bool competitionPercent = false; // the competition curve as percent of [A/B] without competitor
};

} // namespace modPlot_Graph
