#pragma once

#include <QString>

namespace modPlot_Graph {

// The format pattern of a tick label for value, and its width class (1 to
// 8), which sets how far the label stands from its tick.
void ChooseTickFormat(double value, QString &format, short &widthClass);

// The tick distance of an axis ("x" or "y") over min..max. A filled
// manualTick text gives its leading number (0 when it has none). Otherwise
// X ticks divide the range in 8, 6, 5 or 4 steps by the width class of the
// labels, and Y ticks in 8; where the labels of those ticks would print
// another value than their tick's, the step is rounded up to
// RoundTickStep's. Any other axis leaves tick as it was.
void ComputeTickDistance(const QString &axis, double min, double max, double &tick,
                         const QString &manualTick = QString());

// The format and width class of a tick label at value on an axis spanning
// range: by the value, except that Y labels far larger than the range
// (60000 .. 60050) take the range's.
void ChooseTickLabelFormat(bool yAxis, double value, double range, QString &format, short &widthClass);

// A tick label that shows its tick's value: value in its format, or with as
// many more decimals as it takes where the format would print another
// value (16.875 stays "16.875", never "17"). step is the tick distance;
// the label reads back within a billionth of it. An empty format gives the
// general form.
QString TickLabelText(double value, const QString &format, double step);

// The tick after value, without the noise the additions accumulate: -0.3
// plus two ticks of 0.1 is -0.1 (not -0.0999...), plus three is 0.
double NextTickValue(double value, double tick);

// The round step at or above a distance: 1, 2, 2.5 or 5 x 10^n.
double RoundTickStep(double distance);

// On a decimal-log X axis ticks stand at whole decades: at least 1, and a
// fraction is raised to the next whole number.
double DecadeTickDistance(double tick);

} // namespace modPlot_Graph
