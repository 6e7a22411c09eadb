#pragma once

#include <QList>
#include <QStringList>

#include <string>

// The data of the tools as CSV files, and data files into the Scatchard
// grid. Each command asks for the file and shows its own messages.
namespace DataExport {

// Every stored sample of the last simulation, in the units the wizard and the
// graph show, after the run's constants and events in lines starting "#".
void ExportDynamicResults();
// The results browser's table, in the same units and with the same lines.
void ExportBrowserTable();
// The Scatchard grid's data pairs with the fit of their line.
void ExportScatchardData();
// The Equilibrium Tool's six values and the curve of its graph.
void ExportEquilibrium();
// The export of the window the user worked in last.
void ExportActiveWindowData();

// "Open Data...": a CSV or tab-separated file of pairs into the Scatchard grid.
void OpenScatchardData();
// File › Open Data...: into the table of the window the user works in when
// it reads data files of its own, otherwise into the Scatchard grid.
void OpenActiveWindowData();

// "Open Data..." of a fit's table: a file of rows of an X and up to
// maxValues - 1 replicates (blanks kept) as the cells' texts. False, after
// a message when the file cannot be read, or when the user cancels.
bool OpenDataColumns(int maxValues, QList<QStringList> &cells);

// Asks for a CSV file named after subject and writes text into it (a
// message when it cannot be written).
void ExportCsvText(const QString &subject, const std::string &text);

} // namespace DataExport
