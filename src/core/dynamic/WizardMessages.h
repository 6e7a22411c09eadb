#pragma once

#include <QString>

// The texts of the Dynamic Equilibrium Wizard's refusals at Finish, title
// "Input Error" unless noted; the wizard shows them in boxes, the command
// line on one line.
namespace modVornish {

QString InitialConcentrationsMissingText();
QString RateConstantsMissingText();
// The conflict of three rate constants, without the wizard's question.
QString RateConstantsConflictText();
// The wizard's question: the conflict text and whether to use the computed Kd.
QString RateConstantsConflictQuestion();
QString EndTimeMissingText();
QString RecordingIntervalMissingText();
// Title "Input error".
QString NonValidEventsText();

} // namespace modVornish
