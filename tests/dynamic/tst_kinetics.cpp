#include "DynamicTesting.h"
#include "TestMain.h"

#include "dynamic/AccuracyCheck.h"
#include "dynamic/BindingTimeCourse.h"
#include "dynamic/KineticsText.h"
#include "dynamic/ReferenceRun.h"

#include <boost/multiprecision/cpp_bin_float.hpp>

#include <array>
#include <cmath>
#include <vector>

using namespace modKinetics;
using namespace DynamicTesting;
using modVornish::EventTarget;
using modVornish::ResultRecord;
using modVornish::SimulationInput;

namespace {

using Wide = boost::multiprecision::cpp_bin_float_50;

// The textbook solution in fifty digits, where cancellation costs at most a
// few dozen of them: the roots of x^2 - (TA + TB + Kd) x + TA TB, then
// (x - x1) / (x - x2) = (x0 - x1) / (x0 - x2) exp(-kAss (x2 - x1) t).
struct WideTimeCourse
{
    Wide totalA, totalB, x0, x1, x2, kObs;

    WideTimeCourse(double A, double B, double AB, double kAss, double kDiss)
        : totalA(Wide(A) + AB)
        , totalB(Wide(B) + AB)
        , x0(AB)
    {
        const Wide kd = Wide(kDiss) / kAss;
        const Wide s = totalA + totalB + kd;
        const Wide root = sqrt(s * s - 4 * totalA * totalB);
        x1 = (s - root) / 2;
        x2 = (s + root) / 2;
        kObs = kAss * root;
    }

    Wide complexAt(double t) const
    {
        const Wide r = (x0 - x1) / (x0 - x2) * exp(-kObs * t);
        return (x1 - x2 * r) / (1 - r);
    }

    // kObs t = ln((D - (1 - f) d0) / ((1 - f)(D - d0))) with d0 = x0 - x1.
    Wide timeToFraction(double f) const
    {
        const Wide d0 = x0 - x1, spread = x2 - x1;
        return log((spread - (1 - f) * d0) / ((1 - f) * (spread - d0))) / kObs;
    }
};

// Relative to the exact value; a value that is zero in double precision is
// measured against 1e-35 M, far below any concentration that matters.
double relativeError(double value, const Wide &exact)
{
    return static_cast<double>(abs(Wide(value) - exact) / std::max(Wide(abs(exact)), Wide(1e-35)));
}

QList<ResultRecord> referenceSamples(const SimulationInput &in, QString *failure = nullptr)
{
    ReferenceRun reference(in);
    QList<ResultRecord> samples;
    ResultRecord r;
    int segment;
    while (reference.next(r, segment))
        samples.append(r);
    if (failure)
        *failure = reference.failure();
    return samples;
}

} // namespace

class KineticsTest : public QObject
{
    Q_OBJECT

private slots:
    // Concentrations 1e-12 to 1e-3 M, k_ass 1e2 to 1e9 per M per s, k_diss
    // 1e-6 to 1e2 per s: Kd from 1e-15 to 1 M, far below and far above the
    // totals, and x2 - x1 down to a millionth of the totals.
    void closedFormMatchesFiftyDigits()
    {
        const double levels[] = {0.0, 1e-12, 3e-9, 1e-6, 1e-3};
        const double kAssValues[] = {1e2, 3e5, 1e9};
        const double kDissValues[] = {1e-6, 1e-2, 1e2};
        const double fractions[] = {0.5, 0.9, 0.99};
        double worst = 0.0, worstTime = 0.0;
        int cases = 0;
        for (double A : levels)
            for (double B : levels)
                for (double AB : levels) {
                    if (A + AB == 0.0 || B + AB == 0.0)
                        continue;
                    for (double kAss : kAssValues)
                        for (double kDiss : kDissValues) {
                            const BindingTimeCourse course(A, B, AB, kAss, kDiss);
                            const WideTimeCourse exact(A, B, AB, kAss, kDiss);
                            QVERIFY(relativeError(course.kObs(), exact.kObs) < 1e-13);
                            QVERIFY(relativeError(course.equilibrium().AB, exact.x1) < 1e-13);
                            QVERIFY(relativeError(course.equilibrium().A, exact.totalA - exact.x1) < 1e-13);
                            QVERIFY(relativeError(course.equilibrium().B, exact.totalB - exact.x1) < 1e-13);
                            const double tau = static_cast<double>(1 / exact.kObs);
                            for (double c : {0.0, 1e-6, 1e-2, 0.3, 1.0, 4.0, 40.0}) {
                                const Wide x = exact.complexAt(c * tau);
                                worst = std::max({worst, relativeError(course.complexAt(c * tau), x),
                                                  relativeError(course.freeAAt(c * tau), exact.totalA - x),
                                                  relativeError(course.freeBAt(c * tau), exact.totalB - x)});
                                ++cases;
                            }
                            // A start within rounding of the equilibrium is at it.
                            if (abs(AB - exact.x1) > 1e-12 * exact.x1)
                                for (double f : fractions)
                                    worstTime = std::max(worstTime, relativeError(course.timeToFraction(f),
                                                                                  exact.timeToFraction(f)));
                        }
                }
        QVERIFY2(worst < 1e-12, qPrintable(QString::number(worst)));
        QVERIFY2(worstTime < 1e-9, qPrintable(QString::number(worstTime)));
        QVERIFY(cases > 3000);
    }

    // With kDiss 0 and equal totals x2 = x1 and the approach is algebraic:
    // x1 - x = (x1 - x0) / (1 + kAss (x1 - x0) t).
    void closedFormWithoutDissociationAndEqualTotals()
    {
        const BindingTimeCourse course(2e-9, 2e-9, 1e-9, 1e6, 0.0);
        QCOMPARE(course.kObs(), 0.0);
        QCOMPARE(course.equilibrium().AB, 3e-9);
        for (double t : {0.0, 10.0, 1e3, 1e6, 1e300}) {
            const Wide exact = Wide(3e-9) - Wide(2e-9) / (1 + Wide(1e6) * 2e-9 * t);
            QVERIFY(relativeError(course.complexAt(t), exact) < 1e-13);
            QVERIFY(relativeError(course.freeAAt(t), Wide(3e-9) - exact) < 1e-13);
        }
        // Half of the way when kAss (x1 - x0) t = 1.
        QVERIFY(relativeError(course.timeToFraction(0.5), Wide(1) / (Wide(1e6) * 2e-9)) < 1e-14);
        // Nothing reacts without rate constants; only dissociation without kAss.
        QVERIFY(std::isinf(BindingTimeCourse(1e-9, 1e-9, 1e-9, 0.0, 0.0).timeToFraction(0.5)));
        const BindingTimeCourse dissociation(0.0, 0.0, 1e-9, 0.0, 2.0);
        QVERIFY(relativeError(dissociation.complexAt(1.5), Wide(1e-9) * exp(Wide(-3))) < 1e-14);
        QVERIFY(relativeError(dissociation.timeToFraction(0.5), log(Wide(2)) / 2) < 1e-14);
    }

    // The reference integration agrees with the closed form, its samples come
    // at the engine's times in the engine's order, events included.
    void referenceFollowsTheClosedFormAndTheEngine()
    {
        const SimulationInput runs[] = {bindingRun(1e-9, 2e-9, 0.5e-9, 1e6, 1e-3, 6000, 60),
                                        bindingRun(1e-6, 2e-6, 0.0, 1e9, 1e-6, 100, 0.5),
                                        bindingRun(1e-12, 1e-3, 1e-12, 1e2, 1e2, 0.1, 1e-3),
                                        bindingRun(3e-9, 3e-9, 0.0, 1e5, 1e-6, 1e5, 1e3)};
        for (const SimulationInput &in : runs) {
            const BindingTimeCourse course(in.initialA, in.initialB, in.initialAB, in.kAss, in.kDiss);
            const double level = std::max(in.initialA, in.initialB) + in.initialAB;
            QString failure;
            const QList<ResultRecord> samples = referenceSamples(in, &failure);
            QVERIFY(failure.isEmpty());
            QCOMPARE(timesOf(samples), timesOf(run(in)));
            for (const ResultRecord &r : samples) {
                // 1e-9 of each value, or of the largest concentration for the
                // values a million times below it.
                const auto close = [&](double value, double exact) {
                    return std::fabs(value - exact) <= 1e-9 * std::max(std::fabs(exact), 1e-6 * level);
                };
                QVERIFY2(close(r.AB, course.complexAt(r.time)) && close(r.A, course.freeAAt(r.time))
                             && close(r.B, course.freeBAt(r.time)),
                         qPrintable(QString::number(r.time)));
            }
        }

        SimulationInput events = tenSecondsEveryThree(1);
        events.endTime = 30;
        events.events = {{4.0, 1e-9, EventTarget::B},
                         {4.0, -5e-9, EventTarget::A},
                         {0.0, 0.0, EventTarget::None},
                         {29.99, 1e-9, EventTarget::AB}};
        const QList<ResultRecord> engine = run(events);
        const QList<ResultRecord> exact = referenceSamples(events);
        QCOMPARE(timesOf(exact), timesOf(engine));
        // The event that removes more A than there is leaves none, as in the engine.
        for (int i = 1; i < engine.size(); ++i)
            if (engine[i].time == engine[i - 1].time && engine[i].A == 0.0)
                QCOMPARE(exact[i].A, 0.0);
    }

    // 1 uM of A and of B with k_ass 1e8 and k_diss 1: the half-time is 8 ms,
    // and at 5 % precision with a 10 s interval the samples are off by 45 %.
    // The free A and B at equilibrium, 95.1249 nM each (x^2 - 2.01e-6 x +
    // 1e-12 = 0), make the relaxation rate 1e8 x 190.25e-9 + 1 = 20.025 per s,
    // so the step of 0.5 s is beyond the Euler limit of 2 / 20.025 s.
    void accuracyCheckTellsOfCoarseRuns()
    {
        KineticsReport coarse = CheckedRun(bindingRun(1e-6, 1e-6, 0.0, 1e8, 1.0, 100, 10, 0));
        SuggestPrecision(coarse);
        QCOMPARE(qRound(100 * coarse.worstDeviation()), 45);
        const QStringList findings = AccuracyFindings(coarse);
        QCOMPARE(findings.size(), 3);
        QVERIFY(findings[0].startsWith("At 5 % precision the simulated [A/B] deviates by up to 45 % from the exact "
                                       "time course; 1 % would keep it under "));
        QVERIFY(coarse.suggestionFound && coarse.suggestedDeviation <= 0.05);
        QCOMPARE(findings[1], QStringLiteral("From the start the integration step of 500 ms is longer than the "
                                             "stability limit of the Euler method, 99.9 ms: the simulated values "
                                             "swing about the equilibrium instead of settling. A recording interval "
                                             "of 1 s would keep the step within it."));
        // The suggested interval gives two samples a half-time, as the test does.
        QCOMPARE(findings[2], QStringLiteral("From the start the approach to equilibrium has a half-time of 8.32 ms, "
                                             "too short for the recording interval of 10 s: the stored curve cannot "
                                             "show it. A recording interval of 2 ms would."));
        KineticsReport suggested = CheckedRun(bindingRun(1e-6, 1e-6, 0.0, 1e8, 1.0, 0.1, 0.002, 0));
        QVERIFY(AccuracyFindings(suggested).filter(QStringLiteral("half-time")).isEmpty());

        // A slow approach sampled finely: nothing to tell; the stored [A/B]
        // settles within 1 % of the equilibrium shortly after the exact one.
        const KineticsReport fine = CheckedRun(bindingRun(1e-9, 2e-9, 0.5e-9, 1e6, 1e-3, 6000, 10, 2));
        QVERIFY(AccuracyFindings(fine).isEmpty());
        QVERIFY(fine.worstDeviation() < 0.002);
        const SegmentKinetics &only = fine.segments.at(0);
        QVERIFY(fine.approach[0].reached);
        QVERIFY(fine.approach[0].time >= only.timeTo[3] && fine.approach[0].time < only.timeTo[3] + 10);
    }

    // A million hours every 20,000 hours: the exact course is the closed
    // form, however long the run, and the Euler step of 1,000 hours is far
    // beyond the limit of 2 over the relaxation rate, which for totals of
    // 10 nM and Kd 1 nM is 1e6 x 1e-9 x sqrt(21^2 - 4 x 100) per s.
    void aVeryLongRunIsCheckedAgainstTheClosedForm()
    {
        KineticsReport longRun = CheckedRun(bindingRun(10e-9, 10e-9, 0.0, 1e6, 1e-3, 3.6e9, 7.2e7, 0));
        SuggestPrecision(longRun);
        QVERIFY2(longRun.available(), qPrintable(longRun.referenceFailure));
        const BindingTimeCourse course(10e-9, 10e-9, 0.0, 1e6, 1e-3);
        QVERIFY(std::fabs(longRun.segments[0].stiffness / (1e-3 * std::sqrt(41.0)) - 1) < 1e-9);
        QVERIFY(std::fabs(longRun.curve.back().AB - course.complexAt(3.6e9)) < 1e-12 * 1e-8);
        const QStringList findings = AccuracyFindings(longRun);
        QVERIFY(!findings
                     .filter(QStringLiteral("the integration step of 1000 h is longer than the stability limit "
                                            "of the Euler method, 5.21 min"))
                     .isEmpty());
        QVERIFY(!findings.filter(QStringLiteral("A recording interval of 83.3 min would keep the step within it."))
                     .isEmpty());
    }

    // The summary lists the segments the run has: none of no length for an
    // event at time 0; an event that takes away more A than there is is
    // shown with what it took (A at 5 min of the closed form: totals 3 and
    // 2 nM after B +1 nM at 0).
    void summaryNamesWhatEventsDid()
    {
        SimulationInput in = bindingRun(3e-9, 1e-9, 0.0, 1e6, 1e-3, 600, 10, 1);
        in.events = {{0.0, 1e-9, EventTarget::B}, {300.0, -5e-9, EventTarget::A}};
        const KineticsReport report = CheckedRun(in);
        const QString text = KineticsSummaryText(report, {QStringLiteral("nM"), 1e-9});
        const WideTimeCourse course(3e-9, 2e-9, 0.0, 1e6, 1e-3);
        const double freeA = static_cast<double>(Wide(3e-9) - course.complexAt(300.0)) / 1e-9;
        QVERIFY2(text.contains(QStringLiteral("Segment 1, after event 1 at 0 s (B +1 nM), to 5 min\n")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Segment 2, after event 2 at 5 min (A -%1 nM, all there was, of -5 nM "
                                              "asked), to 10 min\n")
                                   .arg(QString::number(freeA, 'g', 4))),
                 qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Segment 3")));
    }

    // Five minutes after the competitor, when A is still bound more than
    // its share, a little B makes [A/B] overshoot: B binds free A and
    // competitor at once, and only then does the competitor win back its
    // share, by dissociation. [A/B] crosses the 99 % line within seconds but
    // stays within 1 % only many minutes later. The times are checked
    // against an integration of the test's own.
    void overshootCountsWhenItStaysWithin()
    {
        SimulationInput in = bindingRun(10e-9, 10e-9, 0.0, 1e6, 1e-3, 7200, 10, 1);
        in.competitorChallenge = true;
        in.events = {{600.0, 20e-9, EventTarget::A}, {900.0, 15e-9, EventTarget::B}};
        const KineticsReport report = CheckedRun(in);
        QVERIFY2(report.available(), qPrintable(report.referenceFailure));
        const SegmentKinetics &segment = report.segments.back();
        QCOMPARE(segment.event, 1);

        // A, B, AB, Cp, CpB in nM, by the classic fixed-step Runge-Kutta.
        using State = std::array<double, 5>;
        const auto derivative = [](const State &x) {
            const double main = 1e6 * 1e-9 * x[0] * x[1] - 1e-3 * x[2];
            const double competing = 1e6 * 1e-9 * x[3] * x[1] - 1e-3 * x[4];
            return State{-main, -main - competing, main, -competing, competing};
        };
        const Mixture &m = segment.startState;
        State x{m.A / 1e-9, m.B / 1e-9, m.AB / 1e-9, m.Cp / 1e-9, m.CpB / 1e-9};
        const double h = 0.01, span = segment.end - segment.start;
        std::vector<double> complex;
        for (double t = 0; t <= span; t += h) {
            complex.push_back(x[2]);
            const auto along = [&x](const State &slope, double step) {
                State y;
                for (int i = 0; i < 5; ++i)
                    y[i] = x[i] + step * slope[i];
                return y;
            };
            const State k1 = derivative(x), k2 = derivative(along(k1, h / 2)), k3 = derivative(along(k2, h / 2)),
                        k4 = derivative(along(k3, h));
            for (int i = 0; i < 5; ++i)
                x[i] += h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
        }
        const double end = segment.equilibrium.AB / 1e-9, band = 0.01 * std::fabs(end - m.AB / 1e-9);
        std::size_t firstIn = 0, lastOut = 0;
        for (std::size_t i = 0; i < complex.size(); ++i) {
            const bool within = std::fabs(complex[i] - end) <= band;
            if (within && firstIn == 0)
                firstIn = i;
            if (!within)
                lastOut = i;
        }
        QVERIFY(firstIn > 0 && firstIn * 20 < lastOut); // it does overshoot
        QVERIFY2(std::fabs(segment.timeTo[3] - (lastOut + 0.5) * h) <= h,
                 qPrintable(QStringLiteral("%1 against %2").arg(segment.timeTo[3]).arg(lastOut * h)));
        // The stored run settles within two recording intervals of it.
        QVERIFY(report.approach.back().reached && std::fabs(report.approach.back().time - segment.timeTo[3]) < 20);
    }

    // With the competitor the times come from the integration: a trace of
    // competitor leaves them those of the closed form. Where B runs out
    // (no dissociation) no amount of the exact course is below zero.
    void competitorSegmentsTimedByTheIntegration()
    {
        SimulationInput in = bindingRun(1e-9, 2e-9, 0.0, 1e6, 1e-3, 3000, 10, 1);
        in.competitorChallenge = true;
        in.events = {{0.0, 1e-30, EventTarget::A}};
        const KineticsReport report = CheckedRun(in);
        QVERIFY(report.available());
        const SegmentKinetics &segment = report.segments.back();
        QVERIFY(segment.competitor && segment.kObsApparent);
        const BindingTimeCourse course(1e-9, 2e-9, 0.0, 1e6, 1e-3);
        for (int i = 0; i < SummaryFractionCount; ++i)
            QVERIFY(std::fabs(segment.timeTo[i] / course.timeToFraction(SummaryFractions[i]) - 1) < 1e-8);

        SimulationInput runsOut = bindingRun(1e-6, 1e-7, 0.0, 1e7, 0.0, 100, 1, 0);
        runsOut.competitorChallenge = true;
        runsOut.events = {{1, 1e-6, EventTarget::A}};
        for (const ReferencePoint &p : CheckedRun(runsOut).curve)
            QVERIFY2(p.A >= 0 && p.B >= 0 && p.AB >= 0, qPrintable(QString::number(p.B)));
    }

    // However extreme the run, the check ends and prints numbers only.
    void extremeRunsGiveNumbersOnly()
    {
        SimulationInput emptied = bindingRun(1e-6, 1e-6, 1e-6, 1e5, 1e-2, 100, 1, 0);
        emptied.events = {{10, -1.0, EventTarget::A}, {20, -1.0, EventTarget::AB}, {30, 1e-3, EventTarget::B}};
        SimulationInput competitor = bindingRun(1e-9, 1e-9, 1e-9, 1e9, 1e2, 60, 1, 4);
        competitor.competitorChallenge = true;
        competitor.events = {{5, 1.0, EventTarget::A}};
        SimulationInput pathDependent = bindingRun(1e-6, 1e-7, 0.0, 1e6, 0.0, 100, 1, 0);
        pathDependent.competitorChallenge = true;
        pathDependent.events = {{1, 1e-6, EventTarget::A}};
        const SimulationInput runs[] = {bindingRun(1e-3, 1e-3, 0.0, 1e9, 1e-6, 1e6, 1e3, 0),
                                        emptied,
                                        competitor,
                                        pathDependent,
                                        bindingRun(0, 0, 0, 1e6, 1e-3, 10, 1, 0),
                                        bindingRun(1e-9, 1e-9, 1e-9, 0, 0, 10, 1, 0),
                                        bindingRun(1e-12, 1e-3, 0, 1e9, 1e2, 1e-3, 1e-6, 0)};
        for (const SimulationInput &in : runs) {
            KineticsReport report = CheckedRun(in);
            SuggestPrecision(report);
            const QString text = KineticsSummaryText(report, {QStringLiteral("nM"), 1e-9});
            QVERIFY2(!text.contains(QStringLiteral("nan"), Qt::CaseInsensitive)
                         && !text.contains(QStringLiteral("inf"), Qt::CaseInsensitive),
                     qPrintable(text));
            QVERIFY(report.available()
                    || text.contains(QStringLiteral("No exact time course could be computed for this run: ")));
        }
    }
};

VORNISH_TEST(KineticsTest)

#include "tst_kinetics.moc"
