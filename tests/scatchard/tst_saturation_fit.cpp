#include "ScatchardTesting.h"
#include "TestMain.h"

#include "fitting/StudentQuantile.h"
#include "scatchard/SaturationFit.h"
#include "scatchard/SaturationModels.h"
#include "scatchard/SaturationPlots.h"

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

SaturationModelFit fitted(SaturationModel model, const Values &x, const Values &y, const Values &nsX = {},
                          const Values &nsY = {}, double sites = 0, bool profiles = true)
{
    SaturationData data;
    data.binding = {x, y, {}};
    data.nonspecific = {nsX, nsY, {}};
    data.sites = sites;
    Fitting::FitOptions options;
    options.profileIntervals = profiles;
    return FitSaturationModel(model, data, options);
}

// n X values from `from` to `to`, evenly spaced in log.
Values logSpaced(double from, double to, int n)
{
    Values x;
    for (int i = 0; i < n; ++i)
        x.push_back(from * std::pow(to / from, double(i) / (n - 1)));
    return x;
}

} // namespace

// The saturation curve beside the Scatchard analysis and the saturation
// models, against values known independently of the code.
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
        const Values free = {1 / 0.9, 2 / 0.8, 3 / 0.72, 4 / 0.6};
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
    // words by the window (tst_scatchard_window); the other outcomes here.
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

    // Noise-free two-site data in three pairs of units: every parameter to 1e-8.
    void twoSitesExactAtEveryScale_data()
    {
        QTest::addColumn<double>("xScale");
        QTest::addColumn<double>("yScale");
        QTest::newRow("nM, fmol") << 1.0 << 1.0;
        QTest::newRow("M, mol") << 1e-9 << 1e-15;
        QTest::newRow("pM, cpm") << 1e3 << 1e4;
    }
    void twoSitesExactAtEveryScale()
    {
        QFETCH(double, xScale);
        QFETCH(double, yScale);
        const double bmax1 = 100 * yScale, kd1 = 1 * xScale, bmax2 = 300 * yScale, kd2 = 30 * xScale;
        const Values x = logSpaced(0.05 * xScale, 300 * xScale, 16);
        Values y;
        for (double v : x)
            y.push_back(bmax1 * v / (kd1 + v) + bmax2 * v / (kd2 + v));
        // Noise-free: no scatter to draw a profile from.
        const SaturationModelFit fit = fitted(SaturationModel::TwoSites, x, y, {}, {}, 0, false);
        QVERIFY2(fit.problem.isEmpty(), qPrintable(fit.problem));
        QVERIFY(!fit.unresolved);
        QVERIFY_NEAR(fit.result.value(0), bmax1, 1e-8);
        QVERIFY_NEAR(fit.result.value(1), kd1, 1e-8);
        QVERIFY_NEAR(fit.result.value(2), bmax2, 1e-8);
        QVERIFY_NEAR(fit.result.value(3), kd2, 1e-8);
    }

    // One-site data with a little scatter: two sites unresolved, one site preferred.
    void oneSiteDataLeaveTheSecondSiteUnresolved()
    {
        Values x, y;
        oneSiteWithScatter(x, y);
        const SaturationModelFit one = fitted(SaturationModel::OneSite, x, y);
        const SaturationModelFit two = fitted(SaturationModel::TwoSites, x, y);
        QVERIFY(one.problem.isEmpty());
        QVERIFY(two.unresolved);
        QVERIFY(two.problem.startsWith(QStringLiteral("The second site is not resolved")));
        const SaturationVerdict verdict = CompareSaturationFits(one, two);
        QVERIFY(verdict.prefersFirst);
        QVERIFY2(verdict.sentence.startsWith(QStringLiteral("The data support One site")),
                 qPrintable(verdict.sentence));
        if (verdict.compared) {
            QVERIFY(verdict.nested);
            QVERIFY(!verdict.comparison.prefersSecond);
            QVERIFY(verdict.comparison.probabilityFirst > verdict.comparison.probabilitySecond);
        }
    }

    // Total and nonspecific binding fitted together recover the curve exactly;
    // with scatter, subtracting nonspecific point by point gives another Kd.
    void totalAndNonspecificTogetherAgainstSubtraction()
    {
        const double bmax = 200, kd = 5, ns = 2, background = 10;
        const Values x{0.5, 1, 2, 3, 5, 7.5, 10, 15, 20, 30, 45, 60};
        Values total, nonspecific;
        for (double v : x) {
            total.push_back(bmax * v / (kd + v) + ns * v + background);
            nonspecific.push_back(ns * v + background);
        }
        const SaturationModelFit exact = fitted(SaturationModel::TotalAndNonspecific, x, total, x, nonspecific, 0,
                                                false);
        QVERIFY2(exact.problem.isEmpty(), qPrintable(exact.problem));
        const double truth[] = {bmax, kd, ns, background};
        for (int p = 0; p < 4; ++p)
            QVERIFY_NEAR(exact.result.value(p), truth[p], 1e-8);

        const Values noise{3.1, -2.4, 1.7, -4.0, 2.2, 0.6, -1.8, 3.5, -2.9, 1.1, -0.7, 2.6};
        Values noisyTotal = total, noisyNs = nonspecific, specific;
        for (size_t i = 0; i < x.size(); ++i) {
            noisyTotal[i] += noise[i];
            noisyNs[i] -= noise[(i + 5) % noise.size()];
            specific.push_back(noisyTotal[i] - noisyNs[i]);
        }
        const SaturationModelFit together = fitted(SaturationModel::TotalAndNonspecific, x, noisyTotal, x, noisyNs);
        // The one-site fit of the specific binding by subtraction, worked out here.
        const double bySubtraction = std::exp(IndependentProfile{x, specific}.bestLogKd(std::log(1e-3), std::log(1e3)));
        QVERIFY(together.problem.isEmpty());
        QVERIFY2(std::fabs(together.result.value(1) - bySubtraction) > 1e-3 * kd,
                 qPrintable(QStringLiteral("%1 and %2").arg(together.result.value(1)).arg(bySubtraction)));
        // No nonspecific data: said, not fitted.
        QVERIFY(!fitted(SaturationModel::TotalAndNonspecific, x, total).problem.isEmpty());
    }

    // Hill slope and ligand depletion on noise-free data made here.
    void hillAndDepletionRecoverTheirParameters()
    {
        const Values x = logSpaced(0.1, 100, 12);
        Values hill;
        for (double v : x)
            hill.push_back(80 * std::pow(v, 1.7) / (std::pow(6.0, 1.7) + std::pow(v, 1.7)));
        const SaturationModelFit h = fitted(SaturationModel::Hill, x, hill, {}, {}, 0, false);
        QVERIFY(h.problem.isEmpty());
        QVERIFY_NEAR(h.result.value(0), 80, 1e-8);
        QVERIFY_NEAR(h.result.value(1), 6, 1e-8);
        QVERIFY_NEAR(h.result.value(2), 1.7, 1e-8);

        // Bound from the quadratic, in long double: 20 sites, Kd 2, X total ligand.
        const long double sites = 20, kd = 2;
        Values bound;
        for (double v : x) {
            const long double s = v + sites + kd;
            bound.push_back(double((s - std::sqrt(s * s - 4 * v * sites)) / 2));
        }
        const SaturationModelFit both = fitted(SaturationModel::Depletion, x, bound, {}, {}, 0, false);
        QVERIFY2(both.problem.isEmpty(), qPrintable(both.problem));
        QVERIFY_NEAR(both.result.value(0), 20, 1e-8);
        QVERIFY_NEAR(both.result.value(1), 2, 1e-8);
        const SaturationModelFit entered = fitted(SaturationModel::Depletion, x, bound, {}, {}, 20, false);
        QVERIFY2(entered.problem.isEmpty(), qPrintable(entered.problem));
        QVERIFY(entered.result.parameters[0].fixed);
        QVERIFY_NEAR(entered.result.value(1), 2, 1e-8);
    }

    void warningsOfExtrapolationAndPlateau()
    {
        // Kd 50 with the highest X at 40: Bmax is an extrapolation, and most points lie below Kd.
        const Values x = logSpaced(1, 40, 10);
        const Values noise{0.3, -0.2, 0.1, -0.4, 0.2, 0.3, -0.1, -0.3, 0.2, -0.1};
        Values y;
        for (size_t i = 0; i < x.size(); ++i)
            y.push_back(100 * x[i] / (50 + x[i]) + noise[i]);
        const QStringList warnings = SaturationWarnings(fitted(SaturationModel::OneSite, x, y));
        QVERIFY2(warnings.size() >= 2, qPrintable(warnings.join('\n')));
        QVERIFY(warnings[0].startsWith(QStringLiteral("The highest X (40.0) is below 3 × Kd")));
        QVERIFY(warnings[1].startsWith(QStringLiteral("Fewer points lie above Kd (0) than below it (10)")));
    }

    // The Scatchard view shows the points as fitted: each replicate, or the
    // rows' means (1, 2, 3 at X 1 give Bound 2, Bound/Free 2).
    void scatchardViewShowsTheMeansWhenMeansAreFitted()
    {
        SaturationPlotData data;
        data.binding.x = {1, 4};
        data.binding.y = {{1, 2, 3}, {3, 4, std::nan("")}};
        for (bool means : {false, true}) {
            data.means = means;
            const modPlot_Graph::SeriesPlot plot = TransformedPlot(BindingView::Scatchard, data, {});
            const modPlot_Graph::PlotSeries &points = plot.series.front();
            QCOMPARE(points.x.size(), means ? size_t(2) : size_t(5));
            if (means) {
                QCOMPARE(points.x, (std::vector<double>{2, 3.5}));
                QCOMPARE(points.y, (std::vector<double>{2, 3.5 / 4}));
            }
        }
    }
};

VORNISH_TEST(SaturationFitTest)

#include "tst_saturation_fit.moc"
