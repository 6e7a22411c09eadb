#pragma once

#include "dynamic/ResultsStore.h"
#include "dynamic/SimulationEngine.h"

// The wizard's use of the results file: recreated before a run, filled by
// the run, plotted after it, browsed when the Options window asks for it.
namespace WizardResults {

void recreateResultsFile();

// Takes the samples of one run into the results file.
class Recorder
{
public:
    Recorder();
    modVornish::RecordSink sink();
    // Everything given to the sink is in the file.
    void finish();

private:
    modVornish::ResultsAppender m_appender;
};

// The plot hand-over after a run (X from 0 to the end time in seconds) and
// of the stored run without simulating.
void plotResults(double endTime);
void plotStoredResults();

// The results browser on table A.
void showResultsBrowser();

} // namespace WizardResults
