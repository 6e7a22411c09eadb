#pragma once

#include "graphing/CurveStyles.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

class DrawingSurface;

// Styled curves, coloured symbols and the legend over a graph that
// SetUpGraph prepared. Like PlotPoint they draw on the graph picture and,
// with printerEcho True (-1), on the printer page too.
namespace modPlot_Graph {

// A curve through points (values on the axes min..max) in a style (CurveStyleAt), clipped
// to the plot area; the dash pattern runs on from one segment to the next.
// A point that is not finite breaks the curve. Throws DivisionByZero for a
// zero range.
void PlotCurve(const std::vector<QPointF> &points, double xMin, double xMax, double yMin, double yMax,
               const CurveStyle &style, short printerEcho);

// Data points as symbols of a PlotPoint symbol mode (closed or open circle
// or square) in a colour; points outside the axes are left out.
void PlotSymbols(const std::vector<QPointF> &points, double xMin, double xMax, double yMin, double yMax, short mode,
                 QColor color, short printerEcho);

struct LegendEntry
{
    QString text;
    CurveStyle style;
    short symbol = 0; // a PlotPoint symbol mode shown instead of a line sample; 0: a line
};

// A boxed legend in the top right corner of the plot area: for each entry
// a short sample of its line (or its symbol) and its text. It replaces the
// legend drawn before on the same graph and stays on top of the curves
// drawn later. When the Options window's legend is off (or there is no
// entry) the legend drawn before is removed and none is drawn.
void PlotLegend(const std::vector<LegendEntry> &entries, short printerEcho);

// The same legend on one surface, for a plot of its own (as the fit windows
// draw), its box's top left corner at topLeft.
void DrawLegend(DrawingSurface &surface, QPointF topLeft, const std::vector<LegendEntry> &entries);
// The size of that box on the surface.
QSizeF LegendSize(DrawingSurface &surface, const std::vector<LegendEntry> &entries);
// Where in a plot area a legend box covers none of the drawn points: the
// top left of the box in the first free corner (top right, top left,
// bottom right, bottom left); none when every corner covers some.
std::optional<QPointF> FreeLegendCorner(const QRectF &area, QSizeF size, const std::vector<QPointF> &drawn);

} // namespace modPlot_Graph
