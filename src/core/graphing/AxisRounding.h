#pragma once

namespace modPlot_Graph {

// Widen an automatic axis range to round values, in place: the maximum up
// and the minimum down to the step of its magnitude (100 for 1000..10000
// down to 0.0001 for 0.0001..0.001). Values outside those bands, and band
// boundaries, stay as they are; negative values mirror the other operation.
void RoundUpAxisMaximum(double &value);
void RoundDownAxisMinimum(double &value);

} // namespace modPlot_Graph
