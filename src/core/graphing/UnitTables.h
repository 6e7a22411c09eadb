#pragma once

#include <QString>

// The four concentration units and four time units the preferences offer,
// and the texts each puts into the tool windows.
namespace modVnPublic {

struct ConcentrationUnitEntry
{
    QString unit;     // "µM"
    double factor;    // molar per unit
    QString longText; // "µM (1E-06 Molar)"
};

struct TimeUnitEntry
{
    QString unit;  // "min."
    float factor;  // seconds per unit
    int listIndex; // in the Dynamic Equilibrium Tool's time list
    QString label; // "minutes"
};

// Null for a unit name that is not one of the four.
const ConcentrationUnitEntry *FindConcentrationUnit(const QString &unit);
const TimeUnitEntry *FindTimeUnit(const QString &unit);

// The texts a change of concentration unit writes into the tool windows.
struct ConcentrationUnitTexts
{
    QString unit;           // "µM"
    QString scatchardLabel; // frmScatchard lblUnit: "(in µM )"
    QString longText;       // frmScatchTlAssistant lblUnits: "µM (1E-06 Molar)"
    QString dynamicLabel;   // frmDynVornish lblConcentrationUnit(0) and (1): "(µM)"
};
ConcentrationUnitTexts UnitTextsFor(const ConcentrationUnitEntry &entry);

// A shown concentration text rescaled by ratio (old factor / new factor,
// single precision) and formatted for its new magnitude. Text that is not
// a number, or a result out of range, comes back unchanged.
QString RescaledConcentrationText(const QString &text, float ratio);

} // namespace modVnPublic
