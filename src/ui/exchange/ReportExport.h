#pragma once

// "Export Report as PDF...": the one-page report of the active tool, drawn
// as the printer draws it, into a PDF file. Asks for the file, then opens
// the print window, whose Print writes the file.
namespace ReportExport {

void ExportReportAsPdf();

// Print on a computer without a printer: offers the PDF export instead.
void OfferPdfInsteadOfPrinter();

} // namespace ReportExport
