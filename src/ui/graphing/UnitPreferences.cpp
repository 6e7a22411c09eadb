#include "graphing/UnitPreferences.h"

#include "equilibrium/frmVornish.h"
#include "graphing/UnitDisplays.h"
#include "graphing/Units.h"
#include "graphing/frmOptions.h"
#include "shell/AppWindows.h"

#include <QLabel>
#include <QLineEdit>

namespace modVnPublic {
namespace {

void markSettingsChanged()
{
    if (frmOptions *options = appWindows().options)
        options->setSettingsChanged(QStringLiteral("1"));
}

} // namespace

void ConvertDisplayedConcentrations(float ratio)
{
    const RescaleText rescale = [ratio](const QString &text) { return RescaledConcentrationText(text, ratio); };
    if (frmVornish *vornish = appWindows().vornish) {
        for (QLineEdit *field : {vornish->txtA, vornish->txtA_tot, vornish->txtB, vornish->txtB_tot, vornish->txtAB,
                                 vornish->txtKd}) {
            const QString rescaled = rescale(field->text());
            if (rescaled != field->text())
                field->setText(rescaled);
        }
    }
    for (UnitDisplayWindow window : {UnitDisplayWindow::Dynamic, UnitDisplayWindow::Scatchard}) {
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
    if (frmVornish *vornish = appWindows().vornish)
        vornish->lblInputHeading->setText(frmVornish::InputHeading(unit));
    for (UnitDisplayWindow window : {UnitDisplayWindow::Dynamic, UnitDisplayWindow::Scatchard}) {
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
    const float ratio = float(ConcentrationFactor / entry->factor);
    ConvertDisplayedConcentrations(ratio);
    ConcentrationUnit = entry->unit;
    ConcentrationFactor = entry->factor;
    ShowConcentrationUnit(entry->unit);
    markSettingsChanged();
}

void SetTimeUnit(const QString &unit)
{
    const TimeUnitEntry *entry = FindTimeUnit(unit);
    if (!entry)
        return;
    TimeFactor = entry->factor;
    TimeUnit = entry->unit;
    if (const auto &show = GetUnitDisplay(UnitDisplayWindow::Dynamic).showTimeUnit)
        show(entry->listIndex, entry->label);
    markSettingsChanged();
}

} // namespace modVnPublic
