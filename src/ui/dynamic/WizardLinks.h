#pragma once

#include <QRect>
#include <QString>

// What the wizard asks of the windows around it: the main window's
// progress bar, the waiting window and the Options window. The main window
// provides these; each call does nothing when that window does not exist.
namespace WizardLinks {

// The progress bar on a scale of the caller's choosing (0 to 1, then 0 to
// the end time): shown, moved along, and hidden at its minimum.
void showProgress(double minimum, double maximum, double value);
void setProgress(double value);
void hideProgress();

// The waiting window with its turning arrow, placed clear of keepClear
// (the wizard's frame).
void startWaiting(const QRect &keepClear);
void stopWaiting();
// True once the user asked, in the waiting window, for the run to stop.
bool waitingCancelled();

// The Options window on one of its tabs.
void showOptions(int tabIndex);

// The time unit the wizard set is the program's: the Options window's
// time choice follows it.
void showTimeUnitInOptions(const QString &abbreviation);

// The wizard's time axis is linear: the Options window's X headings and
// tips say so while the wizard is active.
void showLinearTimeAxisInOptions();

// Whether the Options window asks for the results table after a run.
bool showTableChecked();

} // namespace WizardLinks
