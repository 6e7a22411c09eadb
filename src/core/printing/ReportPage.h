#pragma once

#include <QString>

#include <functional>

class QPainter;
class QPaintDevice;

// The one-page report of the print window: the current graph with its axis
// titles, a comment, and the input and output of the current tool, from
// the session, the graph host and the tools' report sources.
namespace Report {

struct Choices
{
    bool printGraph = true;    // "Print Graph"
    bool printInfo = false;    // "Print numeric output"
    bool printComment = false; // "Annotation"
    QString comment;           // lines joined by CR LF
    // The heading of the first page: the project's name and when it was
    // printed; none when title is empty.
    QString title;
    QString printedAt;
    // Where the printable area ends, in twips from its top: the details of
    // the tool go on to a second page past it.
    double pageBottom = 14400;
};

enum class Outcome {
    Printed,      // the page went to the printer (or held nothing to print)
    NoGraph,      // no graph to print: nothing printed
    PrinterFailed // the printer could not be opened: nothing printed
};

// Composes the page and sends it to sendPage, which ends the document (a
// printer or a PDF file); its false is PrinterFailed. With the numeric
// output come the tool's details (its data, fits and simulation settings),
// on further pages when they do not fit. Printing the graph
// runs the tool that drew it again with the printer echo set, unless graphs
// are being superimposed (they are on the page already). activeTool is the
// tool window the user worked in last (ToolCode), whose list is printed when
// no graph names one. Every message of the report is shown here; the page
// is empty again afterwards.
using PageSink = std::function<bool(const std::function<void(QPainter &painter, const QPaintDevice &device)> &paint)>;
Outcome ComposeAndSendReport(const Choices &choices, short activeTool, const PageSink &sendPage);

} // namespace Report
