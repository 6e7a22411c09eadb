#include "graphing/PlotPoint.h"

#include "graphing/DrawingSurface.h"
#include "graphing/GraphState.h"
#include "graphing/PlotGeometry.h"
#include "graphing/PlotSymbol.h"
#include "graphing/PrinterPage.h"
#include "platform/RuntimeFault.h"

namespace modPlot_Graph {
namespace {

const QColor black(0, 0, 0);
const QColor grey(102, 102, 102);
const QColor light(204, 204, 204);
const QColor white(255, 255, 255);
constexpr double shadowOffset = 15;

QPointF checkedPoint(double x, double y)
{
    return QPointF(TwipsCoordinate(x), TwipsCoordinate(y));
}

// A symbol's corners must be coordinates too.
void checkSymbolCorners(QPointF p)
{
    checkedPoint(p.x() - SymbolRadius, p.y() - SymbolRadius);
    checkedPoint(p.x() + SymbolRadius, p.y() + SymbolRadius);
}

// A dot: five single points around P, grey above and right and below,
// black left and on P, leaving the pen on P.
void drawDot(DrawingSurface &surface, QPointF p)
{
    surface.setPenPosition(p);
    struct Step
    {
        double dx, dy;
        const QColor &color;
    };
    const Step steps[] = {{0, -1, grey}, {1, 1, grey}, {-1, 1, grey}, {-1, -1, black}, {1, 0, black}};
    for (const Step &step : steps)
        surface.drawPoint(surface.penPosition() + QPointF(step.dx, step.dy), step.color);
}

} // namespace

bool IsSymbolMode(short mode)
{
    return mode == PlotClosedCircle || mode == PlotOpenCircle || mode == PlotClosedSquare || mode == PlotOpenSquare;
}

void DrawSymbol(DrawingSurface &surface, QPointF p, short mode, int circleWidth, QColor color)
{
    const QPointF corner(SymbolRadius, SymbolRadius);
    switch (mode) {
    case PlotClosedCircle:
        surface.drawCircle(p, SymbolRadius, color, true, color, circleWidth);
        break;
    case PlotOpenCircle:
        surface.drawCircle(p, SymbolRadius, color, true, white, circleWidth);
        break;
    case PlotClosedSquare:
        surface.drawBox(p - corner, p + corner, color, true, color);
        break;
    case PlotOpenSquare:
        surface.drawBox(p - corner, p + corner, color, true, white);
        break;
    default:
        break;
    }
}

void PlotPoint(double x, double y, double plotWidth, double plotHeight, double xMin, double xMax, double yMin,
               double yMax, short mode, short printerEcho)
{
    if (mode != PlotDot && mode != PlotSegment && !IsSymbolMode(mode))
        return;
    DrawingSurface *picture = GraphSurface();
    QPointF previous;
    if (mode == PlotSegment && picture)
        previous = checkedPoint(picture->penPosition().x(), picture->penPosition().y());

    const double px = ScreenLeft + fault::divide((x - xMin) * plotWidth, xMax - xMin);
    const double py = PlotTop + plotHeight - fault::divide((y - yMin) * plotHeight, yMax - yMin);
    const QPointF p = checkedPoint(px, py);
    const bool echo = printerEcho != 0;
    const QPointF printed = echo ? checkedPoint(px + PrinterOffset, py) : QPointF();
    if (IsSymbolMode(mode)) {
        checkSymbolCorners(p);
        if (echo)
            checkSymbolCorners(printed);
    }

    if (picture) {
        if (mode == PlotDot) {
            drawDot(*picture, p);
        } else if (mode == PlotSegment) {
            picture->drawLine(previous - QPointF(0, shadowOffset), p - QPointF(0, shadowOffset), light);
            picture->drawLine(previous + QPointF(shadowOffset, 0), p + QPointF(shadowOffset, 0), light);
            picture->drawLine(previous, p, black);
        } else {
            DrawSymbol(*picture, p, mode, 0, black);
        }
    }
    if (!echo)
        return;
    PrinterPage &page = printerPage();
    if (mode == PlotDot)
        drawDot(page, printed);
    else if (mode == PlotSegment)
        page.drawLine(page.penPosition(), printed, black);
    else
        DrawSymbol(page, printed, mode, PrintedCircleWidth, black);
}

} // namespace modPlot_Graph
