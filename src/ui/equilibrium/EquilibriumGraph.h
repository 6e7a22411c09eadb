#pragma once

class frmVornish;

namespace modVornish {

// Draws the equilibrium graph after the results are shown: the binding
// curve swept over one total, by the preferences of the Options window.
// It runs inside the Vornish operation's fault handler (a RuntimeFault
// thrown here ends in "Enter numeric values.") and clears the status text
// on every normal way out. The totals and Kd are the molar values the
// operation computed or read.
void DrawEquilibriumGraph(frmVornish &form, double totalAMolar, double totalBMolar, double kdMolar);

} // namespace modVornish
