#pragma once

#include "platform/PagePrinter.h"

#include <QString>

#include <functional>

// The one-page report of the print window: the current graph with its axis
// titles, a comment, and the input and output of the current tool.
namespace Report {

struct Choices
{
    bool printGraph = true;   // "Print Graph"
    bool printInfo = false;   // "Print numeric output"
    bool printComment = false; // "Annotation"
    QString comment;          // lines joined by CR LF
};

enum class Outcome {
    Printed,      // the page went to the printer (or held nothing to print)
    NoGraph,      // no graph to print: nothing printed
    PrinterFailed // the printer could not be opened: nothing printed
};

// Composes the page and sends it to the chosen printer. Printing the graph
// runs the tool that drew it again with PrinterEcho set, unless graphs are
// being superimposed (they are on the page already). Every message of the
// report is shown here; the page is empty again afterwards.
// sendPage ends the document (PagePrinter::printPage, or a PDF file); its
// false is PrinterFailed.
using PageSink = std::function<bool(const std::function<void(QPainter &painter, const QPaintDevice &device)> &paint)>;
Outcome PrintReport(const Choices &choices, const PageSink &sendPage = PagePrinter::printPage);

// What follows a print run: superimposing ends ("Clear previously plotted
// graphs" checked), PrinterEcho is cleared and so is the status text.
void EndPrinting();

} // namespace Report
