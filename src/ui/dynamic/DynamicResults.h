#pragma once

// The results file as the Dynamic Equilibrium Wizard uses it around a run.
// Each call throws RuntimeFault on a failure of the file, for the wizard's
// one fault handler.
namespace modVornish {

// Before a run: hides the results browser if it is visible, releases the
// file and recreates it empty at ResultsFilePath().
void ResetResultsFile();

// After a run, when the Options window asks for the table: the results
// browser on table A, in front.
void ShowResultsBrowser();

} // namespace modVornish
