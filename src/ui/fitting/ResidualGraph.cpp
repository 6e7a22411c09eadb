#include "fitting/ResidualGraph.h"

namespace {

constexpr double residualPlotHeight = 1400;

} // namespace

ResidualGraph::ResidualGraph(QWidget *parent)
    : PlotPicture(QStringLiteral("picResiduals"), residualPlotHeight, parent)
{
}

bool ResidualGraph::showResiduals(const std::vector<std::vector<double>> &x,
                                  const std::vector<std::vector<double>> &residuals, const QStringList &setNames,
                                  const QList<QColor> &colors, const QString &xTitle)
{
    modPlot_Graph::SeriesPlot plot;
    plot.xTitle = xTitle;
    plot.yTitle = QStringLiteral("Residual");
    plot.symmetricY = true;
    for (size_t set = 0; set < x.size() && set < residuals.size(); ++set) {
        modPlot_Graph::PlotSeries series;
        series.x = x[set];
        series.y = residuals[set];
        series.color = int(set) < colors.size() ? colors[int(set)] : QColor(Qt::black);
        if (x.size() > 1 && int(set) < setNames.size())
            series.legend = setNames[int(set)];
        plot.series.push_back(std::move(series));
    }
    return showPlot(plot);
}
