#include "kineticsfit/KineticsTraceGraph.h"

#include "platform/NumberText.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

KineticsTraceGraph::KineticsTraceGraph(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(320, 200);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

QColor KineticsTraceGraph::colorOf(int i)
{
    static const QColor colors[] = {QColor(0, 90, 181),  QColor(220, 50, 32), QColor(0, 150, 80),  QColor(150, 60, 170),
                                    QColor(230, 140, 0), QColor(0, 160, 170), QColor(120, 80, 40), QColor(90, 90, 90)};
    return colors[i % int(std::size(colors))];
}

void KineticsTraceGraph::setSeries(std::vector<Series> series, const QString &xTitle, const QString &yTitle)
{
    m_series = std::move(series);
    m_xTitle = xTitle;
    m_yTitle = yTitle;
    update();
}

void KineticsTraceGraph::clear()
{
    m_series.clear();
    update();
}

void KineticsTraceGraph::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    bool any = false;
    const auto take = [&](const std::vector<double> &xs, const std::vector<double> &ys) {
        for (size_t i = 0; i < xs.size() && i < ys.size(); ++i) {
            if (!std::isfinite(xs[i]) || !std::isfinite(ys[i]))
                continue;
            if (!any) {
                xMin = xMax = xs[i];
                yMin = yMax = ys[i];
                any = true;
            }
            xMin = std::min(xMin, xs[i]);
            xMax = std::max(xMax, xs[i]);
            yMin = std::min(yMin, ys[i]);
            yMax = std::max(yMax, ys[i]);
        }
    };
    for (const Series &s : m_series) {
        take(s.x, s.y);
        take(s.curveX, s.curveY);
    }
    if (!any)
        return;
    xMin = std::min(xMin, 0.0);
    yMin = std::min(yMin, 0.0);
    if (!(xMax > xMin))
        xMax = xMin + 1;
    if (!(yMax > yMin))
        yMax = yMin + 1;

    const QFontMetrics metrics(font());
    const int left = metrics.horizontalAdvance(QStringLiteral("-0.0000")) + 8, bottom = 2 * metrics.height() + 6;
    const QRectF plot(left, metrics.height() / 2.0 + 4, width() - left - 10, height() - bottom - metrics.height());
    const auto px = [&](double x) { return plot.left() + (x - xMin) / (xMax - xMin) * plot.width(); };
    const auto py = [&](double y) { return plot.bottom() - (y - yMin) / (yMax - yMin) * plot.height(); };

    painter.setPen(Qt::black);
    painter.drawRect(plot);
    for (int k = 0; k <= 4; ++k) {
        const double xv = xMin + (xMax - xMin) * k / 4, yv = yMin + (yMax - yMin) * k / 4;
        const QString xt = NumberText::generalText(std::round(xv * 1e4) / 1e4);
        const QString yt = NumberText::generalText(std::round(yv * 1e4) / 1e4);
        painter.drawText(QPointF(px(xv) - metrics.horizontalAdvance(xt) / 2.0, plot.bottom() + metrics.height()), xt);
        painter.drawText(QPointF(plot.left() - metrics.horizontalAdvance(yt) - 4, py(yv) + metrics.ascent() / 2.0), yt);
    }
    painter.drawText(QRectF(plot.left(), height() - metrics.height() - 2, plot.width(), metrics.height()),
                     Qt::AlignHCenter, m_xTitle);
    painter.drawText(QPointF(4, metrics.ascent()), m_yTitle);
    if (yMin < 0 && yMax > 0) {
        painter.setPen(QPen(Qt::gray, 0, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), py(0)), QPointF(plot.right(), py(0)));
    }

    painter.setClipRect(plot);
    for (const Series &s : m_series) {
        painter.setPen(QPen(s.color, 2));
        QPainterPath curve;
        for (size_t i = 0; i < s.curveX.size(); ++i) {
            if (!std::isfinite(s.curveY[i]))
                continue;
            const QPointF point(px(s.curveX[i]), py(s.curveY[i]));
            curve.elementCount() == 0 ? curve.moveTo(point) : curve.lineTo(point);
        }
        painter.drawPath(curve);
        painter.setPen(QPen(s.color, 1));
        painter.setBrush(Qt::NoBrush);
        for (size_t i = 0; i < s.x.size(); ++i)
            painter.drawEllipse(QPointF(px(s.x[i]), py(s.y[i])), 2.5, 2.5);
    }
    painter.setClipping(false);

    // The legend, top right inside the plot.
    int legendWidth = 0;
    for (const Series &s : m_series)
        legendWidth = std::max(legendWidth, metrics.horizontalAdvance(s.name));
    if (legendWidth == 0)
        return;
    const QRectF box(plot.right() - legendWidth - 36, plot.top() + 4, legendWidth + 32,
                     metrics.height() * double(m_series.size()) + 6);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    for (size_t i = 0; i < m_series.size(); ++i) {
        const double y = box.top() + 3 + metrics.height() * (double(i) + 0.5);
        painter.setPen(QPen(m_series[i].color, 2));
        painter.drawLine(QPointF(box.left() + 4, y), QPointF(box.left() + 22, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(box.left() + 26, y + metrics.ascent() / 2.0 - 1), m_series[i].name);
    }
}
