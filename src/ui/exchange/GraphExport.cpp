#include "exchange/GraphExport.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/GraphFiles.h"
#include "exchange/ResolutionDialog.h"
#include "graphing/AxisTitleLabel.h"
#include "graphing/GraphPicture.h"
#include "graphing/GraphWindows.h"
#include "graphing/frmGraph.h"
#include "platform/DialogOwner.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/ModalDialog.h"
#include "platform/SavedFile.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "printing/PrintText.h"
#include "session/Session.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSpinBox>

#include <cmath>

namespace GraphExport {
namespace {

const QString kApp = QStringLiteral("Vornish");
const QString kSettings = QStringLiteral("Settings");
const QString kDpiKey = QStringLiteral("GraphExportDpi");
constexpr int defaultDpi = 300;
const QString kWidthKey = QStringLiteral("GraphExportWidth"); // mm

const QString kPng = QStringLiteral("PNG image (*.png)");
const QString kSvg = QStringLiteral("SVG drawing (*.svg)");
const QString kPdf = QStringLiteral("PDF document (*.pdf)");

bool hasGraph(const frmGraph *graph)
{
    return graph && (!graph->PicGraph->displayList().items().empty() || graph->PicGraph->hasPastedPicture());
}

void showNoGraph()
{
    ExchangeMessages::showNothingToExport(QStringLiteral("There is no graph to save or copy yet."));
}

// The size (and, for a bitmap, the resolution) the user picks for the
// saved graph, remembered for the next one; false when cancelled. A width
// of 0 kept means the graph's own.
bool chooseSize(GraphDrawing &drawing, bool bitmap, int &dpi)
{
    constexpr double mmPerTwip = 25.4 / 1440;
    const double naturalWidth = drawing.twipsSize.width() * mmPerTwip;
    const short keptDpi = SettingsStore::readShort(kApp, kSettings, kDpiKey, defaultDpi);
    const short keptWidth = SettingsStore::readShort(kApp, kSettings, kWidthKey, 0);
    const int startDpi = keptDpi >= ResolutionDialog::MinimumDpi && keptDpi <= ResolutionDialog::MaximumDpi
                             ? keptDpi
                             : defaultDpi;
    const double startWidth = keptWidth >= ResolutionDialog::MinimumWidthMm
                                      && keptWidth <= ResolutionDialog::MaximumWidthMm
                                  ? keptWidth
                                  : naturalWidth;
    ResolutionDialog dialog(startWidth, startDpi, bitmap, naturalWidth, drawing.twipsSize.height() * mmPerTwip,
                            DialogOwner::current());
    if (ModalDialog::run(dialog) != QDialog::Accepted)
        return false;
    dpi = dialog.spnResolution->value();
    // The width as shown (to a tenth of a millimetre) is the graph's own: its size stays exact.
    const double width = dialog.spnWidth->value();
    const bool natural = std::fabs(width - naturalWidth) < 0.05;
    drawing.magnification = natural ? 1 : width / naturalWidth;
    SettingsStore::write(kApp, kSettings, kDpiKey, QString::number(dpi));
    SettingsStore::write(kApp, kSettings, kWidthKey, QString::number(natural ? 0 : qRound(width)));
    return true;
}

// The tool that drew the graph, for the suggested file name.
QString graphSubject()
{
    switch (Session::current().graphSource()) {
    case modPlot_Graph::EquilibriumTool:
        return QStringLiteral("Equilibrium graph");
    case modPlot_Graph::ScatchardTool:
        return QStringLiteral("Scatchard graph");
    case modPlot_Graph::DynamicTool:
        return QStringLiteral("Dynamic Equilibrium graph");
    case modPlot_Graph::SaturationTool:
        return QStringLiteral("Saturation Binding graph");
    case modPlot_Graph::CompetitionTool:
        return QStringLiteral("Competition graph");
    case modPlot_Graph::KineticsFitTool:
        return QStringLiteral("Kinetics Fit graph");
    case modPlot_Graph::PlannerTool:
        return QStringLiteral("Assay plan graph");
    case modPlot_Graph::NoTool:
        break;
    }
    return QStringLiteral("Graph");
}

} // namespace

GraphDrawing DrawingOf(const frmGraph &graph)
{
    const GraphPicture &picture = *graph.PicGraph;
    GraphDrawing drawing;
    drawing.list = picture.displayList();
    drawing.underlay = picture.pastedPicture();
    drawing.underlayDpi = Twips::dpiX();
    drawing.twipsSize = picture.twipsSize(); // the size it is drawn for, however large the window shows it
    // The titles in their boxes, in the font the printed report gives them.
    drawing.list.setFont(QStringLiteral("Arial"), 9, true);
    const AxisTitleLabel &y = *graph.lblY_axis;
    PrintText::PrintWrappedText(drawing.list, y.text(), y.twipsLeft(), y.twipsTop(), y.twipsWidth() + 40,
                                y.twipsHeight() + 40, PrintText::AlignRight);
    const AxisTitleLabel &x = *graph.lblX_axis;
    PrintText::PrintWrappedText(drawing.list, x.text(), x.twipsLeft(), x.twipsTop(), x.twipsWidth() + 40,
                                x.twipsHeight() + 40, PrintText::AlignCentre);
    return drawing;
}

void SaveGraphAs()
{
    const frmGraph *graph = graphWindows().graph;
    if (!hasGraph(graph))
        return showNoGraph();
    QString path = FileDialogs::choose(FileDialogs::Mode::Save, QStringLiteral("Save Graph As"), {kPng, kSvg, kPdf},
                                       FileDialogs::suggestedName(graphSubject(), QStringLiteral("png")));
    if (path.isEmpty())
        return;
    GraphFiles::Format format = GraphFiles::Format::Png;
    if (!GraphFiles::formatOfName(path, format)) {
        Messages::show(QStringLiteral("Graphs are saved as PNG, SVG or PDF files: give the file name one of the "
                                      "extensions .png, .svg or .pdf."),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return;
    }
    GraphDrawing drawing = DrawingOf(*graph);
    int dpi = defaultDpi;
    if (!chooseSize(drawing, format == GraphFiles::Format::Png, dpi))
        return;
    QString failure;
    switch (format) {
    case GraphFiles::Format::Png:
        failure = GraphFiles::writePng(drawing, dpi, path);
        break;
    case GraphFiles::Format::Svg:
        failure = GraphFiles::writeSvg(drawing, path);
        break;
    case GraphFiles::Format::Pdf:
        failure = GraphFiles::writePdf(drawing, path);
        break;
    }
    if (!failure.isEmpty())
        showSaveFailure(path, failure);
}

void CopyGraph()
{
    const frmGraph *graph = graphWindows().graph;
    if (!hasGraph(graph))
        return showNoGraph();
    const GraphDrawing drawing = DrawingOf(*graph);
    auto *data = new QMimeData();
    data->setImageData(GraphFiles::renderImage(drawing, Twips::dpiX()));
    data->setData(QStringLiteral("image/svg+xml"), GraphFiles::svgData(drawing));
    QApplication::clipboard()->setMimeData(data);
}

} // namespace GraphExport
