#include "graphing/UnitTables.h"

#include "graphing/ChooseNumberFormat.h"
#include "platform/NumberText.h"

#include <cmath>

namespace modVnPublic {
namespace {

const ConcentrationUnitEntry concentrationUnits[] = {
    {QStringLiteral("M"), 1, QStringLiteral("M (Molar)")},
    {QStringLiteral("mM"), 1E-03, QStringLiteral("mM (1E-03 Molar)")},
    {QStringLiteral("\u00B5M"), 1E-06, QStringLiteral("\u00B5M (1E-06 Molar)")},
    {QStringLiteral("nM"), 1E-09, QStringLiteral("nM (1E-09 Molar)")},
};

const TimeUnitEntry timeUnits[] = {
    {QStringLiteral("ms"), 0.001f, 0, QStringLiteral("milliseconds (ms)")},
    {QStringLiteral("s"), 1.0f, 1, QStringLiteral("seconds (s)")},
    {QStringLiteral("min."), 60.0f, 2, QStringLiteral("minutes")},
    {QStringLiteral("hr."), 3600.0f, 3, QStringLiteral("hours")},
};

} // namespace

const ConcentrationUnitEntry *FindConcentrationUnit(const QString &unit)
{
    for (const ConcentrationUnitEntry &entry : concentrationUnits) {
        if (entry.unit == unit)
            return &entry;
    }
    return nullptr;
}

const TimeUnitEntry *FindTimeUnit(const QString &unit)
{
    for (const TimeUnitEntry &entry : timeUnits) {
        if (entry.unit == unit)
            return &entry;
    }
    return nullptr;
}

ConcentrationUnitTexts UnitTextsFor(const ConcentrationUnitEntry &entry)
{
    ConcentrationUnitTexts texts;
    texts.unit = entry.unit;
    texts.scatchardLabel = QStringLiteral("(in ") + entry.unit + QStringLiteral(" )");
    texts.longText = entry.longText;
    texts.dynamicLabel = QStringLiteral("(") + entry.unit + QStringLiteral(")");
    return texts;
}

QString RescaledConcentrationText(const QString &text, float ratio)
{
    if (!NumberText::isNumeric(text))
        return text;
    try {
        const double value = NumberText::numericValue(text) * double(ratio);
        if (!std::isfinite(value))
            return text;
        return modPlot_Graph::FormatConcentration(value);
    } catch (...) {
        return text;
    }
}

} // namespace modVnPublic
