#include "dynamic/WizardChecks.h"

#include "dynamic/WizardInputRules.h"
#include "dynamic/frmDynVornish.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <QLabel>
#include <QLineEdit>

namespace WizardChecks {
namespace {

constexpr int warningLimit = 3;

// An empty box, a text that is no number and 0 all count as zero; a number
// too large to hold is left for Finish to report.
bool isZeroEntry(const QString &text)
{
    try {
        return modVornish::PositiveValue(text) == 0;
    } catch (const RuntimeFault &) {
        return false;
    }
}

void inputError(const QString &text)
{
    Messages::show(text, Messages::Buttons::Ok, Messages::Icon::Exclamation, QStringLiteral("Input Error"));
}

void backToStep2(frmDynVornish &wizard, QLineEdit *box)
{
    wizard.showInFront();
    wizard.ShowStep(1);
    box->setFocus(Qt::OtherFocusReason);
}

} // namespace

void suggestRecordingInterval(frmDynVornish &wizard)
{
    const QString text = wizard.txtEndTime->text();
    if (wizard.recordingIntervalManual || modVornish::IsIncompleteNumber(text))
        return;
    try {
        const double suggestion = modVornish::SuggestRecordingInterval(NumberText::numericValue(text));
        wizard.txtRecordingInterval->setText(NumberText::generalText(suggestion));
    } catch (const RuntimeFault &) {
        inputError(QStringLiteral("Enter a numeric value for the Simulation Time Window"));
    }
}

void recordingIntervalTyped(frmDynVornish &wizard)
{
    const QString text = wizard.txtRecordingInterval->text();
    if (!modVornish::IsIncompleteNumber(text) && !NumberText::isNumeric(text))
        inputError(QStringLiteral("Enter a numeric value for the Recording Interval"));
    wizard.recordingIntervalManual = true;
}

void checkEndTime(frmDynVornish &wizard)
{
    if (!isZeroEntry(wizard.txtEndTime->text()) || wizard.endTimeWarnings >= warningLimit)
        return;
    inputError(QStringLiteral("Enter a positive ( >0 ) numeric value for the Simulation time window"));
    ++wizard.endTimeWarnings;
    backToStep2(wizard, wizard.txtEndTime);
}

void checkRecordingInterval(frmDynVornish &wizard)
{
    if (isZeroEntry(wizard.txtEndTime->text()) || !isZeroEntry(wizard.txtRecordingInterval->text())
        || wizard.recordingIntervalWarnings >= warningLimit)
        return;
    inputError(QStringLiteral("Enter a positive ( >0 ) numeric value for the Recording interval"));
    ++wizard.recordingIntervalWarnings;
    backToStep2(wizard, wizard.txtRecordingInterval);
}

} // namespace WizardChecks
