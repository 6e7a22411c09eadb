#include "TestFixture.h"

#include "dynamic/SimulationEngine.h"
#include "platform/RuntimeFault.h"

#include <cmath>

using namespace modVornish;

namespace {

SimulationInput baseInput()
{
    SimulationInput in;
    in.initialA = 1e-9;
    in.initialB = 2e-9;
    in.initialAB = 0.5e-9;
    in.kAss = 1e6;
    in.kDiss = 1e-3;
    in.endTime = 10.0;
    in.recordingInterval = 3.0;
    in.precisionFactor = PrecisionFactor(0);
    return in;
}

QList<ResultRecord> run(const SimulationInput &in)
{
    QList<ResultRecord> samples;
    RunSimulation(in, [&](const ResultRecord &r) { samples.append(r); });
    return samples;
}

QList<double> timesOf(const QList<ResultRecord> &samples)
{
    QList<double> times;
    for (const ResultRecord &r : samples)
        times.append(r.time);
    return times;
}

bool nearlyEqual(double a, double b, double scale)
{
    return std::fabs(a - b) <= 1e-12 * scale;
}

} // namespace

class SimulationEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void ratesFollowTheTwoFluxes()
    {
        double rA = 0, rB = 0, rAB = 0;
        ComputeRates(2.0, 3.0, 4.0, 5.0, 0.5, rA, rB, rAB);
        QCOMPARE(rA, 2.0 - 30.0);
        QCOMPARE(rB, rA);
        QCOMPARE(rAB, 28.0);
    }

    void sampleTimesEndAtTheFirstMultipleNotBelowTheEndTime()
    {
        QCOMPARE(timesOf(run(baseInput())), (QList<double>{0, 3, 6, 9, 12}));

        SimulationInput at0 = baseInput();
        at0.endTime = 0.0;
        at0.recordingInterval = 0.0; // nothing to run, so nothing to refuse
        at0.precisionFactor = 0.0f;
        QCOMPARE(timesOf(run(at0)), (QList<double>{0}));
    }
};

VORNISH_TEST_MAIN(SimulationEngineTest)
#include "tst_simulation_engine.moc"
