#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

// A graph inside the Kinetics Fit window: series of points, each with its
// curve in the series' colour, and a legend that names them. The traces
// with their fitted curves, and k_obs against the concentration with its
// line, are drawn with it.
class KineticsTraceGraph : public QWidget
{
    Q_OBJECT

public:
    struct Series
    {
        QString name;
        QColor color;
        std::vector<double> x, y;           // the points
        std::vector<double> curveX, curveY; // the curve, drawn as a line
    };

    explicit KineticsTraceGraph(QWidget *parent = nullptr);

    void setSeries(std::vector<Series> series, const QString &xTitle, const QString &yTitle);
    void clear();
    const std::vector<Series> &series() const { return m_series; }

    // The colour of the series at index i, the same in every graph.
    static QColor colorOf(int i);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<Series> m_series;
    QString m_xTitle, m_yTitle;
};
