// The program that kill_project.py kills: the running program (its main
// window, offscreen) edited without end as a user does: Total A typed into
// the Equilibrium Tool and Vornish clicked, the recovery file written after
// every edit and the project saved (File, Save Project) after every third,
// which removes the recovery file, printing "recovered N" and "saved N" once
// each file holds edit N. With
// --check it opens what a kill left and checks it.

#include "RunningProgram.h"
#include "ScriptedFileDialogs.h"

#include "dynamic/ResultsStore.h"
#include "platform/ProgramFolder.h"
#include "project/ProjectDocument.h"
#include "project/ProjectFile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QLocale>
#include <QSettings>

#include <cstdio>

namespace {

constexpr int Samples = 20000;

// The edit a project holds: the Total A typed last (shown as "7.0" once calculated).
int countOf(const Project::Opened &opened)
{
    const QJsonObject fields = opened.content.value(QStringLiteral("equilibrium")).values;
    return int(fields.value(QStringLiteral("txtA_tot")).toString().toDouble());
}

// The simulation results the project copies in.
void writeResults()
{
    const QString results = modVornish::ResultsFilePath();
    modVornish::ResetResultsDatabase(results);
    {
        modVornish::ResultsAppender appender(results);
        for (int i = 0; i < Samples; ++i)
            appender.AppendResultRecord({double(i), 1e-9, 0, 2e-9, 0, 3e-9, 0});
        appender.finish();
    }
    modVornish::ReleaseResultsFile();
}

int churn(const QDir &folder)
{
    QDir().mkpath(folder.filePath(QStringLiteral("settings")));
    QDir().mkpath(folder.filePath(QStringLiteral("program")));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.filePath(QStringLiteral("settings")));
    modVnPublic::SetProgramFolder(folder.filePath(QStringLiteral("program")));
    resetMessages(); // a recovery offered at the start is declined: the churn goes on from the saved project
    frmVn_Main main;
    main.ShowAfterSplash();
    writeResults();
    ProjectDocument &document = ProjectDocument::current();
    const QString project = folder.filePath(QStringLiteral("Project.vornish"));
    int count = std::max(countOf(Project::Read(project)), countOf(Project::Read(document.recoveryPath())));
    frmVornish &tool = *appWindows().vornish;
    tool.showInFront();
    QAction *save = main.findChild<QAction *>(QStringLiteral("mnuFileSaveProject"));
    if (!save) {
        std::fprintf(stderr, "no Save Project command\n");
        return 1;
    }
    for (;;) {
        ++count;
        typeInto(tool.txtA_tot, QString::number(count));
        typeInto(tool.txtB_tot, QStringLiteral("10"));
        typeInto(tool.txtKd, QStringLiteral("1"));
        QTest::mouseClick(tool.cmdVornish, Qt::LeftButton);
        document.autosave();
        if (countOf(Project::Read(document.recoveryPath())) != count) {
            std::fprintf(stderr, "the recovery file does not hold edit %d\n", count);
            return 1;
        }
        std::printf("recovered %d\n", count);
        if (count % 3 == 0) {
            resetFileDialogs({project}); // the first save asks where
            save->trigger();
            if (document.path() != project || document.isModified()) {
                std::fprintf(stderr, "edit %d was not saved\n", count);
                return 1;
            }
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
    modVnPublic::SetProgramFolder(folder.filePath(QStringLiteral("program")));
    const QString recovery = ProjectDocument::current().recoveryPath();
    const Project::Opened recovered_ = Project::Read(recovery);
    // The recovery file opens with every edit it was said to hold, or is
    // refused as a file that is not whole.
    if (recovered_.problem == Project::Problem::None && countOf(recovered_) < recovered) {
        std::fprintf(stderr, "the recovery file lost edits: %d of %d\n", countOf(recovered_), recovered);
        return 1;
    }
    // A save removes the recovery file: the saved project then holds its edits.
    if (recovered_.problem == Project::Problem::Missing && countOf(opened) < recovered) {
        std::fprintf(stderr, "the recovery file is gone before the project held its edits\n");
        return 1;
    }
    if (recovered_.problem == Project::Problem::None)
        std::printf("recovery opens\n");
    else if (recovered_.problem == Project::Problem::Missing)
        std::printf("recovery removed by the save\n");
    else
        std::printf("recovery refused (problem %d: %s)\n", int(recovered_.problem), qPrintable(recovered_.detail));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    TestFixture::prepareEnvironment();
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    TestFixture::dismissModalWindows();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 2)
        return churn(QDir(arguments[1]));
    if (arguments.size() == 5 && arguments[1] == QLatin1String("--check"))
        return check(QDir(arguments[2]), arguments[3].toInt(), arguments[4].toInt());
    std::fprintf(stderr, "usage: project_churn FOLDER | --check FOLDER SAVED RECOVERED\n");
    return 2;
}
