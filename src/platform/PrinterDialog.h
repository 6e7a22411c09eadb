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

} // namespace PrinterDialog
