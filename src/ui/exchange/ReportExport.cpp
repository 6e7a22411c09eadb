#include "exchange/ReportExport.h"

#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "printing/PrintWindows.h"
#include "printing/ReportTool.h"
#include "printing/frmPrintOptions.h"
#include "session/GraphPreferences.h"

namespace ReportExport {
namespace {

QString reportSubject()
{
    switch (ReportTool::ActiveToolWindow()) {
    case modPlot_Graph::EquilibriumTool:
        return QStringLiteral("Equilibrium report");
    case modPlot_Graph::ScatchardTool:
        return QStringLiteral("Scatchard Analysis report");
    case modPlot_Graph::DynamicTool:
        return QStringLiteral("Dynamic Equilibrium report");
    case modPlot_Graph::SaturationTool:
        return QStringLiteral("Saturation Binding report");
    case modPlot_Graph::CompetitionTool:
        return QStringLiteral("Competition report");
    case modPlot_Graph::KineticsFitTool:
        return QStringLiteral("Kinetics Fit report");
    case modPlot_Graph::PlannerTool:
        return QStringLiteral("Assay plan report");
    default:
        return QStringLiteral("Vornish report");
    }
}

} // namespace

void ExportReportAsPdf()
{
    frmPrintOptions *print = printWindows().print;
    if (!print)
        return;
    const QString path = FileDialogs::choose(FileDialogs::Mode::Save, QStringLiteral("Export Report as PDF"),
                                             {QStringLiteral("PDF document (*.pdf)")},
                                             FileDialogs::suggestedName(reportSubject(), QStringLiteral("pdf")));
    if (path.isEmpty())
        return;
    print->setPdfFile(path);
    print->showInFront();
}

void OfferPdfInsteadOfPrinter()
{
    const Messages::Answer answer = Messages::show(
        QStringLiteral("No printer is set up on this computer, so the report cannot be printed.")
            + Messages::paragraph() + QStringLiteral("Do you want to export the report as a PDF file instead?"),
        Messages::Buttons::YesNo, Messages::Icon::Question);
    if (answer == Messages::Answer::Yes)
        ExportReportAsPdf();
}

} // namespace ReportExport
