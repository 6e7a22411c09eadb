#include "project/ProjectCommands.h"

#include "graphing/AxisTitleLabel.h"
#include "graphing/GraphPicture.h"
#include "graphing/GraphWindows.h"
#include "graphing/UnitDisplays.h"
#include "graphing/UnitPreferences.h"
#include "graphing/UnitTables.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "project/GraphRecord.h"
#include "project/ProjectDocument.h"
#include "project/ProjectWindow.h"
#include "session/Session.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QMainWindow>
#include <QMenu>

namespace ProjectCommands {
namespace {

QJsonArray titleOf(const AxisTitleLabel &label)
{
    return {label.text(), label.twipsLeft(), label.twipsTop(), label.twipsWidth(), label.twipsHeight()};
}

void restoreTitle(AxisTitleLabel &label, const QJsonArray &title)
{
    if (title.size() != 5)
        return;
    label.setText(title[0].toString());
    label.setTwipsGeometry(title[1].toDouble(), title[2].toDouble(), title[3].toDouble(), title[4].toDouble());
}

// The graph as drawn, superimposed curves and all, with its axis titles.
void joinGraph(frmGraph &graph)
{
    ProjectWindow::Extras extras;
    extras.give = [&graph](Project::PartState &state) {
        state.binary = Project::RecordDisplayList(graph.PicGraph->displayList());
        state.values.insert(QStringLiteral("xTitle"), titleOf(*graph.lblX_axis));
        state.values.insert(QStringLiteral("yTitle"), titleOf(*graph.lblY_axis));
        state.values.insert(QStringLiteral("curves"), Project::RecordGraphCurves());
    };
    extras.afterTake = [&graph](const Project::PartState &state) {
        const bool replayed = Project::ReplayDisplayList(state.binary, *graph.PicGraph);
        if (!replayed)
            graph.PicGraph->clear();
        restoreTitle(*graph.lblX_axis, state.values.value(QStringLiteral("xTitle")).toArray());
        restoreTitle(*graph.lblY_axis, state.values.value(QStringLiteral("yTitle")).toArray());
        Project::ReplayGraphCurves(replayed ? state.values.value(QStringLiteral("curves")).toArray() : QJsonArray());
    };
    ProjectWindow::Join(&graph, QStringLiteral("graph"), extras);
}

// The Options window's controls act when changed (a unit rescales the
// fields, a switch asks about superimposing): they are restored quietly and
// then published as the session's preferences.
void joinOptions(frmOptions &options)
{
    ProjectWindow::Extras extras;
    extras.quietly = true;
    extras.afterTake = [&options](const Project::PartState &) {
        const Session &session = Session::current();
        Session::current().setGraphPreferences(options.preferences());
        // The tool windows' captions name the restored units.
        modVnPublic::ShowConcentrationUnit(session.concentrationUnit());
        const modVnPublic::TimeUnitEntry *time = modVnPublic::FindTimeUnit(session.timeUnit());
        const auto &showTime = modVnPublic::GetUnitDisplay(modVnPublic::UnitDisplayWindow::Dynamic).showTimeUnit;
        if (time && showTime)
            showTime(time->listIndex, time->label);
    };
    ProjectWindow::Join(&options, QStringLiteral("options"), extras);
}

void fillRecentMenu(QMenu *recent)
{
    recent->clear();
    const QStringList paths = ProjectDocument::current().recentProjects();
    int number = 0;
    for (const QString &path : paths) {
        ++number;
        QAction *entry = recent->addAction(QStringLiteral("&%1 %2").arg(number).arg(
            QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        entry->setObjectName(QStringLiteral("mnuFileRecent%1").arg(number));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        QObject::connect(entry, &QAction::triggered, recent,
                         [path] { ProjectDocument::current().openPath(path, true); });
    }
    recent->menuAction()->setEnabled(!paths.isEmpty());
}

QAction *insertItem(QMenu *file, QAction *before, const char *name, const QString &caption,
                    const QKeySequence &shortcut = QKeySequence())
{
    auto *item = new QAction(caption, file);
    item->setObjectName(QLatin1String(name));
    item->setShortcut(shortcut);
    file->insertAction(before, item);
    return item;
}

void addFileItems(QMainWindow &main)
{
    ProjectDocument &document = ProjectDocument::current();
    QMenu *file = main.findChild<QMenu *>(QStringLiteral("mnuFile"));
    QAction *before = main.findChild<QAction *>(QStringLiteral("mnuFileBar1"));
    QObject::connect(insertItem(file, before, "mnuFileNewProject", QStringLiteral("New Pro&ject")), &QAction::triggered,
                     &document, [&document] { document.newProject(); });
    QObject::connect(insertItem(file, before, "mnuFileOpenProject", QStringLiteral("&Open Project..."),
                                QKeySequence(Qt::CTRL | Qt::Key_O)),
                     &QAction::triggered, &document, [&document] { document.openProject(); });
    auto *recent = new QMenu(QStringLiteral("Open &Recent"), file);
    recent->setObjectName(QStringLiteral("mnuFileRecent"));
    recent->menuAction()->setObjectName(QStringLiteral("mnuFileRecent"));
    file->insertMenu(before, recent);
    fillRecentMenu(recent);
    QObject::connect(&document, &ProjectDocument::recentProjectsChanged, recent, [recent] { fillRecentMenu(recent); });
    QObject::connect(insertItem(file, before, "mnuFileSaveProject", QStringLiteral("&Save Project"),
                                QKeySequence(Qt::CTRL | Qt::Key_S)),
                     &QAction::triggered, &document, [&document] { document.save(); });
    QObject::connect(insertItem(file, before, "mnuFileSaveProjectAs", QStringLiteral("Save Project &As..."),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
                     &QAction::triggered, &document, [&document] { document.saveAs(); });
}

} // namespace

void Attach(QMainWindow &main)
{
    if (frmGraph *graph = graphWindows().graph)
        joinGraph(*graph);
    if (frmOptions *options = graphWindows().options)
        joinOptions(*options);
    addFileItems(main);
    ProjectDocument &document = ProjectDocument::current();
    QObject::connect(&document, &ProjectDocument::captionChanged, &main, &QWidget::setWindowTitle);
    document.start();
}

} // namespace ProjectCommands
