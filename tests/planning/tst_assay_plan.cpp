#include "TestMain.h"

#include "dynamic/BindingTimeCourse.h"
#include "planning/AssayPlan.h"
#include "planning/PredictedPrecision.h"
#include "scatchard/OneSiteModels.h"
#include "scatchard/SaturationModels.h"

#include <QTest>

#include <boost/math/distributions/students_t.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>

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

// The complex of A + B <=> [A/B] from the totals: the smaller root of the
// quadratic, in the form without cancellation.
double complexOf(double ligand, double sites, double kd)
{
    const double sum = ligand + sites + kd;
    return 2 * ligand * sites / (sum + std::sqrt(sum * sum - 4 * ligand * sites));
}

// The labelled complex with a competitor: free sites b solve
// Tb = b + Ta b / (Kd + b) + Tc b / (Ki + b), bisected on [0, Tb].
double labelledComplex(double ta, double tb, double tc, double kd, double ki)
{
    double low = 0, high = tb;
    for (int i = 0; i < 200; ++i) {
        const double b = (low + high) / 2;
        (b + ta * b / (kd + b) + tc * b / (ki + b) > tb ? high : low) = b;
    }
    const double b = (low + high) / 2;
    return ta * b / (kd + b);
}

// The Total C that halves the labelled complex, bisected in log.
double ic50Of(double ta, double tb, double kd, double ki)
{
    const double half = labelledComplex(ta, tb, 0, kd, ki) / 2;
    double low = std::log(ki * 1e-6), high = std::log(1e6 * (ki + tb));
    for (int i = 0; i < 200; ++i) {
        const double middle = (low + high) / 2;
        (labelledComplex(ta, tb, std::exp(middle), kd, ki) < half ? high : low) = middle;
    }
    return std::exp((low + high) / 2);
}

double chengPrusoffError(double ta, double tb, double kd, double ki)
{
    return ic50Of(ta, tb, kd, ki) / (1 + ta / kd) / ki - 1;
}

using Values = std::vector<double>;

// An independent profile interval of Kd for Bound = Bmax F / (Kd + F): for a
// fixed Kd, Bmax has a closed form; the minimum by golden section in log Kd,
// the limit crossings by bisection.
struct Profile
{
    const Values &free, &bound;

    double ss(double logKd) const
    {
        const double kd = std::exp(logKd);
        double gy = 0, gg = 0;
        for (size_t i = 0; i < free.size(); ++i) {
            const double g = free[i] / (kd + free[i]);
            gy += g * bound[i];
            gg += g * g;
        }
        return std::max(0.0, std::inner_product(bound.begin(), bound.end(), bound.begin(), 0.0) - gy * gy / gg);
    }

    double width(double kd) const
    {
        double a = std::log(kd) - 5, b = std::log(kd) + 5;
        const double ratio = (std::sqrt(5.0) - 1) / 2;
        for (int i = 0; i < 200; ++i) {
            const double c = b - ratio * (b - a), d = a + ratio * (b - a);
            (ss(c) < ss(d) ? b : a) = (ss(c) < ss(d) ? d : c);
        }
        const double best = (a + b) / 2;
        const int df = int(free.size()) - 2;
        const double t = boost::math::quantile(boost::math::complement(boost::math::students_t(df), 0.025));
        const double limit = ss(best) * (1 + t * t / df);
        const auto crossing = [&](double outside) {
            double in = best, out = outside;
            for (int i = 0; i < 200; ++i) {
                const double middle = (in + out) / 2;
                (ss(middle) > limit ? out : in) = middle;
            }
            return std::exp((in + out) / 2);
        };
        return crossing(best + 20) - crossing(best - 20);
    }
};

PrecisionDesign design(double kd, double cv)
{
    PrecisionDesign made;
    for (int i = 0; i < 12; ++i)
        made.ligand.push_back(0.1 * kd * std::pow(100.0, i / 11.0));
    made.replicates = 1;
    made.cv = cv;
    return made;
}

} // namespace

// The assay plan and its predicted precision against values worked out here.
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
        // Five half-times reach 1 - 2^-5 of the way.
        const modKinetics::BindingTimeCourse course(1e-9, 1e-12, 0, 1e6, 1e-3);
        QVERIFY(near(course.complexAt(plan.fiveHalfTimes) / course.equilibrium().AB, 0.96875, 1e-3));

        // A kinetics plan samples at -ln(1 - f) / kObs, and the wash-out at
        // -ln(1 - f) / kDiss.
        input.experiment = Experiment::Kinetics;
        const AssayPlan kinetics = MakePlan(input);
        const std::vector<double> &samples = kinetics.rows.front().samples;
        QCOMPARE(samples.size(), std::size(sampleFractions));
        QCOMPARE(kinetics.dissociation.size(), std::size(sampleFractions));
        for (size_t i = 0; i < samples.size(); ++i) {
            QVERIFY(near(samples[i], -std::log(1 - sampleFractions[i]) / 2e-3, 1e-3));
            QVERIFY(near(kinetics.dissociation[i], -std::log(1 - sampleFractions[i]) / 1e-3, 1e-9));
        }
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

    void titrationMeasuresTheSitesNotKd()
    {
        // Sites at 100 and 200 × Kd, ligand over 0.1 to 10 × sites, fitted
        // with the hyperbola in the ligand added: the apparent Kd follows
        // the sites, far above the true Kd.
        const double kd = 1e-9;
        double apparent[2] = {};
        for (int k = 0; k < 2; ++k) {
            const double sites = (k + 1) * 100 * kd;
            modStatistics::SaturationData data;
            for (int i = 0; i < 12; ++i) {
                const double ligand = 0.1 * sites * std::pow(100.0, i / 11.0);
                data.binding.x.push_back(ligand);
                data.binding.y.push_back(complexOf(ligand, sites, kd));
            }
            const modStatistics::SaturationModelFit fit =
                modStatistics::FitSaturationModel(modStatistics::SaturationModel::OneSite, data, {});
            QCOMPARE(fit.result.outcome, Fitting::FitResult::Fitted);
            apparent[k] = fit.result.value(modStatistics::OneSiteModel::Kd);
            QVERIFY(apparent[k] > 10 * kd);

            PlanInput input;
            input.kd = kd;
            input.sites = sites;
            const AssayPlan plan = MakePlan(input);
            QCOMPARE(plan.regime, Regime::Titration);
            QVERIFY(RegimeText(plan.regime).startsWith(QStringLiteral("titration")));
            QVERIFY(plan.notes.join(' ').contains(QStringLiteral("Titration")));
        }
        QVERIFY2(near(apparent[1] / apparent[0], 2.0, 0.05), qPrintable(QString::number(apparent[1] / apparent[0])));
    }

    void competitionKeepsChengPrusoffWithinATenth()
    {
        // Label and sites at 3 × Kd: Cheng-Prusoff strays by a fifth; the advised
        // design (label at Kd, the most sites) keeps it at a tenth, and a
        // fifth more sites would not.
        PlanInput input;
        input.experiment = Experiment::Competition;
        input.kd = 1e-9;
        input.labelled = 3e-9;
        input.sites = 3e-9;
        input.ki = 5e-9;
        const AssayPlan plan = MakePlan(input);
        const CompetitionDesign &design = plan.competition;
        QVERIFY(near(design.ic50, ic50Of(3e-9, 3e-9, 1e-9, 5e-9), 1e-6));
        QVERIFY(near(design.chengPrusoffError, chengPrusoffError(3e-9, 3e-9, 1e-9, 5e-9), 1e-5));
        QVERIFY(design.chengPrusoffError > 0.1);
        QCOMPARE(design.labelledAdvised, 1e-9);
        QVERIFY(std::fabs(chengPrusoffError(1e-9, design.sitesAdvised, 1e-9, 5e-9) - 0.1) < 1e-4);
        QVERIFY(chengPrusoffError(1e-9, 1.2 * design.sitesAdvised, 1e-9, 5e-9) > 0.1);
        QVERIFY(plan.notes.join(' ').contains(QStringLiteral("For Cheng-Prusoff within 10 % of Ki")));
        // The proposed competitor range brackets the IC50 by decades, and
        // the label's occupancy falls through half across it.
        QVERIFY(plan.rows.front().ligand <= design.ic50 / 100 && plan.rows.back().ligand >= design.ic50 * 100);
        QVERIFY(plan.rows.back().occupancy < 0.1 * plan.rows.front().occupancy);
        QVERIFY(!design.titrationZone);

        // A Ki far below the sites: the IC50 follows the sites.
        input.ki = 1e-13;
        input.sites = 1e-8;
        const AssayPlan tight = MakePlan(input);
        QVERIFY(tight.competition.titrationZone);
        QVERIFY(tight.notes.join(' ').contains(QStringLiteral("below what this design can resolve")));
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

    void noiseFreeDesignHasNoWidth()
    {
        PrecisionSimulation simulation(2e-9, 1e-12, design(2e-9, 0.0), 5, 1);
        QVERIFY(simulation.step(10));
        const PrecisionEstimate estimate = simulation.estimate();
        QCOMPARE(estimate.failed, 0);
        QVERIFY(estimate.medianWidth < 1e-6);
        QVERIFY(std::fabs(estimate.medianKd - 1) < 1e-6);
    }

    void medianWidthAgreesWithAnIndependentFitOfTheSameSets()
    {
        const double kd = 2e-9;
        constexpr int experiments = 60;
        PrecisionSimulation simulation(kd, 1e-12, design(kd, 0.08), experiments, 7);
        QVERIFY(!simulation.step(experiments / 2));
        QCOMPARE(simulation.done(), experiments / 2);
        QVERIFY(simulation.step(experiments));
        const PrecisionEstimate estimate = simulation.estimate();
        QCOMPARE(estimate.experiments, experiments);

        PrecisionSimulation same(kd, 1e-12, design(kd, 0.08), experiments, 7);
        Values widths;
        for (int i = 0; i < experiments; ++i) {
            const SimulatedExperiment experiment = same.simulate();
            widths.push_back(Profile{experiment.freeLigand, experiment.bound}.width(kd) / kd);
        }
        std::sort(widths.begin(), widths.end());
        const double reference = (widths[experiments / 2 - 1] + widths[experiments / 2]) / 2;
        QVERIFY2(std::fabs(estimate.medianWidth - reference) < 0.1 * reference,
                 qPrintable(QStringLiteral("%1 vs %2").arg(estimate.medianWidth).arg(reference)));
    }
};

VORNISH_TEST(AssayPlanTest)
#include "tst_assay_plan.moc"
