#include "dynamic/SimulationIntoFile.h"

#include "dynamic/ResultsStore.h"
#include "platform/RuntimeFault.h"

namespace modVornish {

SimulationIntoFileOutcome RunSimulationIntoFile(const SimulationInput &input, const QString &path,
                                                const SimulationIntoFileSinks &sinks)
{
    // Input that cannot be run leaves the earlier file alone.
    if (!SimulationInputRefusal(input).isEmpty())
        throw RuntimeFault(RuntimeFault::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"));
    ResetResultsDatabase(path, input.competitorChallenge);
    if (sinks.fileReady)
        sinks.fileReady();
    SimulationIntoFileOutcome outcome;
    ResultsAppender appender(path);
    RunSimulation(
        input,
        [&](const ResultRecord &r) {
            appender.AppendResultRecord(r);
            outcome.reached = r.time;
            if (sinks.sample)
                sinks.sample(r);
        },
        sinks.progress);
    appender.finish();
    // A whole run ends at or beyond its end time.
    outcome.stopped = outcome.reached < input.endTime;
    return outcome;
}

} // namespace modVornish
