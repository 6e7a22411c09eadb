#include "TestFixture.h"
#include "TestMain.h"

#include "platform/RuntimeFault.h"
#include "scatchard/KdInterval.h"
#include "scatchard/LinearRegression.h"
#include "scatchard/ScatchardInput.h"

#include <cmath>
#include <random>

using namespace modStatistics;

namespace {

// An independent least-squares fit: the raw normal equations in quadruple
// precision (on values shifted by the first point, exact there), residuals
// by the direct formula.
LineFit quadReference(const std::vector<double> &x, const std::vector<double> &y)
{
    using Quad = __float128;
    const int n = int(x.size());
    Quad su = 0, sv = 0, suu = 0, suv = 0, sumX = 0, sumY = 0;
    for (int i = 0; i < n; ++i) {
        const Quad u = Quad(x[i]) - x[0], v = Quad(y[i]) - y[0];
        su += u;
        sv += v;
        suu += u * u;
        suv += u * v;
        sumX += x[i];
        sumY += y[i];
    }
    const Quad slope = (n * suv - su * sv) / (n * suu - su * su);
    const Quad intercept = (sumY - slope * sumX) / n;
    Quad ssRes = 0;
    for (int i = 0; i < n; ++i) {
        const Quad r = y[i] - (x[i] * slope + intercept);
        ssRes += r * r;
    }
    return {double(intercept), double(slope), std::sqrt(double(ssRes / (n - 2) / (suu - su * su / n))), false};
}

bool agreesTo12Digits(double value, double reference)
{
    return std::fabs(value - reference) <= 1e-12 * std::fabs(reference);
}

} // namespace

class StatisticsTest : public QObject
{
    Q_OBJECT

private slots:
    void perfectFitOnlyWhenResidualsAreExactlyZero()
    {
        resetMessages();
        double intercept = 0, slope = 0, se = 1;
        LinearRegression(3, {1, 2, 3}, {3, 2, 1}, intercept, slope, se);
        QCOMPARE(intercept, 4.0);
        QCOMPARE(slope, -1.0);
        QCOMPARE(se, 0.0);
        QCOMPARE(scriptedMessages().shown.size(), 1);
        const Messages::Request shown = scriptedMessages().shown.first();
        QCOMPARE(shown.text, QStringLiteral("The standard deviation of the slope equals zero. \r\n"
                                            "Therefore, the best fit is a perfect fit."));
        QCOMPARE(shown.title, QStringLiteral("Statistical analysis not necessary"));
        QCOMPARE(shown.icon, Messages::Icon::Exclamation);

        // As doubles these points are collinear only within rounding (1e-17).
        resetMessages();
        LinearRegression(3, {0.1, 0.2, 0.3}, {0.3, 0.2, 0.1}, intercept, slope, se);
        QVERIFY(scriptedMessages().shown.isEmpty());
        QVERIFY(se > 0 && se < 1e-14);
    }

    void matchesIndependentLeastSquares_data()
    {
        QTest::addColumn<double>("xBase");
        QTest::addColumn<double>("xStep");
        QTest::addColumn<double>("slope");
        QTest::addColumn<double>("intercept");
        QTest::addColumn<double>("noise");
        QTest::addColumn<int>("n");
        QTest::newRow("typical nM") << 1.0 << 2.5 << -0.098 << 1.0 << 0.02 << 8;
        QTest::newRow("large close Bound") << 1e6 << 0.25 << -0.1 << 1e5 + 3 << 0.01 << 12;
        QTest::newRow("very large close Bound") << 1e9 << 0.001 << -2.0 << 2e9 << 1e-4 << 20;
        QTest::newRow("small intercept by cancellation") << 1e6 << 1.0 << 1.0 << 0.5 << 0.1 << 10;
        QTest::newRow("molar magnitudes") << 1e-9 << 3e-10 << -1e8 << 0.3 << 1e-3 << 15;
        QTest::newRow("weak correlation") << 10.0 << 1.0 << -1e-4 << 5.0 << 1.0 << 20;
        QTest::newRow("nearly perfect") << 1.0 << 1.0 << -0.5 << 10.0 << 1e-12 << 6;
        QTest::newRow("three points") << 3.0 << 7.0 << -3.0 << 40.0 << 0.5 << 3;
    }

    void matchesIndependentLeastSquares()
    {
        QFETCH(double, xBase);
        QFETCH(double, xStep);
        QFETCH(double, slope);
        QFETCH(double, intercept);
        QFETCH(double, noise);
        QFETCH(int, n);
        std::mt19937_64 random(12345);
        std::uniform_real_distribution<double> jitter(-1.0, 1.0);
        for (int trial = 0; trial < 25; ++trial) {
            std::vector<double> x(n), y(n);
            for (int i = 0; i < n; ++i) {
                x[i] = xBase + xStep * (i + 0.3 * jitter(random));
                y[i] = intercept + slope * x[i] + noise * jitter(random) * std::fabs(intercept + slope * x[i]);
            }
            const LineFit fit = FitLine(quint8(n), x, y);
            const LineFit reference = quadReference(x, y);
            QVERIFY2(agreesTo12Digits(fit.slope, reference.slope), qPrintable(QString::number(trial)));
            QVERIFY2(agreesTo12Digits(fit.intercept, reference.intercept), qPrintable(QString::number(trial)));
            QVERIFY2(agreesTo12Digits(fit.seSlope, reference.seSlope), qPrintable(QString::number(trial)));
        }
    }

    // NIST StRD linear regression, Norris (ozone monitor calibration, 36
    // points): the certified estimates, 15 significant digits.
    void matchesTheCertifiedNorrisFit()
    {
        const std::vector<double> x = {0.2, 337.4, 118.2, 884.6, 10.1,  226.5, 666.3, 996.3, 448.6, 777.0, 558.2, 0.4,
                                       0.6, 775.5, 666.9, 338.0, 447.5, 11.6,  556.0, 228.1, 995.8, 887.6, 120.2, 0.3,
                                       0.3, 556.8, 339.1, 887.2, 999.0, 779.0, 11.1,  118.3, 229.2, 669.1, 448.9, 0.5};
        const std::vector<double> y = {0.1, 338.8, 118.1, 888.0, 9.2,   228.1, 668.5, 998.5, 449.1, 778.9, 559.2, 0.3,
                                       0.1, 778.1, 668.8, 339.3, 448.9, 10.8,  557.7, 228.3, 998.0, 888.8, 119.6, 0.3,
                                       0.6, 557.6, 339.3, 888.0, 998.5, 778.9, 10.2,  117.6, 228.9, 668.4, 449.2, 0.2};
        const LineFit fit = FitLine(36, x, y);
        QVERIFY(agreesTo12Digits(fit.intercept, -0.262323073774029));
        QVERIFY(agreesTo12Digits(fit.slope, 1.00211681802045));
        QVERIFY(agreesTo12Digits(fit.seSlope, 0.429796848199937e-3));
    }

    // Equal Bound values, numbers out of range and a Kd beyond double
    // precision are faults, which the analysis turns into its message.
    void faultsOfTheStatistics()
    {
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, FitLine(3, {2, 2, 2}, {1, 2, 3}));
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, FitLine(3, {1e200, 2e200, 4e200}, {1, 2, 3}));
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, FitLine(3, {1, 2, 3}, {1e300, -1e300, 1e300}));
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, KdOfSlope(1e-320));
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, KdConfidenceInterval(-1e-309, 0.0, 2.0));
    }

    void inputRequirements()
    {
        using Rows = QList<DataRowText>;
        const QString numeric = QStringLiteral("Enter numeric values greater than zero.");
        QCOMPARE(InputRequirementsText(Rows{{"2", "0.5"}, {" 0 ", "1"}}),
                 QStringLiteral("Add at least one more data point (Bound, Bound/Free)."));
        QCOMPARE(InputRequirementsText(Rows{{"1", "1"}, {"2", "1"}, {"3", "1"}, {"x", ""}}),
                 QStringLiteral("Click the Analyze button to perform the Scatchard Analysis."));
        // A bad value later outranks a missing ratio earlier; "5 nM", -1
        // and an out-of-range number fail the whole-text test.
        QCOMPARE(InputRequirementsText(Rows{{"2", ""}, {"5 nM", "1"}}), numeric);
        QCOMPARE(InputRequirementsText(Rows{{"2", "-1"}}), numeric);
        QCOMPARE(InputRequirementsText(Rows{{"1e400", "1"}}), numeric);
    }
};

VORNISH_TEST(StatisticsTest)

#include "tst_statistics.moc"
