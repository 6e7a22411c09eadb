// Saving and opening a project that holds the results of a run of
// 1,000,000 recording intervals (3,000,000 rows): project_save_ms writes the
// project, results copied in; project_open_ms reads it back and restores the
// results file from it. The memory figures are the peak resident size of the
// process before and after (flat: no step loads the samples).

#include "BenchInput.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/SimulationIntoFile.h"
#include "project/ProjectFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int Intervals = 1000000;

long peakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString results = folder.filePath(QStringLiteral("Temp.mdb"));
    const QString project = folder.filePath(QStringLiteral("Run.vornish"));
    const QString restored = folder.filePath(QStringLiteral("Restored.mdb"));
    modVornish::ResetResultsDatabase(results);
    modVornish::RunSimulationIntoFile(benchmarkInput(Intervals, 0), results);
    modVornish::ReleaseResultsFile();

    Project::Content content;
    content[QStringLiteral("dynamic")].values.insert(QStringLiteral("txtA"), QStringLiteral("1"));
    const long before = peakResidentKilobytes();

    QElapsedTimer timer;
    timer.start();
    const QString saveFailure = Project::Write(project, content, results);
    const qint64 saveMs = timer.elapsed();
    if (!saveFailure.isEmpty()) {
        std::fprintf(stderr, "save failed: %s\n", qPrintable(saveFailure));
        return 1;
    }

    timer.start();
    const Project::Opened opened = Project::Read(project);
    const QString openFailure = opened.hasResults ? Project::RestoreResults(project, restored)
                                                  : QStringLiteral("no results");
    const qint64 openMs = timer.elapsed();
    if (opened.problem != Project::Problem::None || !openFailure.isEmpty()) {
        std::fprintf(stderr, "open failed: %s\n", qPrintable(openFailure));
        return 1;
    }

    std::printf("project_samples: %d samples\n", Intervals + 1);
    std::printf("project_file_mb: %.1f MB\n", double(QFileInfo(project).size()) / 1e6);
    std::printf("project_save_ms: %lld ms\n", (long long)saveMs);
    std::printf("project_open_ms: %lld ms\n", (long long)openMs);
    std::printf("project_peak_rss_before_mb: %.1f MB\n", double(before) / 1024);
    std::printf("project_peak_rss_after_mb: %.1f MB\n", double(peakResidentKilobytes()) / 1024);
    return 0;
}
