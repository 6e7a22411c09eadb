#include "platform/PrinterDialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace PrinterDialog {
namespace {

Chooser &chooser()
{
    static Chooser current;
    return current;
}

std::function<bool()> &printerCheck()
{
    static std::function<bool()> current;
    return current;
}

} // namespace

bool choose(QPrinter &printer, QWidget *owner)
{
    if (chooser())
        return chooser()(printer);
    QPrintDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

void setChooser(Chooser newChooser)
{
    chooser() = std::move(newChooser);
}

bool hasPrinter()
{
    if (printerCheck())
        return printerCheck()();
    return chooser() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

void setPrinterCheck(std::function<bool()> check)
{
    printerCheck() = std::move(check);
}

} // namespace PrinterDialog
