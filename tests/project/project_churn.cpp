// The program that kill_project.py kills: it edits a project without end,
// writes the recovery file after every edit and saves the project after
// every third, printing "recovered N" and "saved N" once each file holds
// edit N. With --check it opens what a kill left and checks it.

#include "dynamic/ResultsStore.h"
#include "project/ProjectFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

#include <cstdio>

namespace {

constexpr int Samples = 20000;

const QString kCount = QStringLiteral("count");

int countOf(const Project::Opened &opened)
{
    return opened.content.value(QStringLiteral("edits")).values.value(kCount).toInt();
}

int churn(const QDir &folder)
{
    const QString results = folder.filePath(QStringLiteral("Temp.mdb"));
    if (!QFileInfo::exists(results)) {
        modVornish::ResetResultsDatabase(results);
        {
            modVornish::ResultsAppender appender(results);
            for (int i = 0; i < Samples; ++i)
                appender.AppendResultRecord({double(i), 1e-9, 0, 2e-9, 0, 3e-9, 0});
            appender.finish();
        }
        modVornish::ReleaseResultsFile();
    }
    const QString project = folder.filePath(QStringLiteral("Project.vornish"));
    const QString recovery = folder.filePath(QStringLiteral("Recovery.vornish"));
    int count = std::max(countOf(Project::Read(project)), countOf(Project::Read(recovery)));
    for (;;) {
        ++count;
        Project::Content content;
        content[QStringLiteral("edits")].values.insert(kCount, count);
        content[QStringLiteral("edits")].values.insert(QStringLiteral("text"), QString(4000, QLatin1Char('x')));
        if (!Project::Write(recovery, content, results).isEmpty())
            return 1;
        std::printf("recovered %d\n", count);
        if (count % 3 == 0) {
            if (!Project::Write(project, content, results).isEmpty())
                return 1;
            std::printf("saved %d\n", count);
        }
        std::fflush(stdout);
    }
}

int check(const QDir &folder, int saved, int recovered)
{
    const QString project = folder.filePath(QStringLiteral("Project.vornish"));
    const Project::Opened opened = Project::Read(project);
    if (saved > 0 || QFileInfo::exists(project)) {
        if (opened.problem != Project::Problem::None || countOf(opened) < saved || !opened.hasResults) {
            std::fprintf(stderr, "the saved project does not open whole (problem %d, edit %d of %d)\n",
                         int(opened.problem), countOf(opened), saved);
            return 1;
        }
        const QString restored = folder.filePath(QStringLiteral("check.mdb"));
        if (!Project::RestoreResults(project, restored).isEmpty()) {
            std::fprintf(stderr, "the saved project's results cannot be restored\n");
            return 1;
        }
    }
    const QString recovery = folder.filePath(QStringLiteral("Recovery.vornish"));
    const Project::Opened recovered_ = Project::Read(recovery);
    // The recovery file opens with every edit it was said to hold, or is
    // refused as a file that is not whole; it is never missing once written.
    if (recovered_.problem == Project::Problem::None && countOf(recovered_) < recovered) {
        std::fprintf(stderr, "the recovery file lost edits: %d of %d\n", countOf(recovered_), recovered);
        return 1;
    }
    if (recovered > 0 && recovered_.problem == Project::Problem::Missing) {
        std::fprintf(stderr, "the recovery file is gone\n");
        return 1;
    }
    if (recovered_.problem == Project::Problem::None)
        std::printf("recovery opens\n");
    else
        std::printf("recovery refused (problem %d: %s)\n", int(recovered_.problem), qPrintable(recovered_.detail));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 2)
        return churn(QDir(arguments[1]));
    if (arguments.size() == 5 && arguments[1] == QLatin1String("--check"))
        return check(QDir(arguments[2]), arguments[3].toInt(), arguments[4].toInt());
    std::fprintf(stderr, "usage: project_churn FOLDER | --check FOLDER SAVED RECOVERED\n");
    return 2;
}
