#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The system printer dialog (page range and print-to-file hidden, copies
// left to the printer). Returns true on OK. Tests replace the chooser.
namespace PrinterDialog {

bool choose(QPrinter &printer, QWidget *owner);

using Chooser = std::function<bool(QPrinter &printer)>;
void setChooser(Chooser chooser); // an empty chooser restores the real dialog

// Whether the system offers a printer to print to. A test's chooser stands
// for a printer; tests may replace the check (an empty one restores it).
bool hasPrinter();
void setPrinterCheck(std::function<bool()> check);

} // namespace PrinterDialog
