#pragma once

#include <QString>

#include <functional>

class QPainter;
class QPaintDevice;
class QPrinter;

// The printer the user chose in the printer dialog, kept for the whole run
// so that the print window prints where the user asked, and the one place
// that sends a page to it.
namespace PagePrinter {

QPrinter &printer();

// Ends the document: opens the printer, lets paint draw the one page (in
// device coordinates from the printable origin) and sends it. False when
// the printer or its output file cannot be opened; nothing is sent then.
bool printPage(const std::function<void(QPainter &painter, const QPaintDevice &device)> &paint);

// The same page as a PDF file at path, on the chosen printer's paper and
// margins; written whole or not at all. Empty on success, else the reason.
QString printPageToPdf(const QString &path,
                       const std::function<void(QPainter &painter, const QPaintDevice &device)> &paint);

} // namespace PagePrinter
