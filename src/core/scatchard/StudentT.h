#pragma once

namespace modStatistics {

// The two-sided 95 % value of Student's t for a sample of n points
// (df = n - 2), from the table used throughout the program. Only
// alpha = 0.025 is tabulated; for any other alpha, or df <= 0, t is left
// as it was.
void StudentT(double alpha, int n, double &t);

// The two-sided 95 % t for n points of any number: the table's value as
// StudentT gives it while df is in the table (the window never has more
// rows), the exact quantile past it instead of the table's last 1.96.
double ScatchardStudentT(int n);

} // namespace modStatistics
