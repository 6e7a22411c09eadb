#include "fitting/PlotPicture.h"

#include "platform/RuntimeFault.h"

PlotPicture::PlotPicture(const QString &objectName, double plotHeight, QWidget *parent)
    : GraphPicture(parent)
    , m_plotHeight(plotHeight)
{
    setObjectName(objectName);
    modPlot_Graph::SeriesPlot empty;
    empty.plotHeight = plotHeight;
    const QSizeF size = modPlot_Graph::SeriesPlotSize(empty);
    setTwipsSize(size.width(), size.height());
}

bool PlotPicture::showPlot(modPlot_Graph::SeriesPlot plot)
{
    clear();
    plot.plotHeight = m_plotHeight;
    try {
        m_hasPlot = modPlot_Graph::DrawSeriesPlot(*this, plot);
    } catch (const RuntimeFault &) {
        clear();
        m_hasPlot = false;
    }
    return m_hasPlot;
}

void PlotPicture::clearPlot()
{
    clear();
    m_hasPlot = false;
}
