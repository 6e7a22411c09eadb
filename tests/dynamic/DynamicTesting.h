#pragma once

#include "TestFixture.h"

#include "dynamic/SimulationInput.h"

#include <QList>
#include <QPointF>

#include <functional>

// What the tests of the Dynamic Equilibrium Tool share: a small run, the
// results file read back through a connection of its own (so that what is
// checked is what a later program would find in the file), and faults.
namespace DynamicTesting {

// A run without events in molar and seconds at the given precision row.
modVornish::SimulationInput bindingRun(double A, double B, double AB, double kAss, double kDiss, double endTime,
                                       double interval, int precisionRow = 0);

// 1 nM A, 2 nM B, 0.5 nM [A/B], k_ass 1E+06, k_diss 1E-03, 10 s sampled
// every 3 s (samples at 0, 3, 6, 9 and 12 s) at the given precision row.
modVornish::SimulationInput tenSecondsEveryThree(int precisionIndex = 0);

// The samples the engine gives for input, without any file.
QList<modVornish::ResultRecord> run(const modVornish::SimulationInput &input);

// Runs input into a fresh results file; returns the samples given to it.
QList<modVornish::ResultRecord> runIntoResultsFile(const modVornish::SimulationInput &input);

struct StoredRow
{
    double time, concentration, rate;
};

// The rows of table "A", "B" or "AB" by the stored query text, in stored order.
QList<StoredRow> storedRows(const char *table);

// The rows of the three tables put together again as samples.
QList<modVornish::ResultRecord> storedSamples();

template <typename Row>
QList<double> timesOf(const QList<Row> &rows)
{
    QList<double> times;
    for (const Row &row : rows)
        times.append(row.time);
    return times;
}

// Where the graph window's curve was drawn, in twips: the dot's last
// point, then the end of each segment (a black line after its two light
// shadow lines).
QList<QPointF> curvePoints();

// The number of the RuntimeFault that action throws; 0 when it throws none.
int faultNumberOf(const std::function<void()> &action);

} // namespace DynamicTesting
