#include "tst_scatchard.h"

#include "platform/RuntimeFault.h"
#include "scatchard/KdInterval.h"
#include "scatchard/LinearRegression.h"
#include "scatchard/ScatchardInput.h"
#include "scatchard/StudentT.h"

#include <QLocale>

#include <cmath>
#include <random>

using namespace modStatistics;

namespace {

// An independent least-squares fit: the raw normal equations in quadruple
// precision (on values shifted by the first point, which is exact there),
// residuals by the direct formula.
LineFit quadReference(const std::vector<double> &x, const std::vector<double> &y)
{
    using Quad = __float128;
    const int n = int(x.size());
    Quad sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (int i = 0; i < n; ++i) {
        const Quad u = Quad(x[i]) - x[0];
        const Quad v = Quad(y[i]) - y[0];
        sx += u;
        sy += v;
        sxx += u * u;
        sxy += u * v;
    }
    const Quad slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    Quad sumX = 0, sumY = 0;
    for (int i = 0; i < n; ++i) {
        sumX += x[i];
        sumY += y[i];
    }
    const Quad intercept = (sumY - slope * sumX) / n;
    Quad ssRes = 0;
    for (int i = 0; i < n; ++i) {
        const Quad r = y[i] - (x[i] * slope + intercept);
        ssRes += r * r;
    }
    const Quad centredSxx = sxx - sx * sx / n;
    LineFit fit;
    fit.slope = double(slope);
    fit.intercept = double(intercept);
    fit.seSlope = std::sqrt(double(ssRes / (n - 2) / centredSxx));
    return fit;
}

bool agreesTo12Digits(double value, double reference)
{
    return std::fabs(value - reference) <= 1e-12 * std::fabs(reference);
}

std::vector<double> column(std::initializer_list<double> values) { return values; }

} // namespace

void StatisticsTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void StatisticsTest::workedExample()
{
    const auto x = column({1, 2, 3, 4});
    const auto y = column({0.9, 0.8, 0.72, 0.6});
    resetMessages();
    double intercept = 0, slope = 0, se = 0, t = 0;
    LinearRegression(4, x, y, intercept, slope, se);
    StudentT(0.025, 4, t);
    QVERIFY(scriptedMessages().shown.isEmpty());
    QCOMPARE(OutputNumberText(intercept), QStringLiteral("1.0"));
    QCOMPARE(OutputNumberText(slope), QStringLiteral("-0.098"));
    QCOMPARE(OutputNumberText(se), QStringLiteral("0.0053"));
    QCOMPARE(t, 4.3027);
    QCOMPARE(OutputNumberText(KdOfSlope(slope)), QStringLiteral("10.2041"));
    QCOMPARE(KdIntervalText(KdConfidenceInterval(slope, se, t), QStringLiteral("nM")),
             QStringLiteral("8.2804 nM < Kd < 13.2922 nM"));
}

void StatisticsTest::perfectFitAndRoundingCollinear()
{
    resetMessages();
    double intercept = 0, slope = 0, se = 1, t = 0;
    LinearRegression(3, column({1, 2, 3}), column({3, 2, 1}), intercept, slope, se);
    StudentT(0.025, 3, t);
    QCOMPARE(intercept, 4.0);
    QCOMPARE(slope, -1.0);
    QCOMPARE(se, 0.0);
    QCOMPARE(t, 12.7062);
    QCOMPARE(scriptedMessages().shown.size(), 1);
    const Messages::Request shown = scriptedMessages().shown.first();
    QCOMPARE(shown.text, QStringLiteral("The standard deviation of the slope equals zero. \r\n"
                                        "Therefore, the best fit is a perfect fit."));
    QCOMPARE(shown.title, QStringLiteral("Statistical analysis not necessary"));
    QCOMPARE(shown.icon, Messages::Icon::Exclamation);
    QCOMPARE(shown.buttons, Messages::Buttons::Ok);
    QCOMPARE(KdIntervalText(KdConfidenceInterval(slope, se, t), QStringLiteral("nM")),
             QStringLiteral("1.0 nM < Kd < 1.0 nM"));

    // As doubles these three points are not exactly collinear: a residual
    // of the order of 1e-17 is no perfect fit.
    resetMessages();
    const LineFit nearly = FitLine(3, column({0.1, 0.2, 0.3}), column({0.3, 0.2, 0.1}));
    QVERIFY(!nearly.perfectFit);
    QVERIFY(nearly.seSlope > 0 && nearly.seSlope < 1e-14);
    LinearRegression(3, column({0.1, 0.2, 0.3}), column({0.3, 0.2, 0.1}), intercept, slope, se);
    QVERIFY(scriptedMessages().shown.isEmpty());
}

void StatisticsTest::matchesIndependentLeastSquares_data()
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

void StatisticsTest::matchesIndependentLeastSquares()
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

void StatisticsTest::faultsEndTheComputation()
{
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, FitLine(3, column({2, 2, 2}), column({1, 2, 3})));
    try {
        FitLine(3, column({2, 2, 2}), column({1, 2, 3}));
    } catch (const RuntimeFault &f) {
        QCOMPARE(f.number(), int(RuntimeFault::DivisionByZero));
    }
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, FitLine(3, column({1e200, 2e200, 4e200}), column({1, 2, 3})));
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, FitLine(3, column({1, 2, 3}), column({1e300, -1e300, 1e300})));
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, KdOfSlope(0.0));
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, KdOfSlope(1e-320));
}

void StatisticsTest::studentTable()
{
    const double expected[] = {12.7062, 4.3027, 3.1824, 2.7764, 2.5706, 2.4469, 2.3646, 2.306, 2.2622, 2.2281,
                               2.201,   2.1788, 2.1604, 2.1448, 2.1315, 2.1199, 2.1098, 2.1009, 2.093,  2.086};
    for (int df = 1; df <= 20; ++df) {
        double t = 0;
        StudentT(0.025, df + 2, t);
        QCOMPARE(t, expected[df - 1]);
    }
    double t = -7;
    StudentT(0.025, 23, t);
    QCOMPARE(t, 1.96);
    t = -7;
    StudentT(0.05, 10, t);
    QCOMPARE(t, -7.0);
    StudentT(0.025, 2, t);
    QCOMPARE(t, -7.0);
}

void StatisticsTest::intervalCases()
{
    // The slope interval straddles 0: open above.
    const KdInterval open = KdConfidenceInterval(-0.1, 0.05, 4.3027);
    QCOMPARE(open.kind, KdInterval::OpenAbove);
    QCOMPARE(KdIntervalText(open, QStringLiteral("\u00B5M")), QStringLiteral("3.1732 \u00B5M < Kd < plus infinite"));

    // A positive slope, and a zero slope with a straddling interval, are invalid.
    QCOMPARE(KdIntervalText(KdConfidenceInterval(0.2, 0.01, 2.0), QStringLiteral("nM")), QStringLiteral("Invalid"));
    QCOMPARE(KdConfidenceInterval(0.0, 1.0, 2.0).kind, KdInterval::Invalid);
    QCOMPARE(OutputNumberText(KdOfSlope(0.2)), QStringLiteral("-5.0"));

    // Bounds whose Kd is out of range are faults, never an infinite label.
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, KdConfidenceInterval(-1e-309, 0.0, 2.0));
}

void StatisticsTest::cellReading()
{
    QCOMPARE(ReadCellNumber(QStringLiteral(" 1 2.5")), 12.5);
    QCOMPARE(ReadCellNumber(QStringLiteral("\t-3\n")), -3.0);
    QCOMPARE(ReadCellNumber(QStringLiteral("1.5D2")), 150.0);
    QCOMPARE(ReadCellNumber(QStringLiteral("2e-1abc")), 0.2);
    QCOMPARE(ReadCellNumber(QStringLiteral("5 nM")), 5.0);
    QCOMPARE(ReadCellNumber(QStringLiteral(".5.5")), 0.5);
    QCOMPARE(ReadCellNumber(QStringLiteral("abc")), 0.0);
    QCOMPARE(ReadCellNumber(QString()), 0.0);
    QCOMPARE(ReadCellNumber(QStringLiteral("   ")), 0.0);
    QVERIFY_THROWS_EXCEPTION(RuntimeFault, ReadCellNumber(QStringLiteral("1e400")));

    // What the program writes in a decimal-comma locale reads back.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(ReadCellNumber(QStringLiteral("1,25")), 1.25);
    QCOMPARE(ReadCellNumber(QStringLiteral("1.25")), 1.25);
}

void StatisticsTest::dataRowsAndRequirements()
{
    using Rows = QList<DataRowText>;
    const Rows gap{{"1", "0.9"}, {"2", "0.8"}, {"3", "0.7"}, {"", ""}, {"5", "0.5"}};
    QCOMPARE(CountDataRows(gap), 3);
    QCOMPARE(CountDataRows(Rows{{" ", ""}, {"", "1"}}), 1);
    QCOMPARE(CountDataRows(Rows(25, DataRowText{"1", "1"})), 20);

    QCOMPARE(InputRequirementsText(Rows(20)),
             QStringLiteral("The Scatchard Analysis Tool needs at least three data points         (Bound, Bound/Free)."));
    QCOMPARE(InputRequirementsText(Rows{{"2", "0.5"}, {"", ""}}),
             QStringLiteral("Add at least two more data points (Bound, Bound/Free)."));
    QCOMPARE(InputRequirementsText(Rows{{"2", "0.5"}, {" 0 ", "1"}}),
             QStringLiteral("Add at least one more data point (Bound, Bound/Free)."));
    QCOMPARE(InputRequirementsText(gap), QStringLiteral("Click the Analyze button to perform the Scatchard Analysis."));
    QCOMPARE(InputRequirementsText(Rows{{"2", "0.5"}, {"abc", ""}}),
             QStringLiteral("Enter numeric values greater than zero."));
    QCOMPARE(InputRequirementsText(Rows{{"2", "0.5"}, {"3", ""}}),
             QStringLiteral("Enter the corresponding Bound/Free ratio for each Bound value."));
    // A bad value later on outranks a missing ratio earlier; 5 nM and -1 fail the strict test.
    QCOMPARE(InputRequirementsText(Rows{{"2", ""}, {"5 nM", "1"}}),
             QStringLiteral("Enter numeric values greater than zero."));
    QCOMPARE(InputRequirementsText(Rows{{"2", "-1"}}), QStringLiteral("Enter numeric values greater than zero."));
    QCOMPARE(InputRequirementsText(Rows{{"1e400", "1"}}), QStringLiteral("Enter numeric values greater than zero."));
}
