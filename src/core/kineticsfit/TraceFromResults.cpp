#include "kineticsfit/TraceFromResults.h"

#include "dynamic/ResultsReading.h"
#include "dynamic/ResultsStore.h"

namespace KineticsFit {

SimulatedTrace TraceFromResults(const QString &path, double concentrationFactor, double timeFactor)
{
    using namespace modVornish;
    SimulatedTrace simulated;
    double start[3] = {0.0, 0.0, 0.0};
    const ResultsTable tables[3] = {ResultsTable::A, ResultsTable::B, ResultsTable::AB};
    for (int i = 0; i < 3; ++i) {
        ResultsReader first(path, ResultsQuery(tables[i]), ConcentrationField);
        if (!first.next())
            return simulated;
        start[i] = first.value();
    }
    simulated.trace.concentration = (start[0] + start[2]) / concentrationFactor;
    simulated.totalB = (start[1] + start[2]) / concentrationFactor;
    Trace &trace = simulated.trace;
    ResultsReader complex(path, ResultsQuery(ResultsTable::AB), ConcentrationField);
    while (complex.next()) {
        const double time = complex.time() / timeFactor;
        if (!trace.time.empty() && !(time > trace.time.back())) {
            simulated.cutAtEvent = true;
            break;
        }
        trace.time.push_back(time);
        trace.signal.push_back(complex.value() / concentrationFactor);
    }
    return simulated;
}

} // namespace KineticsFit
