#pragma once

#include "platform/PagePrinter.h"
#include "printing/ReportPage.h"

// The report as the print window prints it.
namespace Report {

// Composes the report for the tool window the user worked in last and
// sends it to sendPage (the chosen printer unless given).
Outcome PrintReport(const Choices &choices, const PageSink &sendPage = PagePrinter::printPage);

// What follows a print run: superimposing ends ("Clear previously plotted
// graphs" checked), the printer echo is cleared and so is the status text.
void EndPrinting();

} // namespace Report
