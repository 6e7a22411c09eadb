#include "TestFixture.h"
#include "TestMain.h"

#include "dynamic/SimulationIntoFile.h"
#include "kineticsfit/TraceFromResults.h"
#include "kineticsfit/TraceReader.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace KineticsFit;

namespace {

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

class TraceReaderTest : public QObject
{
    Q_OBJECT

private slots:
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

VORNISH_TEST(TraceReaderTest)
#include "tst_trace_reader.moc"
