#include "printing/ReportPage.h"

#include "graphing/GraphHost.h"
#include "graphing/GraphState.h"
#include "graphing/PlotEngine.h"
#include "graphing/PrinterPage.h"
#include "platform/Messages.h"
#include "printing/PrintText.h"
#include "printing/ReportDetails.h"
#include "printing/ToolLists.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <deque>

namespace Report {
namespace {

const QString kPrinting = QStringLiteral("Printing...");

// Twips from the page's printable origin.
constexpr double kGraphBlockTop = 6000; // below the graph
constexpr double kPageTop = 1000;
constexpr double kCommentToList = 1000;
constexpr double kLabelsX = 1000;
constexpr double kValuesX = 3500;
constexpr double kTitleOffset = 800; // the printer page draws the graph this much further right

void setReportFont(PrinterPage &page, bool bold)
{
    page.setFont(QStringLiteral("Arial"), 9, bold);
}

// The project's name in large bold type and the date and time below it,
// above the graph's frame.
constexpr double kTitleTop = 60;
void PrintHeading(PrinterPage &page, const Choices &choices)
{
    if (choices.title.isEmpty())
        return;
    page.setFont(QStringLiteral("Arial"), 12, true);
    page.setPenPosition({kLabelsX, kTitleTop});
    page.printText(choices.title, true);
    setReportFont(page, false);
    page.setPenPosition({kLabelsX, page.penPosition().y()});
    page.printText(choices.printedAt, true);
}

void showNoGraph()
{
    Messages::show(QStringLiteral("No graph available for printing"), Messages::Buttons::Ok,
                   Messages::Icon::Exclamation);
}

void showNoTool()
{
    Messages::show(QStringLiteral("No Tool info or output available for printing.") + Messages::lineBreak()
                       + QStringLiteral("The Tool window needs to have focus (i.e. it is 'active') in order ")
                       + QStringLiteral("to print Tool info or output."),
                   Messages::Buttons::Ok, Messages::Icon::Exclamation);
}

// Runs the tool that drew the graph again, echoing its drawing on the page,
// without its changed-settings question. False when no graph was drawn.
bool ReplotOnPrinterPage()
{
    Session &session = Session::current();
    session.setPrinterEcho(true);
    const bool keptFlag = session.settingsChanged();
    session.setSettingsChanged(false);

    const bool replotted = modPlot_Graph::ReplotGraph(session.graphSource());

    StatusText::set(kPrinting);
    session.setSettingsChanged(keptFlag);
    return replotted;
}

// The axis titles as they stand in the graph window, in boxes of their
// size and place on the picture.
void PrintAxisTitles(PrinterPage &page)
{
    const GraphHost *host = modPlot_Graph::RegisteredGraphHost();
    if (!host)
        return;
    const TitleBox y = host->yAxisTitle();
    PrintText::PrintWrappedText(page, y.text, y.left + kTitleOffset, y.top, y.width + 40, y.height + 40,
                                PrintText::AlignRight);
    const TitleBox x = host->xAxisTitle();
    PrintText::PrintWrappedText(page, x.text, x.left + kTitleOffset, x.top, x.width + 40, x.height + 40,
                                PrintText::AlignCentre);
}

bool GraphsShown()
{
    return Session::current().graphPreferences().toPlotOrNot == 1;
}

// The tool whose list is printed: the one that drew the graph when graphs
// are shown, else (or when no tool drew it) the active tool window.
short ListedTool(short activeTool)
{
    const short graphTool = GraphsShown() ? Session::current().graphSource() : modPlot_Graph::NoTool;
    return graphTool != modPlot_Graph::NoTool ? graphTool : activeTool;
}

// Whether anything visible is on the page (lines of no text are not).
bool HasInk(const PrinterPage &page)
{
    return std::any_of(page.items().begin(), page.items().end(), [&page](const DisplayItem &item) {
        return item.kind != DisplayItem::Text || !page.textOf(item).trimmed().isEmpty();
    });
}

} // namespace

Outcome ComposeAndSendReport(const Choices &choices, short activeTool, const PageSink &sendPage)
{
    PrinterPage &page = printerPage();
    // Superimposed graphs wait on the page; without "Print Graph" they stay off it.
    if (!choices.printGraph || !Session::current().printerEcho())
        page.discard();

    if (choices.printGraph) {
        StatusText::set(kPrinting);
        if (!Session::current().printerEcho()) {
            const bool replotted = ReplotOnPrinterPage();
            if (!replotted || page.isEmpty()) {
                showNoGraph();
                Session::current().setPrinterEcho(false);
                page.discard();
                StatusText::clear();
                return Outcome::NoGraph;
            }
        } else if (page.isEmpty()) {
            showNoGraph(); // superimposing, but nothing plotted yet
            StatusText::clear();
            return Outcome::NoGraph;
        }
        setReportFont(page, true); // bold titles, whatever font the graph left
        PrintAxisTitles(page);
    }

    std::deque<PrinterPage> further; // the pages after the first
    double y = choices.printGraph ? kGraphBlockTop : kPageTop;
    if (choices.printComment) {
        setReportFont(page, false);
        PrintText::PrintTextLines(page, choices.comment, kLabelsX, y, PrintText::AlignLeft);
        // The list starts 1000 below the comment; a comment reaching more
        // than half a line into the list pushes it down, one empty line
        // below the comment, instead of overprinting it.
        const double commentEnd = page.penPosition().y();
        const double lineHeight = page.textHeight();
        y = commentEnd > y + kCommentToList + lineHeight / 2 ? commentEnd + lineHeight : y + kCommentToList;
    }
    if (choices.printInfo) {
        setReportFont(page, false);
        const short tool = ListedTool(activeTool);
        ReportColumns list;
        if (tool == modPlot_Graph::NoTool)
            showNoTool();
        else
            list = ToolLists::ToolList(modPlot_Graph::ToolCode(tool), Session::current().concentrationUnit());
        PrintText::PrintTextLines(page, list.labels, kLabelsX, y, PrintText::AlignLeft);
        const double labelsEnd = page.penPosition().y();
        PrintText::PrintTextLines(page, list.values, kValuesX, y, PrintText::AlignLeft);
        if (tool != modPlot_Graph::NoTool) {
            DrawingSurface *current = &page;
            ReportDetails::PrintSections(
                ReportDetails::DetailsOf(modPlot_Graph::ToolCode(tool)), kLabelsX,
                std::max(labelsEnd, page.penPosition().y()), kPageTop, choices.pageBottom,
                [&further]() -> DrawingSurface & { return further.emplace_back(); }, current);
        }
    }
    setReportFont(page, false);

    // End of the document; a page without ink is not worth a sheet.
    bool sent = true;
    if (HasInk(page)) {
        PrintHeading(page, choices);
        sent = sendPage([&page, &further](QPainter &painter, const QPaintDevice &device) {
            page.paint(painter, device);
            auto *paged = dynamic_cast<QPagedPaintDevice *>(painter.device());
            for (const PrinterPage &next : further)
                if (paged && paged->newPage())
                    next.paint(painter, device);
        });
    }
    page.discard();
    return sent ? Outcome::Printed : Outcome::PrinterFailed;
}

} // namespace Report
