// vornish-cli simulate of 1,000,000 recording intervals to a CSV file, as a
// user runs it: its wall time, and its peak memory next to a run of 10,000
// intervals (streaming keeps the two alike).

#include <QCoreApplication>
#include <QElapsedTimer>
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
    if (!simulate(10000, folder.filePath("10k.csv"), seconds))
        return 1;
    std::printf("cli_simulate_10k_peak_rss_mb: %.1f MB\n", childrenPeakMegabytes());
    if (!simulate(1000000, folder.filePath("1M.csv"), seconds))
        return 1;
    std::printf("cli_simulate_1M_s: %.2f s\n", seconds);
    std::printf("cli_simulate_1M_peak_rss_mb: %.1f MB\n", childrenPeakMegabytes());
    return 0;
}
