// vornish-cli simulate of 1,000,000 recording intervals to a CSV file, as a
// user runs it: its wall time, and its peak memory next to a run of 10,000
// intervals (streaming keeps the two alike). And the data-file reader:
// scatchard over 1,000,000 pairs from a file and from standard input (the
// two alike), and over 100 MB of blank lines (time and memory bounded). And
// fit's batch mode over 10,000 sets of 12 points.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

// The binding run of the other dynamic benchmarks: 1, 2 and 0.5 nM, k_ass
// 1e6, k_diss 1e-3, one sample a second, 5 % steps.
bool simulate(int intervals, const QString &output, double &seconds)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(VORNISH_CLI), {"simulate", "--a", "1nM", "--b", "2nM", "--ab", "0.5nM", "--k-ass",
                                                "1e6", "--k-diss", "1e-3", "--end-time", QString::number(intervals),
                                                "--interval", "1", "--precision", "5", "--output", output});
    const bool ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit
                    && process.exitCode() == 0;
    seconds = clock.nsecsElapsed() * 1e-9;
    return ok;
}

// scatchard over a file, given by name or on standard input.
bool scatchard(const QString &file, bool standardInput, double &seconds)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (standardInput)
        process.setStandardInputFile(file);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(VORNISH_CLI), {"scatchard", standardInput ? QStringLiteral("-") : file});
    const bool ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit;
    seconds = clock.nsecsElapsed() * 1e-9;
    return ok;
}

bool writeFile(const QString &path, const QByteArray &line, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    for (int i = 0; i < count; ++i) {
        block += line.isEmpty() ? QByteArray::number(i + 1) + ',' + QByteArray::number(2000000 - i) + '\n' : line;
        if (block.size() > (1 << 20) || i + 1 == count) {
            if (file.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return true;
}

// fit in batch mode: sets of 12 points (free, bound), a "set" column, one
// process for all of them; the sets fitted per second.
bool fitBatch(const QString &file, int sets, double &perSecond)
{
    QFile data(file);
    if (!data.open(QIODevice::WriteOnly))
        return false;
    QByteArray text("set,free,bound\n");
    const double x[] = {0.5, 1, 2, 3, 5, 7.5, 10, 15, 20, 30, 45, 60};
    for (int set = 0; set < sets; ++set) {
        const double kd = 2 + set % 17, bmax = 100 + set % 31;
        for (int i = 0; i < 12; ++i) {
            const double wobble = ((set * 7 + i * 13) % 11 - 5) * 0.01;
            text += QByteArray::number(set) + ',' + QByteArray::number(x[i]) + ','
                    + QByteArray::number(bmax * x[i] / (kd + x[i]) * (1 + wobble), 'g', 10) + '\n';
        }
    }
    if (data.write(text) != text.size())
        return false;
    data.close();
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(VORNISH_CLI), {"fit", "--columns", "free,bound", "--format", "csv", file});
    const bool ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit
                    && process.exitCode() == 0;
    perSecond = sets / (clock.nsecsElapsed() * 1e-9);
    return ok;
}

// The largest peak resident size of the children waited for so far.
double childrenPeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss / 1024.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    double seconds = 0;

    double setsPerSecond = 0;
    if (!fitBatch(folder.filePath("sets.csv"), 10000, setsPerSecond))
        return 1;
    std::printf("cli_fit_batch_sets_per_s: %.0f sets/s\n", setsPerSecond);

    const QString pairs = folder.filePath("pairs.csv"), blank = folder.filePath("blank.csv");
    if (!writeFile(pairs, QByteArray(), 1000000) || !writeFile(blank, "\n", 100 << 20))
        return 1;
    if (!scatchard(blank, false, seconds))
        return 1;
    std::printf("cli_scatchard_100MB_blank_lines_s: %.2f s\n", seconds);
    std::printf("cli_scatchard_100MB_blank_lines_peak_rss_mb: %.1f MB\n", childrenPeakMegabytes());

    if (!simulate(10000, folder.filePath("10k.csv"), seconds))
        return 1;
    std::printf("cli_simulate_10k_peak_rss_mb: %.1f MB\n", childrenPeakMegabytes());
    if (!simulate(1000000, folder.filePath("1M.csv"), seconds))
        return 1;
    std::printf("cli_simulate_1M_s: %.2f s\n", seconds);
    std::printf("cli_simulate_1M_peak_rss_mb: %.1f MB\n", childrenPeakMegabytes());
    for (const bool standardInput : {false, true}) {
        if (!scatchard(pairs, standardInput, seconds))
            return 1;
        std::printf("cli_scatchard_1M_pairs_%s_s: %.2f s\n", standardInput ? "stdin" : "file", seconds);
    }
    return 0;
}
