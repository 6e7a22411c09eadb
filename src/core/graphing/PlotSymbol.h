#pragma once

#include <QColor>
#include <QPointF>

class DrawingSurface;

namespace modPlot_Graph {

// Half the side of a data symbol, twips.
constexpr double SymbolRadius = 40;
// The outline of a printed circle, in printer line widths.
constexpr int PrintedCircleWidth = 3;

// Whether a PlotPoint mode is a symbol (closed or open circle or square).
bool IsSymbolMode(short mode);

// A symbol of a PlotPoint symbol mode centred on p: closed symbols filled
// with color, open ones white inside a color border. circleWidth 0 is the
// surface's line width.
void DrawSymbol(DrawingSurface &surface, QPointF p, short mode, int circleWidth, QColor color);

} // namespace modPlot_Graph
