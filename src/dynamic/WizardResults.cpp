#include "dynamic/WizardResults.h"

namespace WizardResults {

void recreateResultsFile() { modVornish::ResetResultsDatabase(modVornish::ResultsFilePath()); }

Recorder::Recorder()
    : m_appender(modVornish::ResultsFilePath())
{
}

modVornish::RecordSink Recorder::sink()
{
    return [this](const modVornish::ResultRecord &record) { m_appender.AppendResultRecord(record); };
}

void Recorder::finish() { m_appender.finish(); }

// Joined to the plot hand-over and the results browser when they arrive.
void plotResults(double) {}
void plotStoredResults() {}
void showResultsBrowser() {}

} // namespace WizardResults
