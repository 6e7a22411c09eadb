#pragma once

#include "dynamic/AccuracyCheck.h"

#include <optional>

// The kinetics of a run the wizard makes: checked against the exact time
// course while the engine runs, kept for the summary window and the graph,
// and the user told in plain words when the run is further from the exact
// time course than its precision, or too coarse to show an approach.
namespace modKinetics {

class RunKinetics
{
public:
    // Forgets the kinetics of the previous run, whose file is about to go.
    explicit RunKinetics(const modVornish::SimulationInput &input);

    void add(const modVornish::ResultRecord &sample) { m_check.add(sample); }

    // After the engine's last sample: the report is kept and shown. A run
    // stopped before its end time gives the time of its last sample.
    void runEnded(std::optional<double> stoppedAt = std::nullopt);
    // After a fault ended the run: the summary says so, and where (a
    // negative time: before the first sample).
    void runFailed(const QString &message, double lastSampleTime);

    // The findings of the check, if any, in one message.
    void tellUser() const;

private:
    void keep(KineticsReport report);

    AccuracyCheck m_check;
};

} // namespace modKinetics
