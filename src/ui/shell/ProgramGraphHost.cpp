#include "shell/ProgramGraphHost.h"

#include "graphing/AxisTitleLabel.h"
#include "graphing/GraphPicture.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"

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
