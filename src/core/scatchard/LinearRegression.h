#pragma once

#include <QString>

#include <vector>

namespace modStatistics {

// The least-squares line y = intercept + slope * x through n points.
struct LineFit
{
    double intercept = 0.0;
    double slope = 0.0;
    double seSlope = 0.0;    // standard error of the slope
    bool perfectFit = false; // the residual standard deviation is exactly 0
};

// Fits the line through the first n pairs (x[i], y[i]), n >= 3 (the grid
// holds at most 20, a data file of the command line any number). The sums
// are centred on the means and carried in double-double precision, so the
// results are the correctly rounded least-squares values of the doubles
// given, whatever their magnitude. Throws DivisionByZero when all x are
// equal (or n < 3) and Overflow when a result is out of range.
LineFit FitLine(int n, const std::vector<double> &x, const std::vector<double> &y);

// The perfect-fit message, title "Statistical analysis not necessary".
QString PerfectFitText();

// FitLine with its results written into the three outputs; on a perfect
// fit it shows "Statistical analysis not necessary" and returns normally.
void LinearRegression(quint8 n, const std::vector<double> &x, const std::vector<double> &y, double &intercept,
                      double &slope, double &seSlope);

} // namespace modStatistics
