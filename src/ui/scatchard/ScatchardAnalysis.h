#pragma once

class frmScatchard;

namespace modStatistics {

// Analyze data: reads the data rows of the window's grid, fits the line,
// writes intercept, slope, its standard error, df, Kd and the 95 %
// interval of Kd into the window's labels with every message on the way,
// then plots the points and the line. Any fault ends the run with the
// invalid-input message; every way out clears the status text. Returns
// whether the labels now hold the results of the grid's data.
bool AnalyzeScatchard(frmScatchard &form);

} // namespace modStatistics
