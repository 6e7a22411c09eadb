#pragma once

class frmVornish;

namespace modVornish {

// Draws the equilibrium graph after the results are shown: the binding
// curve swept over one total, by the preferences of the Options window.
// It runs inside the Vornish operation's fault handler (a RuntimeFault
// thrown here ends in "Enter numeric values.") and clears the status text
// on every normal way out. kdMolar is the Kd the operation computed or read.
void DrawEquilibriumGraph(frmVornish &form, double kdMolar);

} // namespace modVornish
