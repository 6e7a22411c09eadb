#include "TestMain.h"

#include "planning/AssayPlan.h"

#include <QTest>

#include <cmath>

using namespace Planning;

namespace {

bool near(double value, double reference, double relative)
{
    return std::fabs(value - reference) <= relative * std::fabs(reference);
}

PlanInput oneConcentration(double ligand, double sites, double kd)
{
    PlanInput input;
    input.kd = kd;
    input.sites = sites;
    input.lowest = ligand;
    input.highest = ligand * (1 + 1e-12);
    input.points = 3;
    return input;
}

} // namespace

class AssayPlanTest : public QObject
{
    Q_OBJECT
private slots:
    void timesToEquilibriumWithLigandInExcess()
    {
        // kObs = kAss [L] + kDiss = 2e-3 per s; time to x is -ln(1 - x) / kObs.
        PlanInput input = oneConcentration(1e-9, 1e-12, 1e-9);
        input.kAss = 1e6;
        const AssayPlan plan = MakePlan(input);
        const PlanRow &row = plan.rows.front();
        QVERIFY(!plan.typicalRate);
        QVERIFY(near(plan.kDiss, 1e-3, 1e-15));
        QVERIFY(near(row.kObs, 2e-3, 1e-3));
        QVERIFY(near(row.t90, 1151.29, 1e-3));
        QVERIFY(near(row.t95, 1497.87, 1e-3));
        QVERIFY(near(row.t99, 2302.59, 1e-3));
        QVERIFY(near(plan.fiveHalfTimes, 1732.87, 1e-3));
        QCOMPARE(plan.regime, Regime::Binding);
    }

    void depletionWhenSitesMatchTheLigand()
    {
        // Sites 1 nM, ligand 1 nM, Kd 1 nM: x^2 - 3x + 1 = 0, so
        // (3 - sqrt 5) / 2 of the ligand is bound, not the half a hyperbola
        // in the ligand added would claim.
        const AssayPlan plan = MakePlan(oneConcentration(1e-9, 1e-9, 1e-9));
        QVERIFY(plan.typicalRate);
        const PlanRow &row = plan.rows.front();
        QVERIFY(near(row.ligandBound, (3 - std::sqrt(5.0)) / 2, 1e-12));
        QVERIFY(row.depleted);
        QCOMPARE(plan.regime, Regime::Intermediate);
    }

    void regimesAndProposedRange()
    {
        QCOMPARE(RegimeOf(0.05, 1), Regime::Binding);
        QCOMPARE(RegimeOf(10, 1), Regime::Intermediate);
        QCOMPARE(RegimeOf(100, 1), Regime::Titration);
        PlanInput input;
        input.kd = 2e-9;
        input.sites = 1e-11;
        const std::vector<double> proposed = PlannedConcentrations(input);
        QCOMPARE(int(proposed.size()), 12);
        QVERIFY(near(proposed.front(), 2e-10, 1e-14) && near(proposed.back(), 2e-8, 1e-14));
        QVERIFY(near(proposed[1] / proposed[0], std::pow(100.0, 1.0 / 11), 1e-12));
    }

    void inputProblems()
    {
        PlanInput input;
        QVERIFY(!PlanInputProblem(input).isEmpty());
        input.kd = 1e-9;
        input.sites = 1e-10;
        QVERIFY(PlanInputProblem(input).isEmpty());
        input.lowest = 1e-9;
        QVERIFY(!PlanInputProblem(input).isEmpty());
        input.highest = 1e-10;
        QVERIFY(!PlanInputProblem(input).isEmpty());
        input.highest = 1e-8;
        input.points = 2;
        QVERIFY(!PlanInputProblem(input).isEmpty());
        input.points = 8;
        input.experiment = Experiment::Competition;
        QVERIFY(!PlanInputProblem(input).isEmpty());
    }
};

VORNISH_TEST(AssayPlanTest)
#include "tst_assay_plan.moc"
