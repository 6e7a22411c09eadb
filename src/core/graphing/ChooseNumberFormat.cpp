#include "graphing/ChooseNumberFormat.h"

#include "platform/NumberText.h"

#include <cmath>

namespace modPlot_Graph {

QString ChooseNumberFormat(double value)
{
    const double magnitude = std::fabs(value);
    if (magnitude >= 10000)
        return QStringLiteral("Scientific");
    if (magnitude >= 100)
        return QStringLiteral("#####0.0#");
    if (magnitude >= 10)
        return QStringLiteral("###0.0##");
    if (magnitude >= 0.0001)
        return QStringLiteral("##0.0#####");
    if (magnitude == 0)
        return QStringLiteral("0");
    return QStringLiteral("Scientific");
}

QString FormatConcentration(double value)
{
    return NumberText::format(value, ChooseNumberFormat(value));
}

} // namespace modPlot_Graph
