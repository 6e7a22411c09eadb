#include "dynamic/ReferenceCurvePlot.h"

#include "dynamic/LastRunKinetics.h"
#include "graphing/PlotOverlay.h"

#include <cmath>
#include <vector>

namespace modKinetics {
namespace {

using namespace modPlot_Graph;

double valueOf(const ReferencePoint &p, DynamicY quantity)
{
    switch (quantity) {
    case DynamicY::A:
        return p.A;
    case DynamicY::B:
        return p.B;
    case DynamicY::AB:
        return p.AB;
    case DynamicY::dAdt:
        return p.rA;
    case DynamicY::dBdt:
        return p.rB;
    case DynamicY::dABdt:
    case DynamicY::Together:
        break;
    }
    return p.rAB;
}

} // namespace

void DrawReferenceCurve(DynamicY quantity, double scale, double timeFactor, bool logTime, double xMin, double xMax,
                        double yMin, double yMax, bool printerEcho)
{
    if (!ShowReferenceCurve || !LastRunKinetics || !LastRunKinetics->available() || !(xMax > xMin) || !(yMax > yMin))
        return;
    std::vector<QPointF> points;
    points.reserve(LastRunKinetics->curve.size());
    for (const ReferencePoint &p : LastRunKinetics->curve) {
        const double time = p.time / timeFactor;
        if (logTime && !(time > 0))
            continue;
        points.emplace_back(logTime ? std::log10(time) : time, valueOf(p, quantity) * scale);
    }
    PlotCurve(points, xMin, xMax, yMin, yMax, {QColor(0, 0, 192), LineDash::Dashed}, printerEcho ? -1 : 0);
}

} // namespace modKinetics
