#pragma once

class frmDynVornish;

// The checks the wizard's time boxes make while the user types and when
// the focus leaves them.
namespace WizardChecks {

// End time typed: offer a recording interval of about a fiftieth of it,
// until the user types one of their own.
void suggestRecordingInterval(frmDynVornish &wizard);

// Recording interval typed: it must be a number; no more suggestions.
void recordingIntervalTyped(frmDynVornish &wizard);

// Focus left a time box holding no positive number: warn, at most three
// times per box, and bring the user back to it.
void checkEndTime(frmDynVornish &wizard);
void checkRecordingInterval(frmDynVornish &wizard);

} // namespace WizardChecks
