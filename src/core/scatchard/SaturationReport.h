#pragma once

#include "fitting/ReplicateTable.h"
#include "printing/ReportDetails.h"
#include "scatchard/SaturationModels.h"

// What the report prints of the Saturation Binding window after its list:
// the data (each row's mean and SD beside its replicates), each fit's
// parameters with SE and intervals, the model comparison, and the runs and
// replicates tests with the warnings.
namespace modStatistics {

struct SaturationReportInput
{
    Fitting::ReplicateTable binding, nonspecific; // as fitted
    std::vector<SaturationModelFit> fits;         // the chosen model first
    SaturationVerdict verdict;                    // when two models were fitted
};

QList<ReportSection> SaturationReportSections(const SaturationReportInput &input);

// The runs test of a fit's residuals and the replicates test, as a label
// ("Runs test:") and its result each, for the report and the window.
QList<QStringList> SaturationTestRows(const SaturationModelFit &fit);

} // namespace modStatistics
