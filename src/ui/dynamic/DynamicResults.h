#pragma once

// The results file as the Dynamic Equilibrium Wizard uses it around a run.
// Each call throws RuntimeFault on a failure of the file, for the wizard's
// one fault handler.
namespace modVornish {

// Before a run recreates the file: hides the results browser if it is
// visible and releases the file.
void ReleaseResultsForRun();

// After a run, when the Options window asks for the table: the results
// browser on table A, in front.
void ShowResultsBrowser();

} // namespace modVornish
