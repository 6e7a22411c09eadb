#include "scatchard/SaturationGraph.h"

#include "scatchard/ScatchardFigures.h"
#include "scatchard/ScatchardWindows.h"
#include "scatchard/frmScatchTlAssistant.h"
#include "session/StatusText.h"

namespace modStatistics {

void PlotSaturationGraph(const SaturationComparison &comparison)
{
    const bool drawn = DrawSaturationFigure(comparison);
    StatusText::clear();
    frmScatchTlAssistant *assistant = scatchardWindows().scatchardAssistant;
    if (drawn && assistant && assistant->isVisible())
        assistant->hide();
}

} // namespace modStatistics
