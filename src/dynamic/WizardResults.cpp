#include "dynamic/WizardResults.h"

#include "dynamic/DynamicResults.h"
#include "dynamic/ResultsPlot.h"
#include "dynamic/WizardLinks.h"

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

void plotResults(double endTime)
{
    modVornish::PlotSimulationResults(endTime, [](double value) { WizardLinks::setProgress(value); });
}

void plotStoredResults()
{
    modVornish::PlotStoredResults([](double value) { WizardLinks::setProgress(value); });
}

void showResultsBrowser() { modVornish::ShowResultsBrowser(); }

} // namespace WizardResults
