#include "ScatchardTesting.h"
#include "TestMain.h"

#include "fitting/StudentQuantile.h"
#include "scatchard/SaturationFit.h"

#include <cmath>

using namespace modStatistics;

namespace {

using Values = std::vector<double>;

// The Misra1d certificate (the data in ScatchardTesting.h).
constexpr double certifiedB1 = 4.3736970754E+02, certifiedSeB1 = 3.6489174345E+00;
constexpr double certifiedB2 = 3.0227324449E-04, certifiedSeB2 = 2.9334354479E-06;
constexpr double certifiedResidualSS = 5.6419295283E-02, certifiedResidualSD = 6.8568272111E-02;
constexpr int certifiedDf = 12;

// Two-sided 95 % Student t quantiles as published to twelve digits.
constexpr double t95df2 = 4.30265272975, t95df12 = 2.17881282967;

// An independent profile of the residual sum of squares: for each Kd the
// best Bmax by golden-section search, the best Kd by golden section in
// log Kd, the limit crossings by bisection.
struct IndependentProfile
{
    Values free, bound;

    double ss(double kd, double bmax) const
    {
        double sum = 0;
        for (size_t i = 0; i < free.size(); ++i) {
            const double r = bound[i] - bmax * free[i] / (kd + free[i]);
            sum += r * r;
        }
        return sum;
    }
    double bestBmax(double kd) const
    {
        const double highest = *std::max_element(bound.begin(), bound.end());
        const double lowestFree = *std::min_element(free.begin(), free.end());
        return goldenMinimum([&](double b) { return ss(kd, b); }, 0, 10 * highest * (1 + kd / lowestFree));
    }
    double profile(double logKd) const { return ss(std::exp(logKd), bestBmax(std::exp(logKd))); }
    double bestLogKd(double logLow, double logHigh) const
    {
        return goldenMinimum([&](double v) { return profile(v); }, logLow, logHigh);
    }
    double crossing(double inside, double outside, double limit) const
    {
        for (int i = 0; i < 100; ++i) {
            const double middle = (inside + outside) / 2;
            (profile(middle) <= limit ? inside : outside) = middle;
        }
        return std::exp((inside + outside) / 2);
    }
};

Values freeOf(const Values &bound, const Values &ratio)
{
    Values free;
    for (size_t i = 0; i < bound.size(); ++i)
        free.push_back(bound[i] / ratio[i]);
    return free;
}

} // namespace

class SaturationFitTest : public QObject
{
    Q_OBJECT

private slots:
    void reproducesCertifiedMisra1d_data()
    {
        QTest::addColumn<double>("b1");
        QTest::addColumn<double>("b2");
        QTest::newRow("start 1") << 500.0 << 0.0001;
        QTest::newRow("start 2") << 450.0 << 0.0003;
    }

    void reproducesCertifiedMisra1d()
    {
        QFETCH(double, b1);
        QFETCH(double, b2);
        const SaturationFit fit = FitSaturationCurve(kMisraX, kMisraY, {1 / b2, b1});
        QCOMPARE(fit.outcome, SaturationFit::Fitted);
        QCOMPARE(fit.df, certifiedDf);
        QVERIFY(near(fit.bmax, certifiedB1, 1e-9));
        QVERIFY(near(1 / fit.kd, certifiedB2, 1e-9));
        QVERIFY(near(fit.seBmax, certifiedSeB1, 1e-8));
        // At the minimum the linearised covariance carries over exactly to b2 = 1 / Kd.
        QVERIFY(near(fit.seKd / (fit.kd * fit.kd), certifiedSeB2, 1e-8));
        QVERIFY(near(fit.residualSS, certifiedResidualSS, 1e-9));
        QVERIFY(near(fit.residualSD, certifiedResidualSD, 1e-9));
        QVERIFY(near(fit.t, t95df12, 1e-10));
        QVERIFY(near(fit.kdHigh - fit.kd, t95df12 * fit.seKd, 1e-10));
        QVERIFY(near(fit.bmax - fit.bmaxLow, t95df12 * fit.seBmax, 1e-10));
    }

    void studentQuantilesMatchPublishedValues()
    {
        QVERIFY(near(Fitting::TwoSidedStudentT(0.95, 1), 12.7062047362, 1e-10));
        QVERIFY(near(Fitting::TwoSidedStudentT(0.95, 2), t95df2, 1e-10));
        QVERIFY(near(Fitting::TwoSidedStudentT(0.95, 18), 2.10092204024, 1e-10));
    }

    void recoversNoiseFreeCurveExactly_data()
    {
        QTest::addColumn<double>("kd");
        QTest::addColumn<double>("bmax");
        QTest::newRow("nM") << 7.5 << 120.0;
        QTest::newRow("M") << 2.5e-9 << 4e-8;
        QTest::newRow("Kd beyond the data") << 300.0 << 900.0;
    }

    void recoversNoiseFreeCurveExactly()
    {
        QFETCH(double, kd);
        QFETCH(double, bmax);
        Values free, bound;
        for (int i = 0; i < 8; ++i) {
            free.push_back(kd * 0.1 * std::pow(1.8, i) / (kd > 100 ? 30 : 1));
            bound.push_back(bmax * free.back() / (kd + free.back()));
        }
        const SaturationFit fit = FitSaturationCurve(free, bound, StartFromData(free, bound));
        QCOMPARE(fit.outcome, SaturationFit::Fitted);
        QVERIFY2(near(fit.kd, kd, 1e-10), qPrintable(QString::number(fit.kd, 'g', 17)));
        QVERIFY2(near(fit.bmax, bmax, 1e-10), qPrintable(QString::number(fit.bmax, 'g', 17)));
        QVERIFY(fit.rSquared > 1 - 1e-15);
        QVERIFY(near(fit.kdProfile.low, kd, 1e-6) && near(fit.kdProfile.high, kd, 1e-6));
    }

    // The Scatchard tool's worked example, (Bound, Bound/Free) = (1, 0.9),
    // (2, 0.8), (3, 0.72), (4, 0.6), against the independent profile.
    void profileIntervalMatchesIndependentScan()
    {
        const Values bound = {1, 2, 3, 4};
        const Values free = freeOf(bound, {0.9, 0.8, 0.72, 0.6});
        SaturationStart start;
        QVERIFY(StartFromScatchardLine(1.0, -0.098, start));
        const SaturationFit fit = FitSaturationCurve(free, bound, start);
        QCOMPARE(fit.outcome, SaturationFit::Fitted);

        const IndependentProfile reference{free, bound};
        const double bestLog = reference.bestLogKd(std::log(0.01), std::log(1e4));
        QVERIFY(near(fit.kd, std::exp(bestLog), 1e-6));
        QVERIFY(near(fit.bmax, reference.bestBmax(fit.kd), 1e-6));
        const double limit = reference.profile(bestLog) * (1 + t95df2 * t95df2 / 2);
        QCOMPARE(fit.kdProfile.kind, ProfileInterval::Finite);
        QVERIFY(near(fit.kdProfile.low, reference.crossing(bestLog, std::log(1e-3), limit), 1e-7));
        QVERIFY(near(fit.kdProfile.high, reference.crossing(bestLog, std::log(1e4), limit), 1e-7));
        // The profile interval is asymmetric about Kd, the asymptotic one is not.
        QVERIFY(fit.kdProfile.high - fit.kd > 1.2 * (fit.kd - fit.kdProfile.low));
    }

    void profileOpenAboveWhenDataBarelyBend()
    {
        const Values free = {1, 2, 3, 4, 5};
        const Values bound = {0.98, 2.01, 2.93, 3.92, 4.84};
        const SaturationFit fit = FitSaturationCurve(free, bound, StartFromData(free, bound));
        QCOMPARE(fit.outcome, SaturationFit::Fitted);
        QCOMPARE(fit.kdProfile.kind, ProfileInterval::OpenAbove);
        const IndependentProfile reference{free, bound};
        const double limit = fit.residualSS * (1 + fit.t * fit.t / fit.df);
        QVERIFY(reference.profile(std::log(1e8)) <= limit);
        QVERIFY(near(fit.kdProfile.low, reference.crossing(std::log(fit.kd), std::log(1e-3), limit), 1e-7));
    }

    // Too few points, a zero, equal Free and no saturation are refused in
    // words by the window (tst_fit_window); the other outcomes here.
    void dataThatDefineNoCurve()
    {
        const auto outcome = [](const Values &free, const Values &bound, SaturationStart start = {1, 1}) {
            return FitSaturationCurve(free, bound, start).outcome;
        };
        QCOMPARE(outcome({1, 2, 3}, {1, -2, 3}), SaturationFit::NotPositive);
        QCOMPARE(outcome({1, 2, 3}, {2, 2, 2}), SaturationFit::BoundAllEqual);
        // Bound rising ever faster: the best curve has Kd < 0 and Bmax < 0.
        const Values free = {1, 2, 3, 4, 5};
        Values convex;
        for (double f : free)
            convex.push_back(10 * f / (20 - f));
        QCOMPARE(outcome(free, convex, {-25, -12}), SaturationFit::NegativeEstimate);

        SaturationStart start;
        QVERIFY(!StartFromScatchardLine(1.0, 0.1, start));
        QVERIFY(!StartFromScatchardLine(-1.0, -0.1, start));
    }
};

VORNISH_TEST(SaturationFitTest)

#include "tst_saturation_fit.moc"
