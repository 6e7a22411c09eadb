#pragma once

namespace modStatistics {

// The two-sided 95 % value of Student's t for a sample of n points
// (df = n - 2), from the table used throughout the program. Only
// alpha = 0.025 is tabulated; for any other alpha, or df <= 0, t is left
// as it was.
void StudentT(double alpha, int n, double &t);

} // namespace modStatistics
