#pragma once

#include <QString>

// The preferred units of the tools and the texts and values they show.
namespace modVnPublic {

// Switches the concentration unit ("M", "mM", "µM", "nM"): every shown
// concentration is rescaled to it, the unit labels of the tool windows
// follow, and the settings-changed flag is set.
void SetConcentrationUnit(const QString &unit);

// Switches the time unit ("ms", "s", "min.", "hr."): the Dynamic
// Equilibrium Tool's time list and labels follow; no value is converted.
void SetTimeUnit(const QString &unit);

// Rescales the concentrations shown in the tool windows by ratio (old
// factor / new factor); unreadable texts are left as they are.
void ConvertDisplayedConcentrations(float ratio);

// Writes the unit labels of the tool windows; scatchardLabel replaces
// the Scatchard label's usual text when given.
void ShowConcentrationUnit(const QString &unit, const QString &scatchardLabel = QString());

} // namespace modVnPublic
