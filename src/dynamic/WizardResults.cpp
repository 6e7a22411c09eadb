#include "dynamic/WizardResults.h"

#include "dynamic/DynamicResults.h"

namespace WizardResults {

void recreateResultsFile() { modVornish::ResetResultsFile(); }

Recorder::Recorder()
    : m_appender(modVornish::ResultsFilePath())
{
}

modVornish::RecordSink Recorder::sink()
{
    return [this](const modVornish::ResultRecord &record) { m_appender.AppendResultRecord(record); };
}

void Recorder::finish() { m_appender.finish(); }

// Joined to the plot hand-over when it arrives.
void plotResults(double) {}
void plotStoredResults() {}

void showResultsBrowser() { modVornish::ShowResultsBrowser(); }

} // namespace WizardResults
