#include "scatchard/ScatchardGraph.h"

#include "graphing/GraphWindows.h"
#include "graphing/PlotEngine.h"
#include "graphing/UnitDisplays.h"
#include "graphing/frmOptions.h"
#include "platform/EditableGrid.h"
#include "printing/ToolLists.h"
#include "scatchard/SaturationFitPanel.h"
#include "scatchard/ScatchardWindows.h"
#include "scatchard/frmScatchTlAssistant.h"
#include "scatchard/frmScatchard.h"
#include "session/StatusText.h"

#include <QLabel>
#include <QPushButton>

namespace modStatistics {

using namespace modPlot_Graph;

void PlotScatchardGraph(const std::vector<double> &x, const std::vector<double> &y, double slope, double intercept,
                        std::optional<ModelLine> model)
{
    const bool drawn = DrawScatchardFigure(x, y, slope, intercept, model);
    StatusText::clear();
    frmScatchTlAssistant *assistant = scatchardWindows().scatchardAssistant;
    if (drawn && assistant && assistant->isVisible())
        assistant->hide();
}

void ShowLinearScaleTitles()
{
    if (frmOptions *options = graphWindows().options)
        options->ShowXScaleTitles(false);
}

void ShowScatchardGraphOptions()
{
    if (frmOptions *options = graphWindows().options)
        options->ShowOnTab(frmOptions::TabScatchard);
}

void RegisterScatchardHooks(frmScatchard &)
{
    // The hooks find the window through the registry, which forgets it
    // when the main window ends.
    SetReplotHandler(ScatchardTool, [] {
        frmScatchard *form = scatchardWindows().scatchard;
        if (form && !form->fitPanel->ReplotFitGraph())
            form->cmdScatchard->click();
    });

    modVnPublic::UnitDisplay display;
    display.rescaleConcentrations = [](const modVnPublic::RescaleText &rescale) {
        frmScatchard *form = scatchardWindows().scatchard;
        if (!form)
            return;
        EditableGrid &grid = *form->flgInputScatchard;
        grid.CommitEdit(); // a Bound still being typed is in the old unit too
        for (int row = 1; row < grid.Rows() && !grid.TextMatrix(row, 1).isEmpty(); ++row)
            grid.setTextMatrix(row, 1, rescale(grid.TextMatrix(row, 1)));
    };
    display.showConcentrationUnit = [](const modVnPublic::ConcentrationUnitTexts &texts) {
        if (frmScatchard *form = scatchardWindows().scatchard)
            form->lblUnit->setText(texts.scatchardLabel);
        if (frmScatchTlAssistant *assistant = scatchardWindows().scatchardAssistant)
            assistant->lblUnits->setText(texts.longText);
    };
    modVnPublic::SetUnitDisplay(modVnPublic::UnitDisplayWindow::Scatchard, display);

    ToolLists::SetReportSource(ScatchardTool, [](const QString &) {
        const frmScatchard *form = scatchardWindows().scatchard;
        if (!form)
            return ReportColumns();
        return ToolLists::ScatchardToolList({form->lblOutputKd->text(), form->lblOutputCI->text(),
                                             form->lblOutputSlope->text(), form->lblOutputIntercept->text(),
                                             form->lblOutputdf->text(), form->lblOutputSEb->text()});
    });
}

} // namespace modStatistics
