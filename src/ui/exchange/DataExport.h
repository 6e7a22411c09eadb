#pragma once

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
// The Competition Tool's inputs, species, IC50 and the curve of its graph.
void ExportCompetition();
// The export of the window the user worked in last.
void ExportActiveWindowData();

// "Open Data...": a CSV or tab-separated file of pairs into the Scatchard grid.
void OpenScatchardData();

} // namespace DataExport
