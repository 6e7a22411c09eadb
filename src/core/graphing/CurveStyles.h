#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <vector>

// Curves told apart: each curve of a graph gets a colour of a
// colour-blind-safe palette (Okabe-Ito) and a line style that still tells
// it apart on a black-and-white page, and the legend names what differs
// between the curves ("Kd = 5 nM"). Every graph of the program takes its
// curve styles and legend texts from here.
//
//   const std::vector<std::vector<CurveParameter>> curves = {
//       {{"Kd", 5, "nM"}, {"Total B", 10, "nM"}},
//       {{"Kd", 50, "nM"}, {"Total B", 10, "nM"}}};
//   const QStringList texts = LegendTexts(curves);      // "Kd = 5 nM", "Kd = 50 nM"
//   const CurveStyle second = CurveStyleAt(1, prefs.blackAndWhite);
//   PlotCurve(xs, ys, xMin, xMax, yMin, yMax, second, printerEcho);  // PlotOverlay.h
//   PlotLegend({{texts[0], CurveStyleAt(0, bw)}, {texts[1], second}}, printerEcho);
namespace modPlot_Graph {

// Line patterns, in the order curves take them.
enum class LineDash : quint8 { Solid, Dashed, Dotted, DashDot, LongDash, DashDotDot };

struct CurveStyle
{
    QColor color = QColor(0, 0, 0);
    LineDash dash = LineDash::Solid;
};

// The eight Okabe-Ito colours in the order curves take them: black first
// (a lone curve looks as it always did), yellow last (faint on white).
const std::vector<QColor> &CurvePalette();

// The style of the index-th curve of a graph, 0 the first: the palette's
// colour and the pattern of that place (both repeat when the curves
// outnumber them). In black and white every curve is black and the
// patterns alone tell them apart.
CurveStyle CurveStyleAt(int index, bool blackAndWhite);

// The dashes and gaps of a pattern in twips, alternating, starting with a
// dash; empty for a solid line.
std::vector<double> DashPattern(LineDash dash);

// One quantity that describes a curve: its name, value and unit.
struct CurveParameter
{
    QString name;
    double value = 0;
    QString unit;
};

// "Kd = 5 nM": the value with the given significant digits at most.
QString ParameterText(const CurveParameter &parameter, int significantDigits = 4);

// The legend texts of curves that each list their parameters: each text
// names the parameters whose values differ between the curves, joined by
// ", ", with as many digits as it takes to tell the values apart. A
// parameter that a curve lacks counts as differing. When nothing differs
// (or there is one curve) a text names every parameter of its curve.
QStringList LegendTexts(const std::vector<std::vector<CurveParameter>> &curves);

} // namespace modPlot_Graph
