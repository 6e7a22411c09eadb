// TEMPORARY, never to land: stands in for ScatchardGraph.cpp until the plot engine is on main.
#include "scatchard/ScatchardGraph.h"
#include "shell/StatusText.h"
namespace modStatistics {
void PlotScatchardGraph(const std::vector<double> &, const std::vector<double> &, double, double) { StatusText::clear(); }
void ShowLinearScaleTitles() {}
void ShowScatchardGraphOptions() {}
void RegisterScatchardHooks(frmScatchard &) {}
}
