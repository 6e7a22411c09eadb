#pragma once

#include <QString>

namespace modPlot_Graph {

// The format pattern of a tick label for value, and its width class (1 to
// 8), which sets how far the label stands from its tick.
void ChooseTickFormat(double value, QString &format, short &widthClass);

// The tick distance of an axis ("x" or "y") over min..max. A filled
// manualTick text gives its leading number (0 when it has none). Otherwise
// X ticks divide the range in 8, 6, 5 or 4 steps by the width class of the
// labels, and Y ticks in 8. Any other axis leaves tick as it was.
void ComputeTickDistance(const QString &axis, double min, double max, double &tick,
                         const QString &manualTick = QString());

// On a decimal-log X axis ticks stand at whole decades: at least 1, and a
// fraction is raised to the next whole number.
double DecadeTickDistance(double tick);

} // namespace modPlot_Graph
