// CSV export of a 1,000,000-interval run (3,000,000 rows in the results
// file): rows written per second and the peak resident memory while it runs,
// which stays flat because the rows are streamed; and the SVG export of a
// graph holding a 200,000-point curve.

#include "BenchInput.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/SimulationEngine.h"
#include "exchange/GraphDrawing.h"
#include "exchange/GraphFiles.h"
#include "exchange/ResultsCsv.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <ctime>

using namespace modVornish;

namespace {

constexpr int Intervals = 1000000;
constexpr int CurvePoints = 200000;

// The peak resident set since the last reset, in MB (Linux).
double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

// The processor time of this process, in seconds: the figure that other
// programs running on the machine at the same time do not inflate.
double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

void resetPeakResident()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

GraphDrawing curveDrawing()
{
    GraphDrawing drawing;
    drawing.twipsSize = QSizeF(5940, 5415);
    DisplayList &list = drawing.list;
    list.drawLine(QPointF(900, 4500), QPointF(5500, 4500), Qt::black);
    list.drawLine(QPointF(900, 4500), QPointF(900, 300), Qt::black);
    for (int tick = 0; tick <= 10; ++tick) {
        list.setPenPosition(QPointF(850 + tick * 460, 4600));
        list.printText(QString::number(tick), false);
    }
    QPointF last(900, 4500);
    for (int i = 1; i < CurvePoints; ++i) {
        const double x = 900 + 4600.0 * i / CurvePoints;
        const QPointF next(x, 4500 - 4000 * (1 - std::exp(-i * 5.0 / CurvePoints)));
        list.drawLine(last, next, Qt::black);
        last = next;
    }
    return drawing;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    const QString results = folder.filePath(QStringLiteral("Temp.mdb"));
    ResetResultsDatabase(results);
    {
        ResultsAppender appender(results);
        RunSimulation(benchmarkInput(Intervals, 0), [&](const ResultRecord &r) { appender.AppendResultRecord(r); });
        appender.finish();
    }

    resetPeakResident();
    QElapsedTimer timer;
    timer.start();
    const double csvCpuStart = cpuSeconds();
    const ResultsCsv::Units units{QStringLiteral("min"), 60, QStringLiteral("nM"), 1e-9};
    const ResultsCsv::Result csv = ResultsCsv::Write(results, folder.filePath(QStringLiteral("run.csv")), std::string(),
                                                     ResultsCsv::RunColumns(units),
                                                     [](qint64, qint64) { return true; });
    const double csvSeconds = timer.nsecsElapsed() / 1e9;
    const double csvCpu = cpuSeconds() - csvCpuStart;
    const double csvPeak = peakResidentMb();
    if (csv.outcome != ResultsCsv::Outcome::Written) {
        std::fprintf(stderr, "export failed: %s\n", qPrintable(csv.reason));
        return 1;
    }
    ReleaseResultsFile();

    const GraphDrawing drawing = curveDrawing();
    timer.restart();
    const double svgCpuStart = cpuSeconds();
    const QString svgFailure = GraphFiles::writeSvg(drawing, folder.filePath(QStringLiteral("curve.svg")));
    const double svgMs = timer.nsecsElapsed() / 1e6;
    const double svgCpuMs = (cpuSeconds() - svgCpuStart) * 1e3;
    if (!svgFailure.isEmpty()) {
        std::fprintf(stderr, "svg failed: %s\n", qPrintable(svgFailure));
        return 1;
    }

    std::printf("csv_export_rows: %lld rows\n", static_cast<long long>(csv.rows));
    std::printf("csv_export_rows_per_s: %.3g rows/s\n", csv.rows / csvSeconds);
    std::printf("csv_export_rows_per_cpu_s: %.3g rows/s\n", csv.rows / csvCpu);
    std::printf("csv_export_peak_rss_mb: %.1f MB\n", csvPeak);
    std::printf("svg_export_ms: %.0f ms\n", svgMs);
    std::printf("svg_export_cpu_ms: %.0f ms\n", svgCpuMs);
    std::printf("svg_export_size_kb: %.1f KB\n",
                QFileInfo(folder.filePath(QStringLiteral("curve.svg"))).size() / 1024.0);
    return 0;
}
