#pragma once

#include "dynamic/SimulationEngine.h"

#include <QString>

#include <functional>

// One way to run a simulation into a results file, for the wizard and the
// command line alike. The file is written in place: it is recreated empty at
// the start (a file already at the path goes), and the samples are committed
// as they come, at least once a second. So a kill loses at most the last
// second of samples and leaves a database that "Use existing simulation
// data" opens; a run that ends by a fault (an overflow, a full disk) keeps
// every whole sample appended before it; a stopped run keeps what it reached.
namespace modVornish {

struct SimulationIntoFileSinks
{
    // Once the fresh file is ready, before the first sample.
    std::function<void()> fileReady;
    // Each sample after it has been appended to the file.
    RecordSink sample;
    ProgressSink progress;
};

// How a run into a file ended.
struct SimulationIntoFileOutcome
{
    double reached = 0.0; // time of the last sample (s)
    bool stopped = false; // the progress sink asked to stop before the end
};

// Throws RuntimeFault as RunSimulation does, and for a file that cannot be
// recreated or written; the connection to the file stays open afterwards
// (ReleaseResultsFile lets go of it).
SimulationIntoFileOutcome RunSimulationIntoFile(const SimulationInput &input, const QString &path,
                                                const SimulationIntoFileSinks &sinks = {});

} // namespace modVornish
