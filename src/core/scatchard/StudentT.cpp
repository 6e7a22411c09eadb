#include "scatchard/StudentT.h"

#include "fitting/StudentQuantile.h"

namespace modStatistics {
namespace {

constexpr int TableRows = 20;

} // namespace

void StudentT(double alpha, int n, double &t)
{
    // The table's values are used as listed (four decimals), not computed.
    static const double table[] = {12.7062, 4.3027, 3.1824, 2.7764, 2.5706, 2.4469, 2.3646, 2.306,  2.2622, 2.2281,
                                   2.201,   2.1788, 2.1604, 2.1448, 2.1315, 2.1199, 2.1098, 2.1009, 2.093,  2.086};
    const int df = n - 2;
    if (alpha != 0.025 || df <= 0)
        return;
    t = df <= TableRows ? table[df - 1] : 1.96;
}

double ScatchardStudentT(int n)
{
    const int df = n - 2;
    if (df > TableRows)
        return Fitting::TwoSidedStudentT(0.95, df);
    double t = 0;
    StudentT(0.025, n, t);
    return t;
}

} // namespace modStatistics
