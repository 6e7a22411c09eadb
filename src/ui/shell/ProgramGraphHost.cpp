#include "shell/ProgramGraphHost.h"

#include "graphing/AxisTitleLabel.h"
#include "graphing/GraphPicture.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "platform/Twips.h"

#include <algorithm>

ProgramGraphHost::ProgramGraphHost(frmGraph &graph, frmOptions &options)
    : m_graph(graph)
    , m_options(options)
{
    modPlot_Graph::SetGraphHost(this);
}

ProgramGraphHost::~ProgramGraphHost()
{
    if (modPlot_Graph::RegisteredGraphHost() == this)
        modPlot_Graph::SetGraphHost(nullptr);
}

void ProgramGraphHost::clearPicture(bool pastedToo)
{
    if (pastedToo)
        m_graph.PicGraph->clearPicture();
    else
        m_graph.PicGraph->clear();
}

void ProgramGraphHost::showGraph()
{
    m_graph.showInFront();
}

void ProgramGraphHost::showAxisTitles(const modPlot_Graph::AxisTitles &titles)
{
    m_graph.lblX_axis->setText(titles.x);
    m_graph.lblY_axis->setText(titles.y);
    // The Y title ends clear of the tick labels, however wide they are:
    // narrower where it can (its text wraps), further left where it must.
    AxisTitleLabel &y = *m_graph.lblY_axis;
    constexpr double gap = 60, narrowest = 600;
    const double clear = titles.yLabelsLeft - gap;
    if (titles.yLabelsLeft < 0 || y.twipsLeft() + y.twipsWidth() <= clear)
        return;
    const double width = std::max(narrowest, clear - y.twipsLeft());
    const double wrapped = Twips::fromPixelsY(y.heightForWidth(Twips::toPixelsX(width)));
    y.setTwipsGeometry(std::max(0.0, std::min(y.twipsLeft(), clear - width)), y.twipsTop(), width,
                       std::max(y.twipsHeight(), wrapped));
}

void ProgramGraphHost::restoreDefaultPreferences()
{
    m_options.RestoreDefaults();
}

namespace {

TitleBox boxOf(const AxisTitleLabel &label)
{
    return {label.text(), label.twipsLeft(), label.twipsTop(), label.twipsWidth(), label.twipsHeight()};
}

} // namespace

TitleBox ProgramGraphHost::xAxisTitle() const
{
    return boxOf(*m_graph.lblX_axis);
}

TitleBox ProgramGraphHost::yAxisTitle() const
{
    return boxOf(*m_graph.lblY_axis);
}
