#pragma once

#include <QString>

// Fixed texts of the Options window that more than one place writes.
namespace OptionsTexts {

QString clearPrevGraph();
// The row headings over the min, max and tick fields.
QString linearScaleHeading();
QString logScaleHeading();
QString logLimitTip();
QString logTickTip();
QString superimposeQuestion();
QString changedSettingsQuestion();

} // namespace OptionsTexts
