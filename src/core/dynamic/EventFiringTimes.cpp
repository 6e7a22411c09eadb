#include "dynamic/EventFiringTimes.h"

#include <algorithm>
#include <limits>

namespace modKinetics {

std::vector<FiredEvent> EventFiringTimes(const modVornish::SimulationInput &input)
{
    std::vector<FiredEvent> fired;
    const std::vector<modVornish::ProgrammedEvent> &events = input.events;
    std::vector<bool> done(events.size(), false);
    const double interval = input.recordingInterval;
    const double delta = static_cast<double>(input.precisionFactor) * interval;
    if (!(interval > 0.0) || !(delta > 0.0))
        return fired;

    auto nextDue = [&] {
        double next = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < events.size(); ++i)
            if (!done[i])
                next = std::min(next, events[i].time);
        return next;
    };
    double next = nextDue();
    double t = 0.0;
    for (long long k = 0; t < input.endTime && next < std::numeric_limits<double>::infinity(); ++k) {
        const double intervalEnd = t + interval;
        if (!(intervalEnd > t) || !(intervalEnd + delta > intervalEnd))
            break; // the engine stops here with an overflow
        if (next <= intervalEnd) {
            for (double tau = t; tau <= intervalEnd; tau += delta) {
                if (tau < next)
                    continue;
                for (std::size_t i = 0; i < events.size(); ++i) {
                    if (!done[i] && events[i].time <= tau) {
                        done[i] = true;
                        fired.push_back({k, tau, static_cast<int>(i)});
                        break;
                    }
                }
                next = nextDue();
            }
        }
        t = intervalEnd;
    }
    return fired;
}

} // namespace modKinetics
