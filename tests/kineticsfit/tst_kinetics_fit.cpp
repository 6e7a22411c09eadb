#include "KineticsTesting.h"
#include "TestMain.h"

#include "dynamic/SimulationIntoFile.h"
#include "kineticsfit/CompetitiveCourse.h"
#include "kineticsfit/KineticModels.h"
#include "kineticsfit/KineticsFit.h"
#include "kineticsfit/KineticsFitReport.h"
#include "kineticsfit/KineticsFitTexts.h"
#include "kineticsfit/TraceFromResults.h"
#include "kineticsfit/TraceReader.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace KineticsFit;
using namespace KineticsTesting;

namespace {

// k_ass 1e7 per M per s (0.01 per nM per s), k_diss 0.01 per s: Kd 1 nM.
constexpr double KAss = 0.01, KDiss = 0.01;

bool near(double value, double reference, double relative)
{
    return std::fabs(value - reference) <= relative * std::fabs(reference);
}

const Fitting::ParameterEstimate &constant(const KineticsFitResult &result, const char *name)
{
    for (const Fitting::ParameterEstimate &e : result.constants)
        if (e.name == QLatin1String(name))
            return e;
    static const Fitting::ParameterEstimate none;
    return none;
}

bool profileCovers(const Fitting::ParameterEstimate &e, double value)
{
    return e.profile.computed && (e.profile.openBelow || e.profile.low <= value)
           && (e.profile.openAbove || value <= e.profile.high);
}

FitRequest request(Model model, std::vector<Trace> traces)
{
    FitRequest r;
    r.model.model = model;
    r.traces = std::move(traces);
    return r;
}

std::vector<Trace> dilutionTraces(int points)
{
    std::vector<Trace> traces;
    for (double l : DilutionSeries())
        traces.push_back(PseudoFirstOrderTrace(l, KAss, KDiss, 600, points));
    return traces;
}

// "concentration[start]: t=y t=y; ..." of what was read.
QString tracesOf(const TraceReading &reading)
{
    QStringList traces;
    for (const Trace &trace : reading.traces) {
        QString text = QString::number(trace.concentration);
        if (trace.dissociates)
            text += QStringLiteral("[%1]").arg(trace.dissociationStart);
        text += QLatin1Char(':');
        for (size_t i = 0; i < trace.time.size(); ++i)
            text += QStringLiteral(" %1=%2").arg(trace.time[i]).arg(trace.signal[i]);
        traces << text;
    }
    return traces.join(QStringLiteral("; "));
}

} // namespace

// The traces read from files and from the simulation, and the kinetics
// fit of them, against courses and values worked out here.
class KineticsFitTest : public QObject
{
    Q_OBJECT

private slots:
    // Competition kinetics (labelled ligand 2 nM with k1 1e8 per M per min,
    // k2 0.01 per min; competitor 50 nM with k3 2e7, k4 0.002; Bmax 100):
    // the course as published to 7 digits, and k3, k4 fitted back from it.
    void competitiveCourseAndFitBack()
    {
        const double k1 = 0.1, k2 = 0.01, k3 = 0.02, k4 = 0.002; // per nM per min, per min
        const double times[] = {200, 400, 1000, 2000};
        const double published[] = {6.116971, 4.241916, 3.841006, 3.838772};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(std::fabs(100 * CompetitiveOccupancy(2, 50, k1, k2, k3, k4, times[i]) - published[i]) < 1e-6,
                     qPrintable(QString::number(times[i])));

        Trace trace;
        trace.concentration = 50;
        for (int i = 0; i <= 200; ++i) {
            trace.time.push_back(10.0 * i);
            trace.signal.push_back(100 * CompetitiveOccupancy(2, 50, k1, k2, k3, k4, 10.0 * i));
        }
        FitRequest r = request(Model::Competitive, {trace});
        r.model.baseline = Baseline::Zero;
        r.model.ligand = 2;
        r.model.ligandKAss = k1;
        r.model.ligandKDiss = k2;
        r.units.time = QStringLiteral("min");
        const KineticsFitResult fit = FitKinetics(r);
        QVERIFY2(fit.fitted, qPrintable(fit.refusal));
        QVERIFY(near(constant(fit, "k3").value, 2e7, 1e-8));
        QVERIFY(near(constant(fit, "k4").value, k4, 1e-8));
        QVERIFY(near(constant(fit, "Ki").value, k4 / k3, 1e-8));
        QCOMPARE(constant(fit, "k3").unit, QStringLiteral("M-1 min-1"));
    }

    // Five association traces, three-fold apart from 50 nM: noise-free both
    // constants to 1e-8 and Kd with them; with 1 % noise the 95 % profile
    // intervals cover the true values in at least 17 of 20 seeded runs.
    void globalAssociation()
    {
        const KineticsFitResult exact = FitKinetics(request(Model::PseudoFirstOrder, dilutionTraces(61)));
        QVERIFY2(exact.fitted, qPrintable(exact.refusal));
        QVERIFY(near(constant(exact, "k_ass").value, 1e7, 1e-8));
        QVERIFY(near(constant(exact, "k_diss").value, KDiss, 1e-8));
        QVERIFY(near(constant(exact, "Kd").value, 1.0, 1e-8));
        QVERIFY(near(constant(exact, "t1/2").value, std::log(2.0) / KDiss, 1e-8));
        QVERIFY(exact.warnings.isEmpty());

        int covered[3] = {0, 0, 0};
        for (unsigned seed = 1; seed <= 20; ++seed) {
            std::vector<Trace> traces = dilutionTraces(61);
            AddNoise(traces, 0.01, seed);
            const KineticsFitResult noisy = FitKinetics(request(Model::PseudoFirstOrder, traces));
            QVERIFY2(noisy.fitted, qPrintable(noisy.refusal));
            covered[0] += profileCovers(constant(noisy, "k_ass"), 1e7);
            covered[1] += profileCovers(constant(noisy, "k_diss"), KDiss);
            covered[2] += profileCovers(constant(noisy, "Kd"), 1.0);
        }
        for (int c : covered)
            QVERIFY2(c >= 17, qPrintable(QString::number(c)));
    }

    // The exact model's derivatives by k_ass, k_diss (or Kd) and Total B,
    // before and after a wash-out, against five-point differences of its
    // curve; the ligand below, at and above Total B.
    void exactModelDerivativesMatchDifferences()
    {
        for (bool kdForm : {false, true})
            for (double ligand : {2.0, 10.0, 40.0}) {
                ModelOptions o;
                o.model = Model::Exact;
                o.kdForm = kdForm;
                o.totalB = 10;
                o.fitTotalB = true;
                Trace trace;
                trace.concentration = ligand;
                trace.dissociates = true;
                trace.dissociationStart = 100;
                const std::vector<double> p = {KAss, kdForm ? 1.0 : KDiss, 10, 2.0, 0.1};
                const KineticModel model(o, {trace}, {p[0], p[1], p[2]}, {p[3]}, {p[4]});
                for (double t : {0.0, 5.0, 60.0, 100.0, 250.0}) {
                    double y = 0, gradient[5];
                    QVERIFY(model.value(0, t, p, y, gradient));
                    for (int i = 0; i < 3; ++i) {
                        const double h = 1e-3 * p[size_t(i)];
                        const auto at = [&](double step) {
                            std::vector<double> shifted = p;
                            shifted[size_t(i)] += step * h;
                            return Fitting::CurveValue(model, 0, t, shifted);
                        };
                        const double difference = (8 * (at(1) - at(-1)) - (at(2) - at(-2))) / (12 * h);
                        QVERIFY2(std::fabs(gradient[i] - difference) <= 1e-7 * (std::fabs(difference) + 1e-3),
                                 qPrintable(QString::asprintf("%d %g %g %d: %g %g", kdForm, ligand, t, i, gradient[i],
                                                              difference)));
                    }
                }
            }
    }

    // Depletion (Total B 10 nM, ligand 5 to 50 nM, Kd 1 nM): the exact model
    // gets the constants back; the pseudo-first-order fit misses k_ass by
    // more than 10 %, and says how far Kd moves when fitted exactly.
    void exactModelWhereLigandIsDepleted()
    {
        std::vector<Trace> traces;
        for (double l : {5.0, 10.0, 20.0, 50.0})
            traces.push_back(ExactTrace(l, 10, KAss, KDiss, 600, 61));
        FitRequest r = request(Model::Exact, traces);
        r.model.totalB = 10;
        const KineticsFitResult exact = FitKinetics(r);
        QVERIFY2(exact.fitted, qPrintable(exact.refusal));
        QVERIFY(near(constant(exact, "k_ass").value, 1e7, 1e-8));
        QVERIFY(near(constant(exact, "k_diss").value, KDiss, 1e-8));
        QVERIFY(near(constant(exact, "Kd").value, 1.0, 1e-8));

        r.model.model = Model::PseudoFirstOrder;
        const KineticsFitResult approximate = FitKinetics(r);
        QVERIFY2(approximate.fitted, qPrintable(approximate.refusal));
        QVERIFY(std::fabs(constant(approximate, "k_ass").value - 1e7) > 0.1 * 1e7);
        QVERIFY(approximate.warnings.filter(QStringLiteral("exact model with depletion")).size() == 1);
    }

    // One concentration, no dissociation phase: k_ass refused in words,
    // k_obs still reported; a dissociation phase then separates them.
    void oneConcentration()
    {
        const KineticsFitResult one = FitKinetics(
            request(Model::PseudoFirstOrder, {PseudoFirstOrderTrace(5.56, KAss, KDiss, 600, 61)}));
        QVERIFY2(one.fitted, qPrintable(one.refusal));
        QVERIFY(!one.kAssDetermined);
        QVERIFY(one.warnings.contains(QStringLiteral("k_ass cannot be determined from one concentration: give two or "
                                                     "more, or a dissociation phase")));
        QVERIFY(near(constant(one, "k_obs").value, KAss * 5.56 + KDiss, 1e-8));
        QVERIFY(constant(one, "k_ass").name.isEmpty());

        // Washed out at 300 s: the bound fraction decays with k_diss from there.
        Trace washed = PseudoFirstOrderTrace(5.56, KAss, KDiss, 300, 31);
        const double atSwitch = washed.signal.back();
        for (int i = 1; i <= 40; ++i) {
            washed.time.push_back(300 + 15.0 * i);
            washed.signal.push_back(atSwitch * std::exp(-KDiss * 15.0 * i));
        }
        washed.dissociates = true;
        washed.dissociationStart = 300;
        const KineticsFitResult both = FitKinetics(request(Model::AssociationThenDissociation, {washed}));
        QVERIFY2(both.fitted, qPrintable(both.refusal));
        QVERIFY(near(constant(both, "k_ass").value, 1e7, 1e-8));
        QVERIFY(near(constant(both, "k_diss").value, KDiss, 1e-8));
    }

    // The warnings a lab must read: traces cut short, constants the data
    // cannot separate; and the models that lack an input say which. The
    // report: the model and every constant with its intervals (Kd's from its
    // profile), each trace's concentration, points and time span, every
    // parameter, and the warnings whole in lines that fit the page.
    void warningsRefusalsAndReport()
    {
        std::vector<Trace> shortTraces;
        for (double l : {0.5, 0.6})
            shortTraces.push_back(PseudoFirstOrderTrace(l, KAss, KDiss, 60, 31));
        const KineticsFitResult cut = FitKinetics(request(Model::PseudoFirstOrder, shortTraces));
        QVERIFY2(cut.fitted, qPrintable(cut.refusal));
        QCOMPARE(cut.warnings.filter(QStringLiteral("stops after")).size(), 2);
        QCOMPARE(cut.warnings.filter(QStringLiteral("strongly correlated")).size(), 1);
        QVERIFY(std::fabs(cut.rateCorrelation) > 0.99);

        QCOMPARE(FitKinetics(request(Model::PseudoFirstOrder, {})).refusal, NoTracesText());
        QCOMPARE(FitKinetics(request(Model::AssociationThenDissociation, dilutionTraces(11))).refusal,
                 NoDissociationStartText());
        QCOMPARE(FitKinetics(request(Model::Exact, dilutionTraces(11))).refusal, NoTotalBText());
        QCOMPARE(FitKinetics(request(Model::Competitive, dilutionTraces(11))).refusal, NoLabelledLigandText());

        const ReportColumns list = ReportList(cut, Units());
        const QStringList labels = list.labels.split(QStringLiteral("\r\n"));
        const QStringList values = list.values.split(QStringLiteral("\r\n"));
        QCOMPARE(labels.first(), QStringLiteral("Model:"));
        const int kd = int(labels.indexOf(QStringLiteral("Kd:")));
        QVERIFY(kd > 0);
        QVERIFY(values[kd].contains(QStringLiteral("95% profile ")));

        const QList<ReportSection> tables = ReportTables(cut, Units());
        QCOMPARE(tables.size(), 3);
        QCOMPARE(tables[0].rows.size(), 3); // the headings and the two traces
        QCOMPARE(tables[0].rows[2][2], QStringLiteral("31"));
        QCOMPARE(tables[0].rows[2][3], QStringLiteral("0.0 to 60.0"));
        QCOMPARE(tables[1].rows.size(), 1 + int(ReportedFit(cut).parameters.size()));
        QStringList warned;
        for (const QStringList &row : tables[2].rows) {
            QVERIFY(row.first().size() <= 95);
            warned << row.first();
        }
        QCOMPARE(warned.join(QLatin1Char(' ')), cut.warnings.join(QLatin1Char(' ')));
    }

    // Dissociation alone: k_diss and its half-time, the profile interval of
    // the half-time being the rate's carried over.
    void dissociationAlone()
    {
        std::vector<Trace> traces(2);
        for (int i = 0; i <= 50; ++i)
            for (size_t k = 0; k < 2; ++k) {
                traces[k].time.push_back(10.0 * i);
                traces[k].signal.push_back((k + 1) * std::exp(-KDiss * 10.0 * i) + 0.1);
            }
        AddNoise(traces, 0.005, 7);
        const KineticsFitResult fit = FitKinetics(request(Model::Dissociation, traces));
        QVERIFY2(fit.fitted, qPrintable(fit.refusal));
        const auto &k = constant(fit, "k_diss");
        const auto &h = constant(fit, "t1/2");
        QVERIFY(near(k.value, KDiss, 0.02));
        QVERIFY(near(h.profile.low * k.profile.high, std::log(2.0), 1e-12));
        QVERIFY(near(h.profile.high * k.profile.low, std::log(2.0), 1e-12));
    }

    void layoutsRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("traces");
        QTest::newRow("wide, empty cell")
            << QString("Time,50,5\n0,0,0\n10,0.5,\n20,0.8,0.3\n") << QString("50: 0=0 10=0.5 20=0.8; 5: 0=0 20=0.3");
        QTest::newRow("wide, dissociation row, tabs, decimal commas")
            << QString("# run 4\r\nTime\t2,5\t7,5\r\nDissociation\t\t15\r\n0\t0\t0\r\n15\t1,5\t2\r\n")
            << QString("2.5: 0=0 15=1.5; 7.5[15]: 0=0 15=2");
        QTest::newRow("long, header") << QString("Concentration;Time;Signal\n5;0;0\n50;0;0\n5;1;0,2\n50;1;0,9\n")
                                      << QString("5: 0=0 1=0.2; 50: 0=0 1=0.9");
        QTest::newRow("long, no header, blanks") << QString("5 0 0\n5 1 0.2\n") << QString("5: 0=0 1=0.2");
    }
    void layoutsRead()
    {
        QFETCH(QString, text);
        const TraceReading reading = ReadTracesFromText(text);
        QCOMPARE(TraceStopText(reading), QString());
        QFETCH(QString, traces);
        QCOMPARE(tracesOf(reading), traces);
    }

    // Bad input stops with the line and a reason, and gives no traces.
    void badInputRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("ragged") << QString("Time,50,5\n0,0,0\n1,2,3,4\n")
                                << QString("Line 3: 4 fields where the first line has 3.");
        QTest::newRow("time not increasing")
            << QString("Time,50\n0,0\n2,1\n1,2\n")
            << QString("Line 4: the time '1' does not come after the one before it in its trace.");
        QTest::newRow("text in numbers") << QString("Time,50\n0,0\n1,abc\n")
                                         << QString("Line 3: 'abc' is not a number.");
        QTest::newRow("negative concentration")
            << QString("Time,-5\n") << QString("Line 1: '-5' is negative; times and concentrations cannot be.");
        QTest::newRow("no header") << QString("1,2\n")
                                   << QString("Line 1: the first line must head the columns: Time and each trace's "
                                              "concentration (Time, 50, 16.7, ...), or Concentration, Time, Signal.");
        QTest::newRow("empty") << QString("# nothing\n")
                               << QString("There are no traces to read: a time column and a signal column per trace "
                                          "are needed.");
        QString many = QStringLiteral("Time,1\n");
        for (int i = 0; i <= MaxTraceRows; ++i)
            many += QStringLiteral("%1,1\n").arg(i);
        QTest::newRow("a row too many") << many
                                        << QString(
                                               "Line 100002: more than 100000 rows; a fit takes at most that many.");
    }
    void badInputRefused()
    {
        QFETCH(QString, text);
        const TraceReading reading = ReadTracesFromText(text);
        QFETCH(QString, message);
        QCOMPARE(TraceStopText(reading), message);
        QVERIFY(reading.traces.empty());
    }

    // The Dynamic results file: the complex over time at the total A of the
    // start, up to the first event, in the units asked for.
    void simulationInTheResultsFile()
    {
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(QStringLiteral("Temp.mdb"));
        modVornish::SimulationInput input;
        input.initialA = 10e-9;
        input.initialB = 5e-9;
        input.kAss = 1e6;
        input.kDiss = 1e-3;
        input.endTime = 600;
        input.recordingInterval = 60;
        input.precisionFactor = modVornish::PrecisionFactors[2];
        input.events.push_back({300, 10e-9, modVornish::EventTarget::A});
        modVornish::RunSimulationIntoFile(input, path);
        const SimulatedTrace simulated = TraceFromResults(path, 1e-9, 60);
        QCOMPARE(simulated.trace.concentration, 10.0);
        QCOMPARE(simulated.totalB, 5.0);
        QVERIFY(simulated.cutAtEvent);
        QCOMPARE(simulated.trace.time.front(), 0.0);
        QCOMPARE(simulated.trace.time.back(), 5.0);
        QVERIFY(simulated.trace.signal.back() > 0.0 && simulated.trace.signal.back() < 5.0);
    }
};

VORNISH_TEST(KineticsFitTest)
#include "tst_kinetics_fit.moc"
