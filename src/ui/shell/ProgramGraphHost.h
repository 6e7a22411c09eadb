#pragma once

#include "graphing/GraphHost.h"

class frmGraph;
class frmOptions;

// The plot engine's view of the program's windows: the graph window shows
// the graph, the Options window holds the preferences.
class ProgramGraphHost : public GraphHost
{
public:
    ProgramGraphHost(frmGraph &graph, frmOptions &options);
    ~ProgramGraphHost() override;

    void clearPicture(bool pastedToo) override;
    void showGraph() override;
    void showAxisTitles(const modPlot_Graph::AxisTitles &titles) override;
    void restoreDefaultPreferences() override;
    TitleBox xAxisTitle() const override;
    TitleBox yAxisTitle() const override;

private:
    frmGraph &m_graph;
    frmOptions &m_options;
};
