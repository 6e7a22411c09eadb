#include "TestMain.h"

#include "planning/PredictedPrecision.h"

#include <QTest>

#include <boost/math/distributions/students_t.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Planning;

namespace {

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

class PredictedPrecisionTest : public QObject
{
    Q_OBJECT
private slots:
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

VORNISH_TEST(PredictedPrecisionTest)
#include "tst_predicted_precision.moc"
