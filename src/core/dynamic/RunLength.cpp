#include "dynamic/RunLength.h"

#include <cmath>

namespace modVornish {

double RecordingIntervalCount(const SimulationInput &input)
{
    if (!(input.endTime > 0.0) || !(input.recordingInterval > 0.0))
        return 0.0;
    return std::ceil(input.endTime / input.recordingInterval);
}

QString RunLengthRefusal(const SimulationInput &input, double maxIntervals)
{
    const double count = RecordingIntervalCount(input);
    if (count <= maxIntervals)
        return QString();
    return QStringLiteral("The simulation would take %1 recording intervals, more than the %2 allowed. Choose a "
                          "longer recording interval or an earlier end time.")
        .arg(count, 0, 'g', 15)
        .arg(maxIntervals, 0, 'g', 15);
}

} // namespace modVornish
