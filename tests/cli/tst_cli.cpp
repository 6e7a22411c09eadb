#include "CliProcess.h"
#include "FileSizeLimit.h"
#include "TestMain.h"

#include "dynamic/ResultsReading.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/SimulationEngine.h"
#include "equilibrium/EquilibriumInput.h"
#include "scatchard/KdInterval.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace modVornish;

namespace {

// The samples of a run as the engine hands them to the results file.
std::vector<ResultRecord> engineSamples(const SimulationInput &input)
{
    std::vector<ResultRecord> samples;
    RunSimulation(input, [&](const ResultRecord &r) { samples.push_back(r); });
    return samples;
}

// 10 nM A and B, k_ass 1e6 /M/s, Kd 1 nM, 60 s in intervals of 10 s.
SimulationInput baseRun()
{
    SimulationInput in;
    in.initialA = 10e-9;
    in.initialB = 10e-9;
    in.kAss = 1e6;
    in.kDiss = 1e-3;
    in.endTime = 60;
    in.recordingInterval = 10;
    in.precisionFactor = PrecisionFactors[1];
    return in;
}

const QStringList baseArguments = {"simulate", "--unit", "M",    "--a", "1e-8",       "--b",  "10nM",       "--ab", "0",
                                   "--k-ass",  "1e6",    "--kd", "1nM", "--end-time", "1min", "--interval", "10"};

// baseArguments without an option and its value.
QStringList without(const QString &option)
{
    QStringList arguments = baseArguments;
    const int i = arguments.indexOf(option);
    arguments.erase(arguments.begin() + i, arguments.begin() + i + 2);
    return arguments;
}

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

// NIST's Misra1d: certified b1 = Bmax 4.3736970754E+02, b2 = 1 / Kd
// 3.0227324449E-04, residual SS 5.6419295283E-02 on 12 df.
const double misraX[] = {77.6,  114.9, 141.1, 190.8, 239.9, 289.0, 332.8,
                         378.4, 434.8, 477.3, 536.8, 593.1, 689.1, 760.0};
const double misraY[] = {10.07, 14.73, 17.94, 23.93, 29.61, 35.18, 40.02,
                         44.82, 50.76, 55.05, 61.01, 66.40, 75.47, 81.78};

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersion()
    {
        const CliRun help = RunCli({"--help"});
        QCOMPARE(help.exitCode, 0);
        for (const char *name : {"solve", "sweep", "scatchard", "fit", "simulate"}) {
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
    // Total A 6, Total B 7, Kd 1.5 uM), gives back that state.
    void solveGivesBackTheStateOnEveryPattern()
    {
        const double state[6] = {2, 6, 3, 7, 4, 1.5};
        const char *options[6] = {"--a", "--total-a", "--b", "--total-b", "--ab", "--kd"};
        const QVector<std::array<bool, 6>> patterns = AcceptedInputPatterns();
        QCOMPARE(patterns.size(), 11);
        for (const auto &uses : patterns) {
            QStringList arguments = {"solve", "--unit", "uM", "--format", "csv"};
            for (int i = 0; i < 6; ++i) {
                if (!uses[i])
                    continue;
                arguments << options[i] << QString::number(state[i]);
            }
            const CliRun run = RunCli(arguments);
            QCOMPARE(run.exitCode, 0);
            const std::vector<double> v = solvedValues(run);
            for (int i = 0; i < 6; ++i)
                QVERIFY2(relativeError(v[i], state[i]) < 1e-14, qPrintable(arguments.join(' ')));
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
            // Kd = 1e-600 M, below the smallest double; 1e300 M in fM, above
            // the largest: refused as the tool refuses them, never 0 or inf.
            {{"--unit", "M", "--a", "1e-200", "--b", "1e-200", "--ab", "1e200"}, "Enter numeric values."},
            {{"--unit", "fM", "--total-a", "1e300M", "--total-b", "1e300M", "--kd", "1M", "--format", "json"},
             "Enter numeric values."},
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
        const QStringList values = {huge,  "1e999", QString::fromLatin1("\x01\x7f\xff", 3), "12 parsecs", "0x10", "nan",
                                    "inf", "1,5"};
        for (const QString &value : values) {
            const CliRun run = RunCli({"solve", "--total-a", value, "--total-b", "1", "--kd", "1"});
            QVERIFY2(!run.crashed && run.exitCode == 1 && run.errLines().size() == 1, run.err.left(200));
            QVERIFY(run.errLines().first().size() < 200);
        }
    }

    // The curve spans the graph's range; each point is the closed-form
    // equilibrium of its totals.
    void sweepFollowsTheGraphsRangeAndTheClosedForm()
    {
        const CliRun run = RunCli({"sweep", "--total-a", "10", "--total-b", "5", "--kd", "3", "--over", "total-b",
                                   "--scale", "log", "--points", "41"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("log10 Total B (M),Total B (nM),A (nM),B (nM),[A/B] (nM)\n"));
        const auto rows = CsvNumbers(run.out);
        // log10(5e-9) = -8.3 rounds up to -8; four decades end one above it:
        // 41 points from -11 to -7.
        QCOMPARE(int(rows.size()), 41);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::vector<double> &r = rows[i];
            QVERIFY(std::fabs(r[0] - (-11 + 0.1 * double(i))) < 1e-12);
            QVERIFY(relativeError(r[1], std::pow(10.0, r[0]) / 1e-9) < 1e-14);
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

    // Points past the largest double in the unit part of the way: a
    // refusal and no table at all, not the points before them.
    void sweepIsCompleteOrAbsent()
    {
        const CliRun run = RunCli({"sweep", "--unit", "fM", "--total-a", "1nM", "--total-b", "1nM", "--kd", "1nM",
                                   "--scale", "log", "--from", "280", "--to", "300", "--format", "json"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QByteArray("vornish-cli: sweep: Enter numeric values.\n"));
        QVERIFY(run.out.isEmpty());
    }

    // Competition with depletion (Total B 12, Total A 10, Kd 10, Ki 1 nM):
    // [A/B] 4.33809621 nM without competitor; the curve falls all the way;
    // IC50 <-> Ki for Kd 17.92, Total A 5, Total B 30, Ki 10 nM; refusals
    // in the tool's words with status 1, usage errors with status 2.
    void competitionSubcommands()
    {
        const CliRun none = RunCli({"compete", "--total-a", "10", "--total-b", "12", "--kd", "10", "--ki", "1",
                                    "--format", "csv", "--no-header"});
        QCOMPARE(none.exitCode, 0);
        QVERIFY(std::fabs(CsvNumbers("h\n" + none.out)[0][3] - 4.33809621) < 5e-9);

        const CliRun sweep = RunCli(
            {"compete", "--total-a", "10", "--total-b", "12", "--kd", "10", "--ki", "1", "--sweep"});
        QCOMPARE(sweep.exitCode, 0);
        QVERIFY(sweep.out.startsWith("log10 Total C (M),Total C (nM),A (nM),B (nM),C (nM),[A/B] (nM),[C/B] (nM)\n"));
        const auto rows = CsvNumbers(sweep.out);
        QCOMPARE(int(rows.size()), 201);
        for (std::size_t i = 1; i < rows.size(); ++i)
            QVERIFY(rows[i][5] < rows[i - 1][5]);

        const CliRun forward = RunCli(
            {"ki", "--total-a", "5", "--total-b", "30", "--kd", "17.92", "--ki", "10", "--format", "json"});
        const double ic50 = QJsonDocument::fromJson(forward.out).object().value("IC50 (nM)").toDouble();
        QVERIFY(std::fabs(ic50 - 47.815) < 5e-4);
        const CliRun back = RunCli({"ki", "--total-a", "5", "--total-b", "30", "--kd", "17.92", "--ic50",
                                    QString::number(ic50, 'g', 17), "--format", "json"});
        const QJsonObject ki = QJsonDocument::fromJson(back.out).object();
        QVERIFY(std::fabs(ki.value("Ki exact (nM)").toDouble() - 10) < 1e-9);
        QVERIFY(std::fabs(ki.value("Ki Cheng-Prusoff (nM)").toDouble() - 37.38) < 5e-3);

        // The fits as CSV: a row per parameter with its unit, each fit under its name.
        const CliRun fit = RunCli({"fit-competition", "--total-a", "5", "--total-b", "30", "--kd", "17.92", "--format",
                                   "csv", "-"},
                                  "0.1,999.02\n1,990.11\n10,895.21\n31.6228,661.08\n100,306.03\n1000,76.46\n"
                                  "10000,52.65\n");
        QCOMPARE(fit.exitCode, 0);
        const QList<QByteArray> lines = fit.out.split('\n');
        const int exact = int(lines.indexOf("# Exact model (Total A, Total B and Kd fixed)\r"));
        QVERIFY2(exact > 0, fit.out.constData());
        QCOMPARE(lines[exact + 1], QByteArray("Parameter,Value,SE,Low,High,Unit\r"));
        QVERIFY(lines[exact + 2].startsWith("Ki,") && lines[exact + 2].endsWith(",nM\r"));
        QVERIFY(std::fabs(lines[exact + 2].split(',')[1].toDouble() - 10) < 0.02);

        const CliRun tooLow = RunCli({"ki", "--total-a", "1", "--total-b", "100", "--kd", "1", "--ic50", "90"});
        QCOMPARE(tooLow.exitCode, 1);
        QVERIFY(tooLow.err.startsWith("vornish-cli: ki: No Ki gives an IC50 this low."));
        QVERIFY(tooLow.out.isEmpty());
        const CliRun zone = RunCli({"ki", "--total-a", "1", "--total-b", "100", "--kd", "1", "--ic50", "100"});
        QCOMPARE(zone.exitCode, 0);
        QVERIFY(zone.err.contains("titration zone"));
        const CliRun negative = RunCli(
            {"compete", "--total-a", "1", "--total-b", "1", "--kd", "1", "--ki", "1", "--total-c", "-1"});
        QCOMPARE(negative.exitCode, 1);
        QCOMPARE(negative.err, QByteArray("vornish-cli: compete: Total C cannot be negative.\n"));
        for (const QStringList &arguments :
             {QStringList{"ki", "--total-a", "1", "--total-b", "1", "--kd", "1", "--ic50", "5", "--ki", "1"},
              QStringList{"compete", "--total-a", "1", "--total-b", "1", "--kd", "1"}})
            QCOMPARE(RunCli(arguments).exitCode, 2);
    }

    // Five noise-free association traces of k_ass 1e7 per M per s and k_diss
    // 0.01 per s (Kd 1 nM), each Y = Ymax (1 - exp(-(k_ass [L] + k_diss) t))
    // computed here: the constants come back; bad files exit 1 with the line.
    void fitKineticsFromAFile()
    {
        const double kAss = 1e7, kDiss = 1e-2;
        const std::vector<double> ligands = {50, 16.7, 5.56, 1.85, 0.617}; // nM
        QByteArray file = "Time";
        for (double l : ligands)
            file += ',' + QByteArray::number(l);
        file += '\n';
        for (int i = 0; i <= 60; ++i) {
            const double t = 10.0 * i;
            file += QByteArray::number(t);
            for (double l : ligands)
                file += ',' + QByteArray::number(l / (l + 1) * (1 - std::exp(-(kAss * l * 1e-9 + kDiss) * t)), 'g', 17);
            file += '\n';
        }
        const CliRun run = RunCli({"fit-kinetics", "-", "--baseline", "zero", "--format", "json"}, file);
        QCOMPARE(run.exitCode, 0);
        QMap<QString, double> values;
        for (const QJsonValue &c : QJsonDocument::fromJson(run.out).object().value("constants").toArray())
            values[c.toObject().value("name").toString()] = c.toObject().value("value").toDouble();
        QVERIFY2(relativeError(values.value("k_ass"), kAss) < 1e-8, run.out.constData());
        QVERIFY(relativeError(values.value("k_diss"), kDiss) < 1e-8);
        QVERIFY(relativeError(values.value("Kd"), 1.0) < 1e-8);

        for (const auto &[bad, line] : {std::pair<QByteArray, QByteArray>{"Time,50,5\n0,0,0\n1,2,3,4\n", "Line 3"},
                                        {"Time,50\n0,0\n5,0.2\n4,0.3\n", "Line 4"},
                                        {"Time,50\n0,0\n1,x\n", "Line 3"}}) {
            const CliRun refused = RunCli({"fit-kinetics", "-"}, bad);
            QCOMPARE(refused.exitCode, 1);
            QVERIFY2(refused.err.startsWith("vornish-cli: fit-kinetics: ") && refused.err.contains(line),
                     refused.err.constData());
            QVERIFY(refused.out.isEmpty());
        }
        QCOMPARE(RunCli({"fit-kinetics", "-", "--model", "quadratic"}, file).exitCode, 2);
        QCOMPARE(RunCli({"fit-kinetics"}).exitCode, 2);
    }

    void planSubcommand()
    {
        // Sites 1 nM, Kd 1 nM, ligand 1 nM: (3 - sqrt 5) / 2 of it bound.
        const CliRun one = RunCli({"plan", "--kd", "1", "--sites", "1", "--lowest", "1", "--highest", "2", "--points",
                                   "3", "--format", "csv"});
        QCOMPARE(one.exitCode, 0);
        const QList<QByteArray> lines = one.out.split('\n');
        QVERIFY(lines[0].startsWith("# Assay plan, concentrations in nM"));
        const QByteArray header = "Ligand (nM),Free ligand (nM),Sites occupied (%),Ligand bound (%)";
        int at = 0;
        while (at < lines.size() && !lines[at].startsWith(header))
            ++at;
        QVERIFY(at + 1 < lines.size());
        const QList<QByteArray> first = lines[at + 1].split(',');
        QCOMPARE(first[0].toDouble(), 1.0);
        QVERIFY(std::fabs(first[3].toDouble() - 50 * (3 - std::sqrt(5.0))) < 1e-9);
        QCOMPARE(first[4].toDouble(), 1.0);
        QVERIFY(one.out.contains("# Regime: intermediate: fit with the depletion model"));

        const CliRun competition = RunCli({"plan", "--experiment", "competition", "--kd", "1", "--sites", "2",
                                           "--labelled", "3", "--ki", "5", "--format", "json"});
        QCOMPARE(competition.exitCode, 0);
        const QJsonObject plan = QJsonDocument::fromJson(competition.out).object();
        // Cheng-Prusoff is 6 % off with the label at Kd and 300 pM sites, 11 % off with 500 pM.
        const QString sites = plan.value("Advised binding sites, at most").toString();
        QVERIFY2(sites.endsWith(" pM") && sites.chopped(3).toDouble() > 300 && sites.chopped(3).toDouble() < 500,
                 qPrintable(sites));
        QCOMPARE(plan.value("rows").toArray().size(), 12);
        QVERIFY(plan.value("rows").toArray()[0].toObject().contains("Competitor (nM)"));

        const CliRun precision = RunCli({"plan", "--kd", "1", "--sites", "0.001", "--cv", "5", "--simulations", "40"});
        QCOMPARE(precision.exitCode, 0);
        QVERIFY(precision.out.contains("Predicted 95 % interval of Kd (median width): "));

        const CliRun zero = RunCli({"plan", "--kd", "1", "--sites", "0"});
        QCOMPARE(zero.exitCode, 1);
        QVERIFY(zero.err.contains("binding-site concentration"));
        QVERIFY(zero.out.isEmpty());
        QCOMPARE(RunCli({"plan", "--sites", "1"}).exitCode, 2);
        QCOMPARE(RunCli({"plan", "--kd", "1", "--sites", "1", "--experiment", "other"}).exitCode, 2);
    }

    // The tool's worked example: slope -0.49 / 5, residual sum of squares
    // 2.8e-4 on 2 df, t = 4.3027; the window's four-decimal texts.
    void scatchardWorkedExample()
    {
        const QByteArray data = "Bound\tBound/Free\n1\t0.9\n2\t0.8\n\n# a comment\n3\t0.72\n4\t0.6\n";
        const CliRun run = RunCli({"scatchard", "--format", "json", "-"}, data);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        const QJsonObject r = QJsonDocument::fromJson(run.out).object();
        const double slope = -0.49 / 5, se = std::sqrt(2.8e-4 / 2 / 5);
        QVERIFY(relativeError(r["slope"].toDouble(), slope) < 1e-14);
        QVERIFY(relativeError(r["seSlope"].toDouble(), se) < 1e-12);
        QVERIFY(relativeError(r["kd"].toDouble(), -1 / slope) < 1e-14);
        const QJsonObject interval = r["interval"].toObject();
        QCOMPARE(interval["kind"].toString(), QStringLiteral("finite"));
        QVERIFY(relativeError(interval["low"].toDouble(), -1 / (slope - 4.3027 * se)) < 1e-12);
        QVERIFY(relativeError(interval["high"].toDouble(), -1 / (slope + 4.3027 * se)) < 1e-12);
        QCOMPARE(r["df"].toInt(), 2);
        QCOMPARE(modStatistics::OutputNumberText(r["intercept"].toDouble()), QStringLiteral("1.0"));
        QCOMPARE(modStatistics::OutputNumberText(r["seSlope"].toDouble()), QStringLiteral("0.0053"));
        QCOMPARE(modStatistics::OutputNumberText(r["kd"].toDouble()), QStringLiteral("10.2041"));
        QCOMPARE(modStatistics::OutputNumberText(interval["low"].toDouble()), QStringLiteral("8.2804"));
        QCOMPARE(modStatistics::OutputNumberText(interval["high"].toDouble()), QStringLiteral("13.2922"));
    }

    // The window's cases: each result text or refusal, warnings on
    // standard error with the results still given.
    void scatchardCases()
    {
        const struct
        {
            QByteArray data;
            int exitCode;
            const char *intervalOrRefusal;
            const char *warningStart;
        } cases[] = {
            {"1,3\n2,2\n3,1\n", 0, "1 nM < Kd < 1 nM", "The standard deviation of the slope equals zero."},
            {"1,1\n2,2\n3,3.1\n", 0, "Invalid", "The slope of the linear regression of the data is positive"},
            {"1,1\n2,2\n2.5,0.1\n", 0, "0.06467267680964314 nM < Kd < plus infinite",
             "The 95% confidence interval of the slope"},
            {"1,0.5\n2,0\n", 1, "You need at least three data points for statistical analysis of your data.",
             "line 2: Input is not valid."},
            {"", 1, "Input is not valid. Enter numeric values greater than zero for at least three data points.", ""},
            {"2,1\n2,2\n2,3\n", 1, "Input is not valid.", ""},
            {"1,2\n2,x\n", 1, "standard input, line 2: 'x' is not a number", ""},
            {"1,2,3\n", 1, "standard input, line 1: two numbers are needed", ""},
        };
        for (const auto &c : cases) {
            const CliRun run = RunCli({"scatchard", "-"}, c.data);
            QVERIFY2(run.exitCode == c.exitCode, c.data);
            const QList<QByteArray> err = run.errLines();
            if (c.exitCode == 0) {
                QVERIFY2(run.out.contains(QByteArray("95% Confidence interval for Kd:  ") + c.intervalOrRefusal + '\n'),
                         run.out);
            } else {
                QVERIFY(run.out.isEmpty());
                QVERIFY2(err.last().startsWith(QByteArray("vornish-cli: scatchard: ") + c.intervalOrRefusal), run.err);
            }
            if (*c.warningStart)
                QVERIFY2(err.first().startsWith(QByteArray("vornish-cli: scatchard: ") + c.warningStart), run.err);
        }
    }

    // Past the window's table (df 20) t is the exact quantile: 40-digit
    // references t(0.975, 21) = 2.0796138447276803951, t(0.975, 23) =
    // 2.0686576104190486515. A row with both values not above zero is
    // reported once.
    void scatchardPastTheTable()
    {
        const std::pair<int, double> cases[] = {{22, 2.086}, {23, 2.0796138447276803951}, {25, 2.0686576104190486515}};
        for (const auto &[n, t] : cases) {
            QByteArray rows = n == 25 ? "0,-1\n" : "";
            for (int i = 1; i < n + (n == 25 ? 0 : 1); ++i)
                rows += QByteArray::number(i) + ',' + QByteArray::number(100 - 3 * i + i % 3) + '\n';
            const CliRun run = RunCli({"scatchard", "--format", "json", "-"}, rows);
            QCOMPARE(run.exitCode, 0);
            const QJsonObject r = QJsonDocument::fromJson(run.out).object();
            QCOMPARE(r["n"].toInt(), n);
            QVERIFY2(relativeError(r["t"].toDouble(), t) < 1e-13, qPrintable(QString::number(n)));
            const double slope = r["slope"].toDouble(), se = r["seSlope"].toDouble();
            QVERIFY(relativeError(r["interval"].toObject()["low"].toDouble(), -1 / (slope - t * se)) < 1e-12);
            QCOMPARE(run.errLines().size(), n == 25 ? 1 : 0);
        }
    }

    // A million rows are read and fitted (t(0.975, 999998) is
    // 1.9599663568188515985); binary bytes and a line without end are
    // refused in one line.
    void scatchardTakesAnyFile()
    {
        QByteArray rows;
        for (int i = 1; i <= 1000000; ++i)
            rows += QByteArray::number(i) + ',' + QByteArray::number(2000000 - i) + '\n';
        const CliRun big = RunCli({"scatchard", "--format", "csv", "-"}, rows);
        QCOMPARE(big.exitCode, 0);
        const std::vector<double> r = CsvNumbers(big.out).at(0);
        QCOMPARE(r[1], -1.0);
        QCOMPARE(r[3], 999998.0);
        QVERIFY(relativeError(r[4], 1.9599663568188515985) < 1e-13);

        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary += char((i * 7919) % 256);
        for (const QByteArray &data : {binary, QByteArray(3 << 20, '7')}) {
            const CliRun run = RunCli({"scatchard", "-"}, data);
            QVERIFY(!run.crashed && run.exitCode == 1 && run.errLines().size() == 1);
            QVERIFY(run.err.size() < 300);
        }
    }

    // The Scatchard window's data saved in a project read as a data file is.
    void aProjectTableReadsAsAFileDoes()
    {
        // __FILE__ as the compiler was given it: relative to the folder the test was built in.
        const QString project = QDir(QCoreApplication::applicationDirPath())
                                    .filePath(QFileInfo(QStringLiteral(__FILE__)).path()
                                              + QStringLiteral("/../project/fixtures/format1.vornish"));
        const QByteArray data = "1,0.9\n2,0.8\n3,0.72\n4,0.6\n";
        for (const char *command : {"scatchard", "fit"}) {
            const CliRun fromFile = RunCli({command, "--format", "json", "-"}, data);
            const CliRun fromProject = RunCli(
                {command, "--format", "json", "--project", project, "--table", "Scatchard"});
            QCOMPARE(fromProject.exitCode, 0);
            QCOMPARE(fromProject.out, fromFile.out);
        }

        const CliRun noTable = RunCli({"scatchard", "--project", project, "--table", "Saturation"});
        QCOMPARE(noTable.exitCode, 1);
        QVERIFY(noTable.err.contains("has no table 'Saturation'; its tables: Scatchard"));
        QTemporaryDir folder;
        const QString text = folder.filePath(QStringLiteral("pairs.csv"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(data);
        file.close();
        const CliRun notProject = RunCli({"fit", "--project", text, "--table", "Scatchard"});
        QCOMPARE(notProject.exitCode, 1);
        QVERIFY(notProject.err.contains("not a Vornish project"));
        QCOMPARE(RunCli({"scatchard", "--project", project}).exitCode, 2);
        QCOMPARE(RunCli({"scatchard", "--project", project, "--table", "Scatchard", text}).exitCode, 2);
    }

    // Misra1d as pairs (Bound, Bound/Free); the refusals of data that define no curve.
    void fitAndComparison()
    {
        QByteArray data;
        for (int i = 0; i < 14; ++i)
            data += QByteArray::number(misraY[i], 'g', 17) + ',' + QByteArray::number(misraY[i] / misraX[i], 'g', 17)
                    + '\n';
        const CliRun run = RunCli({"fit", "--compare", "--format", "json", "-"}, data);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.isEmpty(), run.err);
        const QJsonObject both = QJsonDocument::fromJson(run.out).object();
        const QJsonObject fit = both["fit"].toObject();
        QVERIFY(relativeError(fit["bmax"].toDouble(), 4.3736970754E+02) < 1e-8);
        QVERIFY(relativeError(1 / fit["kd"].toDouble(), 3.0227324449E-04) < 1e-8);
        QVERIFY(relativeError(fit["residualSS"].toDouble(), 5.6419295283E-02) < 1e-8);
        QCOMPARE(fit["df"].toInt(), 12);
        QCOMPARE(both["scatchard"].toObject()["df"].toInt(), 12);
        QVERIFY(both["scatchardBmax"].toDouble() > 0);

        const CliRun csv = RunCli({"fit", "--compare", "--format", "csv", "-"}, data);
        const QList<QByteArray> lines = csv.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].count(','), lines[1].count(','));
        QVERIFY(lines[0].contains(",Scatchard Kd (nM),"));

        const CliRun few = RunCli({"fit", "-"}, "1,0.9\n2,0.8\n");
        QCOMPARE(few.exitCode, 1);
        QVERIFY(few.out.isEmpty());
        QCOMPARE(few.err, QByteArray("vornish-cli: fit: The curve fit needs at least three data points (Bound, "
                                     "Bound/Free).\n"));
        const CliRun line = RunCli({"fit", "-"}, "2,0.5\n4,0.5\n6,0.5\n");
        QCOMPARE(line.exitCode, 1);
        QVERIFY(line.err.startsWith("vornish-cli: fit: Kd and Bmax grow without bound"));
    }

    // The models' fit from X and replicate Y columns: Misra1d as (free,
    // bound), a model compared, the CSV of one row per parameter, a batch of
    // sets with one row each, and the refusals in words.
    void fitModelsFromColumns()
    {
        QByteArray data("free,bound\n");
        for (int i = 0; i < 14; ++i)
            data += QByteArray::number(misraX[i], 'g', 17) + ',' + QByteArray::number(misraY[i], 'g', 17) + '\n';
        const CliRun run = RunCli({"fit", "--columns", "free,bound", "--format", "json", "-"}, data);
        QCOMPARE(run.exitCode, 0);
        const QJsonObject fit = QJsonDocument::fromJson(run.out).object();
        const QJsonArray parameters = fit["parameters"].toArray();
        QCOMPARE(parameters[0].toObject()["name"].toString(), QStringLiteral("Bmax"));
        QVERIFY(relativeError(parameters[0].toObject()["value"].toDouble(), 4.3736970754E+02) < 1e-8);
        QVERIFY(relativeError(1 / parameters[1].toObject()["value"].toDouble(), 3.0227324449E-04) < 1e-8);
        QVERIFY(relativeError(fit["residualSS"].toDouble(), 5.6419295283E-02) < 1e-8);

        const CliRun csv = RunCli({"fit", "--columns", "free,bound", "--format", "csv", "-"}, data);
        const QList<QByteArray> lines = csv.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].trimmed(), QByteArray("Parameter,Value,SE,Low,High,Unit"));
        QVERIFY(lines[1].startsWith("Bmax,437.3697"));

        const CliRun compared = RunCli({"fit", "--columns", "free,bound", "--compare=two-site", "-"}, data);
        QCOMPARE(compared.exitCode, 0);
        QVERIFY2(compared.out.contains("The data support One site"), compared.out);

        // Two sets in one run, one row each; a set that cannot be fitted says why in its row.
        QByteArray batch("set,free,bound\n");
        for (int i = 0; i < 14; ++i)
            batch += "A," + QByteArray::number(misraX[i], 'g', 17) + ',' + QByteArray::number(misraY[i], 'g', 17)
                     + '\n';
        batch += "B,1,2\nB,2,3\n";
        const CliRun sets = RunCli({"fit", "--columns", "free,bound", "--format", "csv", "-"}, batch);
        QCOMPARE(sets.exitCode, 0);
        const QList<QByteArray> rows = sets.out.trimmed().split('\n');
        QCOMPARE(rows.size(), 3);
        QVERIFY(rows[0].startsWith("set,Bmax,SE(Bmax),Bmax low,Bmax high,Kd,"));
        QVERIFY(rows[1].startsWith("A,437.3697"));
        QVERIFY(rows[2].startsWith("B,,,"));
        QVERIFY(rows[2].contains("more data points"));

        const CliRun unknown = RunCli({"fit", "--model", "three-site", "-"}, data);
        QCOMPARE(unknown.exitCode, 2);
        const CliRun noNonspecific = RunCli({"fit", "--columns", "free,bound", "--model", "total-ns", "-"}, data);
        QCOMPARE(noNonspecific.exitCode, 1);
        QVERIFY(noNonspecific.err.contains("enter the nonspecific binding too"));
        const CliRun wide = RunCli({"fit", "--columns", "free,bound", "-"}, "1,2,3,4,5,6,7,8\n");
        QCOMPARE(wide.exitCode, 1);
        QVERIFY(wide.err.contains("line 1: at most 7 values"));
    }

    // The samples are the engine's doubles, events and competitor
    // included; a long run without events ends at the closed-form
    // equilibrium, with A + [A/B] kept exactly.
    void simulateStreamsTheEnginesSamples()
    {
        SimulationInput events = baseRun();
        events.events = {{20, 5e-9, EventTarget::A}, {30, -50e-9, EventTarget::B}, {40, 1e-9, EventTarget::AB}};
        SimulationInput competitor = baseRun();
        competitor.competitorChallenge = true;
        competitor.events = {{15, 20e-9, EventTarget::A}};
        competitor.precisionFactor = PrecisionFactors[0];
        const struct
        {
            QStringList extra;
            SimulationInput input;
        } cases[] = {
            {{}, baseRun()},
            {{"--event", "20,5nM", "--event", "0.5min,-50nM,B", "--event", "40s,1e-9M,AB"}, events},
            {{"--competitor", "--event", "15,-20nM,A", "--precision", "5"}, competitor},
        };
        for (const auto &c : cases) {
            const CliRun run = RunCli(baseArguments + c.extra);
            QCOMPARE(run.exitCode, 0);
            const auto rows = CsvNumbers(run.out);
            const std::vector<ResultRecord> samples = engineSamples(c.input);
            QCOMPARE(rows.size(), samples.size());
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const ResultRecord &s = samples[i];
                QCOMPARE(rows[i], (std::vector<double>{s.time, s.A, s.rA, s.B, s.rB, s.AB, s.rAB}));
            }
        }
        // End time 0: the sample at time 0 alone.
        QCOMPARE(CsvNumbers(RunCli(without("--end-time") + QStringList{"--end-time", "0"}).out),
                 (std::vector<std::vector<double>>{{0, 10e-9, -0.1e-9, 10e-9, -0.1e-9, 0, 0.1e-9}}));

        const CliRun longRun = RunCli({"simulate", "--a", "10", "--b", "5", "--ab", "0", "--k-ass", "1e6", "--kd", "3",
                                       "--end-time", "2h", "--interval", "1min", "--time-unit", "min", "--format",
                                       "json"});
        const QJsonArray samples = QJsonDocument::fromJson(longRun.out).array();
        QCOMPARE(samples.size(), 121);
        const QJsonObject last = samples.last().toObject();
        QCOMPARE(last["Time (min)"].toDouble(), 120.0);
        // x^2 - 18 x + 50 = 0 for the complex in nM.
        const double complex = 9 - std::sqrt(31.0);
        QVERIFY(relativeError(last["[A/B] (nM)"].toDouble(), complex) < 1e-9);
        QVERIFY(relativeError(last["A (nM)"].toDouble() + last["[A/B] (nM)"].toDouble(), 10) < 1e-12);
    }

    // What the wizard refuses, with its texts; a refused run writes no file.
    // 1 uM of A and B, k_ass 1e8, k_diss 1: the half-time is 8.3 ms, and at
    // 5 % precision with a 10 s interval the samples are off by 45 %.
    void kineticsSummarisesTheRun()
    {
        const QStringList run = {"kinetics", "--a",        "1uM", "--b",         "1uM", "--ab",
                                 "0",        "--k-ass",    "1e8", "--k-diss",    "1",   "--end-time",
                                 "100",      "--interval", "10",  "--precision", "5"};
        const CliRun text = RunCli(run);
        QCOMPARE(text.exitCode, 0);
        QVERIFY(text.out.contains("half-time of 8.32 ms, too short for the recording interval of 10 s"));
        QVERIFY(text.out.contains("At 5 % precision the simulated [A/B] deviates by up to 45 % from the exact"));

        const CliRun json = RunCli(run + QStringList{"--format", "json"});
        const QJsonObject o = QJsonDocument::fromJson(json.out).object();
        const QJsonObject segment = o["segments"].toArray().at(0).toObject();
        QVERIFY(std::fabs(segment["[A/B] half-time (s)"].toDouble() / 8.3162e-3 - 1) < 1e-4);
        QCOMPARE(qRound(o["largest deviation (%)"].toObject()["[A/B]"].toDouble()), 45);
        QCOMPARE(o["findings"].toArray().size(), 3); // the deviation, the Euler step, the half-time

        // The inputs are read as simulate reads them.
        QStringList missing = without("--ab");
        missing[0] = "kinetics";
        const CliRun refused = RunCli(missing);
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.err.contains("Please enter initial concentrations"));
    }

    void simulateRefusesWithTheWizardsTexts()
    {
        QTemporaryDir folder;
        const QString output = folder.filePath("run.csv");
        const struct
        {
            QStringList arguments;
            const char *text;
        } cases[] = {
            {without("--ab"), "Please enter initial concentrations (i.e. concentrations at t = 0) for all the "
                              "components of the equilibrium."},
            {without("--kd"), "You need to enter two out of three equilibrium constants."},
            {baseArguments + QStringList{"--k-diss", "1.002e-3"},
             "There is a conflict in the values that have been entered for the equilibrium constants."},
            {without("--end-time"), "Please enter a simulation end time (see 'Simulation time window')."},
            {without("--k-ass") + QStringList{"--k-diss", "1e-3", "--k-ass", "0"}, "Unexpected error #11 occurred"},
            {without("--interval") + QStringList{"--interval", "0"},
             "Enter a positive ( >0 ) numeric value for the Recording interval"},
            {baseArguments + QStringList{"--event", "5,1,C"}, "--event: the target 'C' is not A, B or AB"},
            {baseArguments
                 + QStringList{"--event", "1,1", "--event", "2,1", "--event", "3,1", "--event", "4,1", "--event",
                               "5,1"},
             "--event: at most four programmed events"},
        };
        for (const auto &c : cases) {
            const CliRun run = RunCli(c.arguments + QStringList{"--output", output});
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(run.errLines().size(), 1);
            QVERIFY2(run.err.startsWith(QByteArray("vornish-cli: simulate: ") + c.text), run.err);
            QVERIFY(!QFile::exists(output));
        }
        // Within 0.1 % the three constants agree.
        QCOMPARE(RunCli(baseArguments + QStringList{"--k-diss", "1.0009e-3"}).exitCode, 0);

        // 1e300 M of A is finite, but not in fM: refused, never "inf".
        QStringList huge = without("--a") + QStringList{"--a", "1e300M", "--output", output};
        huge[int(huge.indexOf("--unit")) + 1] = "fM";
        const CliRun run = RunCli(huge);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QByteArray("vornish-cli: simulate: a result is out of range in the unit of the output\n"));
        QVERIFY(!QFile::exists(output));
    }

    // A run of more recording intervals than the bound (a million, or
    // --max-intervals) is refused before it starts; the bound itself runs.
    void simulationLengthIsBounded()
    {
        const CliRun endless = RunCli(without("--end-time") + QStringList{"--end-time", "1e9"});
        QCOMPARE(endless.exitCode, 1);
        QCOMPARE(endless.err, QByteArray("vornish-cli: simulate: The simulation would take 100000000 recording "
                                         "intervals, more than the 1000000 allowed. Choose a longer recording "
                                         "interval or an earlier end time. (--max-intervals raises the bound)\n"));
        QVERIFY(endless.out.isEmpty());
        QCOMPARE(RunCli(baseArguments + QStringList{"--max-intervals", "5"}).exitCode, 1);
        const CliRun six = RunCli(baseArguments + QStringList{"--max-intervals", "6"});
        QCOMPARE(six.exitCode, 0);
        QCOMPARE(int(CsvNumbers(six.out).size()), 7);
        QCOMPARE(RunCli(baseArguments + QStringList{"--max-intervals", "2.5"}).exitCode, 1);
    }

    // A JSON or INI file holds the same run as the options; --results
    // writes a results file the program reads back, and nothing else.
    void simulateFromFilesIntoAResultsFile()
    {
        QTemporaryDir folder;
        const CliRun fromOptions = RunCli(baseArguments + QStringList{"--event", "30s,2nM,B"});
        const QByteArray json = R"({"unit": "M", "a": 1e-8, "b": "10nM", "ab": 0, "k_ass": 1e6, "Kd": "1nM",
                                    "end-time": "1min", "interval": 10, "events": [{"time": "30s", "change": "2nM",
                                    "target": "B"}]})";
        const QByteArray ini = "[Simulation]\nunit = M\na = 1e-8\nb = 10nM\nab = 0\nk-ass = 1e6\nkd = 1nM\n"
                               "end-time = 1min\ninterval = 10\nevent1 = 30s,2nM,B\n";
        for (const QByteArray &content : {json, ini}) {
            QFile file(folder.filePath("run.cfg"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            file.close();
            const CliRun run = RunCli({"simulate", "--config", file.fileName()});
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.out, fromOptions.out);
        }

        const QString results = folder.filePath("Temp.mdb");
        const CliRun run = RunCli(baseArguments + QStringList{"--results", results});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"run.cfg", "Temp.mdb"}));
        const std::vector<ResultRecord> samples = engineSamples(baseRun());
        ResultsReader reader(results, ResultsQuery(ResultsTable::AB), RateField);
        std::size_t rows = 0;
        for (; reader.next(); ++rows) {
            QCOMPARE(reader.time(), samples[rows].time);
            QCOMPARE(reader.value(), samples[rows].rAB);
        }
        QCOMPARE(rows, samples.size());
    }

    // A full disk behind standard output is a failure, not a success.
    void writeFailuresAreReported()
    {
        const CliRun run = RunCli({"solve", "--a", "1", "--b", "1", "--kd", "1"}, QByteArray(), QStringList(),
                                  "/dev/full");
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QByteArray("vornish-cli: solve: cannot write to standard output\n"));

        // A table that the disk cannot take whole is not written at all: the
        // earlier file stays. The results file is recreated at the start of
        // every run, as the window's is, and keeps what reached the disk.
        // Neither leaves anything beside it.
        QTemporaryDir folder;
        const QString table = folder.filePath("table.csv"), results = folder.filePath("Temp.mdb");
        const QStringList longRun = without("--interval") + QStringList{"--interval", "0.01"};
        for (const rlim_t room : {rlim_t(0), rlim_t(4096), rlim_t(65536)}) {
            for (const QString &path : {table, results}) {
                QFile earlier(path);
                QVERIFY(earlier.open(QIODevice::WriteOnly));
                earlier.write("earlier");
            }
            for (const char *option : {"--output", "--results"}) {
                const QString path = option == QByteArray("--output") ? table : results;
                CliRun run;
                {
                    const FileSizeLimit full(room);
                    run = RunCli(longRun + QStringList{option, path});
                }
                QCOMPARE(run.exitCode, 1);
                QVERIFY2(run.err.startsWith("vornish-cli: simulate: "), run.err);
                if (path == table) {
                    QFile earlier(path);
                    QVERIFY(earlier.open(QIODevice::ReadOnly));
                    QCOMPARE(earlier.readAll(), QByteArray("earlier"));
                }
            }
            QDir files(folder.path());
            QStringList left = files.entryList(QDir::Files | QDir::Hidden);
            left.removeAll("Temp.mdb");
            QCOMPARE(left, QStringList({"table.csv"}));
        }
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

VORNISH_TEST(CliTest)

#include "tst_cli.moc"
