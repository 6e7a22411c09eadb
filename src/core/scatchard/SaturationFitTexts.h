#pragma once

#include "fitting/FitTexts.h"
#include "scatchard/SaturationFit.h"

#include <QString>

// The fit's results and cases as the window and the command line show them.
namespace modStatistics {

using Fitting::FitNumberText;

// value, a blank, the unit name.
QString FitQuantityText(double value, const QString &unit);

// "low unit < name < high unit".
QString IntervalText(const QString &name, double low, double high, const QString &unit);

// The profile interval of Kd: finite, or "low unit < Kd < plus infinite".
QString ProfileIntervalText(const ProfileInterval &interval, const QString &unit);

// Why there is no fit, in words; empty for a fit.
QString FitOutcomeText(SaturationFit::Outcome outcome);

// The note of a profile interval that is open above.
QString OpenAboveText();

} // namespace modStatistics
