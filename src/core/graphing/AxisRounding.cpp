#include "graphing/AxisRounding.h"

#include <cmath>

namespace modPlot_Graph {
namespace {

// A band of values, strictly between its bounds, with its rounding step.
// Steps below 1 are applied as a multiplication by their inverse, so that
// 0.3 stays a multiple of 0.1 in binary arithmetic.
struct Band
{
    double low, high, step;
};

const Band *bandOf(double value)
{
    static const Band bands[] = {
        {1000, 10000, 100},   {100, 1000, 10},         {1, 100, 1}, {0.1, 1, 0.1}, {0.01, 0.1, 0.01},
        {0.001, 0.01, 0.001}, {0.0001, 0.001, 0.0001},
    };
    for (const Band &band : bands) {
        if (value > band.low && value < band.high)
            return &band;
    }
    return nullptr;
}

double multipleAtOrBelow(double value, const Band &band)
{
    if (band.step >= 1)
        return band.step * std::floor(value / band.step);
    const double perUnit = std::round(1 / band.step);
    return std::floor(perUnit * value) / perUnit;
}

} // namespace

void RoundUpAxisMaximum(double &value)
{
    if (value < 0) {
        double mirrored = -value;
        RoundDownAxisMinimum(mirrored);
        value = -mirrored;
        return;
    }
    if (const Band *band = bandOf(value)) {
        const double below = multipleAtOrBelow(value, *band);
        if (below != value)
            value = below + band->step;
    }
}

void RoundDownAxisMinimum(double &value)
{
    if (value < 0) {
        double mirrored = -value;
        RoundUpAxisMaximum(mirrored);
        value = -mirrored;
        return;
    }
    if (const Band *band = bandOf(value))
        value = multipleAtOrBelow(value, *band);
}

} // namespace modPlot_Graph
