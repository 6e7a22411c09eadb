#pragma once

#include "dynamic/AccuracyCheck.h"

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

    // After the engine's last sample: the report is kept and shown.
    void runEnded();

    // The findings of the check, if any, in one message.
    void tellUser() const;

private:
    AccuracyCheck m_check;
};

} // namespace modKinetics
