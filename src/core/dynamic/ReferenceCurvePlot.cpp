#include "dynamic/ReferenceCurvePlot.h"

#include "dynamic/LastRunKinetics.h"
#include "graphing/DrawingSurface.h"
#include "graphing/GraphState.h"
#include "graphing/PlotGeometry.h"
#include "graphing/PrinterPage.h"

#include <QPointF>

#include <cmath>
#include <vector>

namespace modKinetics {
namespace {

using namespace modPlot_Graph;

const QColor dashColour(0, 0, 192);
constexpr double DashOn = 100; // twips drawn
constexpr double DashOff = 70; // twips left out

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
        break;
    }
    return p.rAB;
}

// Cuts the segment a-b to the plot area (Liang-Barsky); false when no part
// of it is inside.
bool clipToPlotArea(QPointF &a, QPointF &b)
{
    const double left = ScreenLeft, right = ScreenLeft + PlotWidth;
    const double top = PlotTop, bottom = PlotTop + PlotHeight;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0.0, t1 = 1.0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - left, right - a.x(), a.y() - top, bottom - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = start + t0 * (b - start);
    b = start + t1 * (b - start);
    return true;
}

// Walks the curve keeping the dash pattern going from one segment to the next.
class Dasher
{
public:
    Dasher(bool echo)
        : m_picture(GraphSurface())
        , m_echo(echo)
    {
    }

    void segment(QPointF a, QPointF b)
    {
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        double done = 0.0;
        while (done < length) {
            const double piece = std::min(length - done, (m_on ? DashOn : DashOff) - m_phase);
            if (m_on)
                draw(a + (done / length) * (b - a), a + ((done + piece) / length) * (b - a));
            done += piece;
            m_phase += piece;
            if (m_phase >= (m_on ? DashOn : DashOff)) {
                m_phase = 0.0;
                m_on = !m_on;
            }
        }
    }

private:
    void draw(QPointF from, QPointF to)
    {
        if (m_picture)
            m_picture->drawLine(from, to, dashColour);
        if (m_echo) {
            const QPointF shift(PrinterOffset, 0);
            printerPage().drawLine(from + shift, to + shift, dashColour);
        }
    }

    DrawingSurface *m_picture;
    bool m_echo;
    bool m_on = true;
    double m_phase = 0.0;
};

} // namespace

void DrawReferenceCurve(DynamicY quantity, double scale, double timeFactor, double xMin, double xMax, double yMin,
                        double yMax, bool printerEcho)
{
    if (!ShowReferenceCurve || !LastRunKinetics || !LastRunKinetics->available() || !(xMax > xMin) || !(yMax > yMin))
        return;
    const std::vector<ReferencePoint> &curve = LastRunKinetics->curve;
    Dasher dasher(printerEcho);
    QPointF last;
    bool started = false;
    for (const ReferencePoint &p : curve) {
        const double x = p.time / timeFactor, y = valueOf(p, quantity) * scale;
        const QPointF at(ScreenLeft + (x - xMin) * PlotWidth / (xMax - xMin),
                         PlotTop + PlotHeight - (y - yMin) * PlotHeight / (yMax - yMin));
        if (!std::isfinite(at.x()) || !std::isfinite(at.y()))
            continue;
        // Points closer than a twip to the last one drawn add nothing.
        if (started && std::fabs(at.x() - last.x()) < 1.0 && std::fabs(at.y() - last.y()) < 1.0)
            continue;
        if (started) {
            QPointF a = last, b = at;
            if (clipToPlotArea(a, b))
                dasher.segment(a, b);
        }
        last = at;
        started = true;
    }
}

} // namespace modKinetics
