#pragma once

#include <QString>

namespace modStatistics {

// The 95 % confidence interval of Kd = -1 / slope, from the interval
// slope -/+ t * seSlope of the slope.
struct KdInterval
{
    enum Kind { Finite, OpenAbove, Invalid };
    Kind kind = Invalid;
    double low = 0.0;  // finite and open above
    double high = 0.0; // finite only
};

// Kd = -1 / slope. Throws DivisionByZero for a slope of 0 and Overflow
// when the quotient is out of range.
double KdOfSlope(double slope);

// The interval by its first matching case: both slope bounds negative
// (finite), only the lower one negative with a negative slope (open above),
// otherwise invalid. Throws Overflow when a bound is out of range.
KdInterval KdConfidenceInterval(double slope, double seSlope, double t);

// The texts of the output labels: numbers in "#####0.0###", the interval
// as "low unit < Kd < high unit", "low unit < Kd < plus infinite" or
// "Invalid".
QString OutputNumberText(double value);
QString KdIntervalText(const KdInterval &interval, const QString &unit);

} // namespace modStatistics
