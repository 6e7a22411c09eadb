#include "DynamicTesting.h"
#include "TestMain.h"

#include "dynamic/EulerStep.h"
#include "dynamic/SimulationEngine.h"
#include "platform/RuntimeFault.h"

#include <cmath>

using namespace modVornish;

using namespace DynamicTesting;

namespace {

bool near(double a, double b, double scale = 1e-9)
{
    return std::fabs(a - b) <= 1e-12 * scale;
}

bool sameState(const ResultRecord &a, const ResultRecord &b)
{
    return a.time == b.time && a.A == b.A && a.B == b.B && a.AB == b.AB;
}

// The steps of the first and of the tenth interval, read back from a pure
// dissociation: each step multiplies [A/B] by (1 - step * kDiss).
QList<int> stepsPerInterval(float factor, double interval)
{
    SimulationInput in = bindingRun(0, 0, 1.0, 0, 0.01 / interval, 10 * interval, interval);
    in.precisionFactor = factor;
    const QList<ResultRecord> s = run(in);
    const double perStep = std::log(1.0 - static_cast<double>(factor) * interval * in.kDiss);
    return {int(std::lround(std::log(s[1].AB / s[0].AB) / perStep)),
            int(std::lround(std::log(s[10].AB / s[9].AB) / perStep))};
}

} // namespace

class SimulationEngineTest : public QObject
{
    Q_OBJECT

private slots:
    // Samples at each multiple of the interval up to the first not below
    // the end time; an end time of 0 gives the start alone; nothing present
    // stays nothing.
    void sampleTimesEndAtTheFirstMultipleNotBelowTheEndTime()
    {
        QCOMPARE(timesOf(run(tenSecondsEveryThree())), (QList<double>{0, 3, 6, 9, 12}));

        SimulationInput atZero = tenSecondsEveryThree();
        atZero.endTime = 0.0;
        atZero.recordingInterval = 0.0; // nothing to run, so nothing to refuse
        atZero.precisionFactor = 0.0f;
        const QList<ResultRecord> one = run(atZero);
        QCOMPARE(timesOf(one), (QList<double>{0}));
        QCOMPARE(one[0].A, 1e-9);
        QVERIFY(near(one[0].rAB, 1e6 * 1e-9 * 2e-9 - 0.5e-9 * 1e-3, 1e-12));

        SimulationInput empty = tenSecondsEveryThree();
        empty.initialA = empty.initialB = empty.initialAB = 0.0;
        for (const ResultRecord &r : run(empty))
            for (double v : {r.A, r.rA, r.B, r.rB, r.AB, r.rAB})
                QCOMPARE(v, 0.0);
    }

    void stepCountsFollowTheSinglePrecisionFactors_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("steps");
        QTest::newRow("5 %") << 0 << 20;
        QTest::newRow("1 %") << 1 << 101;
        QTest::newRow("0.2 %") << 2 << 500;
        QTest::newRow("0.05 %") << 3 << 2000;
        QTest::newRow("0.01 %") << 4 << 10001;
    }

    void stepCountsFollowTheSinglePrecisionFactors()
    {
        QFETCH(int, index);
        QFETCH(int, steps);
        for (double interval : {0.5, 1.0, 2.0})
            QCOMPARE(stepsPerInterval(PrecisionFactor(index), interval), (QList<int>{steps, steps}));
    }

    void aStepThatWouldUseUpASpeciesLeavesAThousandth()
    {
        // One step of the main reaction would bind far more than all of A.
        const ReactionConstants k{1e9, 0.0};
        const Species w{1.0, 10.0, 0.0, 0.0, 0.0};
        const Species inc = MainReactionIncrements(w, 0.05, k);
        QCOMPARE(inc.A, -0.999);
        QCOMPARE(inc.B, -0.999);
        QCOMPARE(inc.AB, 0.999);

        // Over a whole interval A falls by a thousandth per step, and what
        // leaves A leaves B and joins [A/B].
        const ResultRecord last = run(bindingRun(1.0, 10.0, 0, 1e9, 0, 1.0, 1.0)).last();
        QVERIFY(std::fabs(last.A / 1e-60 - 1.0) < 1e-9);
        QVERIFY(near(last.A + last.AB, 1.0, 1.0));
        QVERIFY(near(last.B + last.AB, 10.0, 10.0));
        QVERIFY(last.rA < 0.0 && last.rA == last.rB && last.rAB == -last.rA);
    }

    // With the competitor, matter is kept whichever floor fires:
    // A + [A/B], B + [A/B] + [Cp/B] and Cp + [Cp/B] do not change, and
    // nothing falls to or below zero that was above it.
    void competitorFloorsKeepMatter()
    {
        const ReactionConstants k{1e9, 1.0};
        // B, Cp, [Cp/B]: both consume B, to its floor; the competitor
        // consumes all of itself; its complex dissociates; nothing left.
        const double cases[][3] = {{1.0, 5.0, 0.0}, {100.0, 1.0, 0.0}, {1.0, 0.0, 1e12}, {0.0, 0.0, 0.0}};
        for (const auto &[B, Cp, CpB] : cases) {
            const Species w{5.0, B, 1.0, Cp, CpB};
            const Species inc = StepIncrements(w, 0.05, k, true);
            QVERIFY(near(inc.A + inc.AB, 0.0, 1.0));
            QVERIFY(near(inc.B + inc.AB + inc.CpB, 0.0, 1.0 + CpB));
            QVERIFY(near(inc.Cp + inc.CpB, 0.0, 1.0 + CpB));
            for (auto [amount, change] :
                 {std::pair{w.A, inc.A}, {w.B, inc.B}, {w.AB, inc.AB}, {w.Cp, inc.Cp}, {w.CpB, inc.CpB}})
                QVERIFY(amount == 0.0 ? change >= 0.0 : amount + change > 0.0);
        }

        // A (1 M) and the competitor (5 M) would each bind more than the 1 M
        // of B present; the 0.999 M that may go is shared 1 : 5.
        const Species step = StepIncrements({1.0, 1.0, 0.0, 5.0, 0.0}, 0.05, {1e9, 0.0}, true);
        QVERIFY(near(step.B, -0.999, 1.0));
        QVERIFY(near(step.AB, 0.999 / 6, 1.0));
        QVERIFY(near(step.CpB, 0.999 * 5 / 6, 1.0));
    }

    void eventsFireWithSamplesBeforeAndAfter()
    {
        SimulationInput in = tenSecondsEveryThree();
        in.events = {{4.0, 1e-9, EventTarget::A},
                     {4.0, -5e-9, EventTarget::B},
                     {4.0, 0.0, EventTarget::None},
                     {100.0, 1e-9, EventTarget::AB}};
        const QList<ResultRecord> s = run(in);
        // Step times of the second interval are 3 + n * 0.15; the first at or
        // after 4 s is 3 + 7 steps. The three events take three steps.
        QCOMPARE(s.size(), 5 + 6);
        QCOMPARE(s[1].time, 3.0);
        const double step = double(PrecisionFactor(0)) * 3.0;
        QCOMPARE(s[2].time, 3.0 + 7 * step);
        QCOMPARE(s[4].time, s[2].time + step);
        QCOMPARE(s[6].time, s[4].time + step);
        QCOMPARE(s[8].time, 6.0);

        // Event 1 adds exactly its change to A and nothing else.
        QCOMPARE(s[3].A, s[2].A + 1e-9);
        QCOMPARE(s[3].B, s[2].B);
        QVERIFY(!sameState(s[3], s[4])); // one step between the two events
        // Event 2 removes more B than present: B is exactly 0.
        QCOMPARE(s[5].B, 0.0);
        QCOMPARE(s[5].A, s[4].A);
        // The empty target fires and writes two samples of the same state.
        QVERIFY(sameState(s[6], s[7]));
        QCOMPARE(s[6].rAB, s[7].rAB);

        // Between events A + [A/B] and B + [A/B] stay as they were; an event
        // changes them by what it really adds or removes.
        const double totalA = s[3].A + s[3].AB;
        const double totalB = s[5].B + s[5].AB;
        QCOMPARE(totalB, s[4].AB);
        for (int i = 4; i < s.size(); ++i)
            QVERIFY(near(s[i].A + s[i].AB, totalA));
        for (int i = 6; i < s.size(); ++i)
            QVERIFY(near(s[i].B + s[i].AB, totalB));

        // An event at time 0 fires in the first step: three samples at 0.
        in.events = {{0.0, 1e-9, EventTarget::AB}};
        QCOMPARE(timesOf(run(in)).mid(0, 4), (QList<double>{0, 0, 0, 3}));
    }

    // An event's step goes on from the state just after the event, by the
    // ordinary rule: when it is the last step of an interval, the interval's
    // recorded rates are the rates at the perturbed state.
    void theStepOfAnEventStartsFromThePerturbedState()
    {
        SimulationInput in = tenSecondsEveryThree();
        in.recordingInterval = 1.0;
        in.endTime = 1.0;
        const double step = double(PrecisionFactor(0));
        in.events = {{19 * step - 1e-9, 3e-9, EventTarget::B}}; // the 20th and last step
        const QList<ResultRecord> s = run(in);
        QCOMPARE(s.size(), 4);
        const ResultRecord after = s[2];
        const ResultRecord sample = s[3];
        QVERIFY(std::fabs(sample.rAB / after.rAB - 1.0) < 1e-12);
        QVERIFY(near(sample.AB, after.AB + step * after.rAB, 1e-12));
    }

    void theCompetitorTakesBFromTheNextStepOn()
    {
        SimulationInput plain = tenSecondsEveryThree();
        plain.endTime = 30.0;
        plain.events = {{4.0, 0.0, EventTarget::None}};
        SimulationInput challenged = plain;
        challenged.competitorChallenge = true;
        challenged.events = {{4.0, -50e-9, EventTarget::A}};

        const QList<ResultRecord> p = run(plain);
        const QList<ResultRecord> c = run(challenged);
        QCOMPARE(p.size(), c.size());
        // Event 1 adds the competitor (at |change|) and leaves A as it was.
        QVERIFY(sameState(c[2], c[3]));
        QVERIFY(sameState(p[2], c[2]));
        // From then on the competitor binds B away from A.
        QVERIFY(c[4].B < p[4].B);
        QVERIFY(c.last().AB < p.last().AB);
        // Mass balance of A, of the competitor and of B; no competitor before it is added.
        const double totalA = c[3].A + c[3].AB, totalB = c[3].B + c[3].AB;
        QCOMPARE(c[2].C + c[2].CB, 0.0);
        for (int i = 4; i < c.size(); ++i) {
            QVERIFY(near(c[i].A + c[i].AB, totalA));
            QVERIFY(near(c[i].C + c[i].CB, 50e-9, 50e-9));
            QVERIFY(near(c[i].B + c[i].AB + c[i].CB, totalB, 50e-9));
            QVERIFY(c[i].B > 0.0);
        }
    }

    void progressAndYieldsOncePerIntervalAndEvent()
    {
        SimulationInput in = tenSecondsEveryThree();
        in.events = {{4.0, 1e-9, EventTarget::A}};
        QList<float> reported;
        int yields = 0;
        RunSimulation(in, [](const ResultRecord &) {}, {[&](float t) { reported.append(t); }, [&] { ++yields; }});
        QCOMPARE(reported, (QList<float>{0, 3, 6, 9}));
        QCOMPARE(yields, 4 + 1);

        // A stop asked at the event (during the interval from 3 to 6 s)
        // ends the run with the sample at 6 s.
        QList<double> times;
        bool stop = false;
        yields = 0;
        RunSimulation(in, [&](const ResultRecord &r) { times.append(r.time); },
                      {{}, [&] { stop = stop || ++yields == 3; }, [&] { return stop; }});
        QCOMPARE(times.size(), 5); // 0, 3, the event's two at 4 s, 6
        QCOMPARE(times.last(), 6.0);
    }

    // Input that would never end is refused before any sample; values that
    // overflow stop the run before they reach the sink.
    void inputThatCannotRunStopsBeforeTheSink()
    {
        SimulationInput noInterval = tenSecondsEveryThree();
        noInterval.recordingInterval = 0.0;
        SimulationInput noPrecision = tenSecondsEveryThree();
        noPrecision.precisionFactor = PrecisionFactor(-1);
        SimulationInput overflowing = tenSecondsEveryThree();
        overflowing.initialAB = 1e300;
        overflowing.kDiss = 1e300;
        QVERIFY(SimulationInputRefusal(tenSecondsEveryThree()).isEmpty());
        QVERIFY(!SimulationInputRefusal(noInterval).isEmpty());
        QVERIFY(!SimulationInputRefusal(noPrecision).isEmpty());
        const std::pair<SimulationInput, int> cases[] = {{noInterval, RuntimeFault::InvalidProcedureCall},
                                                         {noPrecision, RuntimeFault::InvalidProcedureCall},
                                                         {overflowing, RuntimeFault::Overflow}};
        for (const auto &[in, fault] : cases) {
            int samples = 0;
            QCOMPARE(faultNumberOf([&] { RunSimulation(in, [&](const ResultRecord &) { ++samples; }); }), fault);
            QCOMPARE(samples, 0);
        }
    }
};

VORNISH_TEST(SimulationEngineTest)

#include "tst_simulation_engine.moc"
