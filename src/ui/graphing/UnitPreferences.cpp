#include "graphing/UnitPreferences.h"

#include "graphing/UnitDisplays.h"
#include "session/Session.h"

namespace modVnPublic {

void ConvertDisplayedConcentrations(float ratio)
{
    const RescaleText rescale = [ratio](const QString &text) { return RescaledConcentrationText(text, ratio); };
    for (UnitDisplayWindow window :
         {UnitDisplayWindow::Equilibrium, UnitDisplayWindow::Dynamic, UnitDisplayWindow::Scatchard,
          UnitDisplayWindow::Competition, UnitDisplayWindow::Planner}) {
        if (const auto &convert = GetUnitDisplay(window).rescaleConcentrations)
            convert(rescale);
    }
}

void ShowConcentrationUnit(const QString &unit, const QString &scatchardLabel)
{
    const ConcentrationUnitEntry *entry = FindConcentrationUnit(unit);
    if (!entry)
        return;
    ConcentrationUnitTexts texts = UnitTextsFor(*entry);
    if (!scatchardLabel.isEmpty())
        texts.scatchardLabel = scatchardLabel;
    for (UnitDisplayWindow window :
         {UnitDisplayWindow::Equilibrium, UnitDisplayWindow::Dynamic, UnitDisplayWindow::Scatchard,
          UnitDisplayWindow::Competition, UnitDisplayWindow::Planner}) {
        if (const auto &show = GetUnitDisplay(window).showConcentrationUnit)
            show(texts);
    }
}

void SetConcentrationUnit(const QString &unit)
{
    const ConcentrationUnitEntry *entry = FindConcentrationUnit(unit);
    if (!entry)
        return;
    // The ratio is single precision, as the shown values always were.
    const float ratio = float(Session::current().concentrationFactor() / entry->factor);
    ConvertDisplayedConcentrations(ratio);
    Session::current().setConcentrationUnit(entry->unit, entry->factor);
    ShowConcentrationUnit(entry->unit);
    Session::current().setSettingsChanged(true);
}

void SetTimeUnit(const QString &unit)
{
    const TimeUnitEntry *entry = FindTimeUnit(unit);
    if (!entry)
        return;
    Session::current().setTimeUnit(entry->unit, entry->factor);
    if (const auto &show = GetUnitDisplay(UnitDisplayWindow::Dynamic).showTimeUnit)
        show(entry->listIndex, entry->label);
    Session::current().setSettingsChanged(true);
}

} // namespace modVnPublic
