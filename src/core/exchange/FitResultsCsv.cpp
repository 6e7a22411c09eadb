#include "exchange/FitResultsCsv.h"

#include "exchange/CsvText.h"

#include <limits>

namespace FitResultsCsv {

std::string ParameterRows(const Fitting::FitResult &result)
{
    constexpr double none = std::numeric_limits<double>::quiet_NaN();
    std::string out = CsvText::record({QStringLiteral("Parameter"), QStringLiteral("Value"), QStringLiteral("SE"),
                                       QStringLiteral("Low"), QStringLiteral("High"), QStringLiteral("Unit")});
    for (const Fitting::ParameterEstimate &estimate : result.parameters) {
        const Fitting::ProfileInterval &profile = estimate.profile;
        double low = estimate.low, high = estimate.high;
        if (profile.computed) {
            low = profile.openBelow ? none : profile.low;
            high = profile.openAbove ? none : profile.high;
        }
        if (estimate.fixed)
            low = high = none;
        CsvText::appendField(out, estimate.name);
        for (const double v : {estimate.value, estimate.fixed ? none : estimate.se, low, high}) {
            out += ',';
            CsvText::appendNumber(out, v);
        }
        out += ',';
        CsvText::appendField(out, estimate.unit);
        CsvText::endRecord(out);
    }
    return out;
}

} // namespace FitResultsCsv
