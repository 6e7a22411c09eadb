#include "CliProcess.h"

#include "equilibrium/BindingCurve.h"
#include "equilibrium/EquilibriumInput.h"
#include "equilibrium/SolveEquilibrium.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>

using namespace modVornish;

namespace {

double relativeError(double value, double expected)
{
    return std::fabs(value - expected) / std::fabs(expected);
}

// The six values of "solve --format csv", in the unit asked for.
std::vector<double> solvedValues(const CliRun &run)
{
    const auto rows = CsvNumbers(run.out);
    return rows.size() == 1 ? rows[0] : std::vector<double>();
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersion()
    {
        const CliRun help = RunCli({"--help"});
        QCOMPARE(help.exitCode, 0);
        for (const char *name : {"solve", "sweep"}) {
            QVERIFY2(help.out.contains(QByteArray("\n  ") + name + ' '), name);
            const CliRun own = RunCli({name, "--help"});
            QCOMPARE(own.exitCode, 0);
            QVERIFY(own.out.startsWith(QByteArray("Usage: vornish-cli ") + name));
            for (const QByteArray &line : own.out.split('\n'))
                QVERIFY2(line.size() <= 79, line);
        }
        const CliRun version = RunCli({"--version"});
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.startsWith("vornish-cli ") && version.out.count('.') == 2);
    }

    void usageErrorsExitWithTwo()
    {
        const QList<QStringList> cases = {
            {},
            {"frobnicate"},
            {"solve", "--frobnicate", "1"},
            {"solve", "--kd"},
            {"solve", "--kd", "1", "--kd", "2"},
            {"solve", "--total-a", "1", "--total-b", "1", "--kd", "1", "--format", "xml"},
            {"solve", "extra"},
        };
        for (const QStringList &arguments : cases) {
            const CliRun run = RunCli(arguments);
            QVERIFY2(run.exitCode == 2 && run.errLines().size() == 1 && run.out.isEmpty(),
                     qPrintable(arguments.join(' ') + " -> " + run.err));
        }
    }

    // Total A = Total B = 10, Kd = 1: [A/B] = (21 - sqrt(41)) / 2, the
    // smaller root of x^2 - 21 x + 100 = 0.
    void solveMatchesTheClosedForm()
    {
        const CliRun run = RunCli({"solve", "--total-a", "10nM", "--total-b", "10", "--kd", "1", "--format", "csv"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("A (nM),Total A (nM),B (nM),Total B (nM),[A/B] (nM),Kd (nM)\n"));
        const std::vector<double> v = solvedValues(run);
        QCOMPARE(int(v.size()), 6);
        const double complex = (21 - std::sqrt(41.0)) / 2;
        QVERIFY(relativeError(v[4], complex) < 1e-15);
        QVERIFY(relativeError(v[0], 10 - complex) < 1e-15);
        QCOMPARE(v[0], v[2]);
        QCOMPARE(v[1], 10.0);
        QCOMPARE(v[5], 1.0);
    }

    // Every accepted pattern, from one known state (A 2, B 3, [A/B] 4,
    // Total A 6, Total B 7, Kd 1.5 uM), gives back that state; and the
    // printed numbers are the core's doubles exactly.
    void solveAgreesWithTheCoreOnEveryPattern()
    {
        const double state[6] = {2, 6, 3, 7, 4, 1.5};
        const char *options[6] = {"--a", "--total-a", "--b", "--total-b", "--ab", "--kd"};
        const QVector<std::array<bool, 6>> patterns = AcceptedInputPatterns();
        QCOMPARE(patterns.size(), 11);
        for (const auto &uses : patterns) {
            QStringList arguments = {"solve", "--unit", "uM", "--format", "csv"};
            GivenQuantities given;
            for (int i = 0; i < 6; ++i) {
                if (!uses[i])
                    continue;
                arguments << options[i] << QString::number(state[i]);
                given[i] = state[i] * 1e-6;
            }
            const CliRun run = RunCli(arguments);
            QCOMPARE(run.exitCode, 0);
            const std::vector<double> v = solvedValues(run);
            EquilibriumInput in = ChooseEquilibriumInput(given);
            SolveEquilibrium(in.A, in.Atot, in.B, in.Btot, in.AB, in.Kd, in.code);
            const double core[6] = {in.A, in.Atot, in.B, in.Btot, in.AB, in.Kd};
            for (int i = 0; i < 6; ++i) {
                QCOMPARE(v[i], core[i] / 1e-6);
                QVERIFY2(relativeError(v[i], state[i]) < 1e-14, qPrintable(arguments.join(' ')));
            }
        }
    }

    void solveRefusesWithTheToolsTexts()
    {
        const struct
        {
            QStringList arguments;
            const char *text;
        } cases[] = {
            {{"--total-a", "10", "--total-b", "10"},
             "Input does not meet program requirements. Do not enter non-numeric data, and make sure that one of the "
             "valid input combinations was used. Click on 'Help' in the menu bar for more information, or use the "
             "Equilibrium Tool Assistant."},
            {{"--total-a", "10", "--total-b", "10", "--kd", "0"},
             "Concentrations should be greater than zero. Check whether individual concentrations are less than "
             "'Total' (sum)values."},
            {{"--a", "5", "--total-a", "5", "--b", "1"},
             "The concentration of 'Total A' or 'Total B' cannot be lower than or equal to that of respectively 'A' "
             "or 'B'."},
            {{"--a", "2", "--total-a", "10", "--total-b", "5"},
             "The concentration of 'Total A' minus that of 'A' (= 'AB') should be smaller than 'Total B'."},
            {{"--total-a", "5", "--b", "2", "--total-b", "10"},
             "The concentration of 'Total B' minus that of 'B' (= 'AB') should be smaller than 'Total A'."},
        };
        for (const auto &c : cases) {
            const CliRun run = RunCli(QStringList{"solve"} + c.arguments);
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(run.errLines().size(), 1);
            QCOMPARE(run.errLines().first(), QByteArray("vornish-cli: solve: ") + c.text);
            QVERIFY(run.out.isEmpty());
        }
    }

    void malformedNumbersAreRefusedInOneLine()
    {
        const QString huge = QString(100000, QLatin1Char('9'));
        const QStringList values = {huge, "1e999", QString::fromLatin1("\x01\x7f\xff", 3), "12 parsecs", "0x10",
                                    "nan", "inf", "1,5"};
        for (const QString &value : values) {
            const CliRun run = RunCli({"solve", "--total-a", value, "--total-b", "1", "--kd", "1"});
            QVERIFY2(!run.crashed && run.exitCode == 1 && run.errLines().size() == 1, run.err.left(200));
            QVERIFY(run.errLines().first().size() < 200);
        }
    }

    // The curve is the core's sweep, point for point, over the graph's
    // range; each point is the closed-form equilibrium of its totals.
    void sweepFollowsTheGraphsRangeAndTheClosedForm()
    {
        const CliRun run = RunCli({"sweep", "--total-a", "10", "--total-b", "5", "--kd", "3", "--over", "total-b",
                                   "--scale", "log", "--points", "41"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("log10 Total B (M),Total B (nM),A (nM),B (nM),[A/B] (nM)\n"));
        const auto rows = CsvNumbers(run.out);
        CurveSweep sweep;
        AutomaticCurveRange(5e-9, 1e-9, true, sweep.xMin, sweep.xMax);
        // log10(5e-9) = -8.3 rounds up to -8; four decades end one above it.
        QCOMPARE(sweep.xMin, -11.0);
        QCOMPARE(sweep.xMax, -7.0);
        sweep.steps = 40;
        sweep.logScale = true;
        sweep.sweepTotalA = false;
        sweep.otherTotal = 10e-9;
        sweep.kd = 3e-9;
        std::vector<CurvePoint> core;
        SweepBindingCurve(sweep, [&](const CurvePoint &p) { core.push_back(p); });
        QCOMPARE(rows.size(), core.size());
        QCOMPARE(int(rows.size()), 41);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::vector<double> &r = rows[i];
            QCOMPARE(r[0], core[i].x);
            QCOMPARE(r[4], core[i].AB / 1e-9);
            const long double ta = 10, tb = r[1], kd = 3, sum = ta + tb + kd;
            const long double complex = 2 * ta * tb / (sum + std::sqrt(sum * sum - 4 * ta * tb));
            QVERIFY(relativeError(r[4], double(complex)) < 1e-14);
            QVERIFY(relativeError(r[2] + r[4], 10) < 1e-15);
        }
        const CliRun linear = RunCli({"sweep", "--total-a", "7", "--total-b", "5", "--kd", "3", "--format", "json"});
        const QJsonArray points = QJsonDocument::fromJson(linear.out).array();
        // 0 to 7 in steps of 0.035 added up, as on the graph: the sum passes
        // 7 by rounding before the 201st point, which is left out.
        QCOMPARE(points.size(), 200);
        QCOMPARE(points.first().toObject().value("[A/B] (nM)").toDouble(), 0.0);
        QVERIFY(std::fabs(points.last().toObject().value("Total A (nM)").toDouble() - 6.965) < 1e-12);
    }

    // A decimal comma locale changes neither what is read nor what is written.
    void numbersIgnoreTheLocale()
    {
        const CliRun run = RunCli({"solve", "--a", "2.5", "--b", "0.5", "--kd", "0.25", "--format", "json"},
                                  QByteArray(), {"LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject values = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(values.value("[A/B] (nM)").toDouble(), 5.0);
        QCOMPARE(values.value("Total A (nM)").toDouble(), 7.5);
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
