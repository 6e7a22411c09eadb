#include "project/ProjectDocument.h"

#include "dynamic/ResultsStore.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/SavedFile.h"
#include "platform/SettingsStore.h"
#include "project/ProjectFile.h"
#include "project/ProjectMessages.h"
#include "project/ProjectParts.h"
#include "session/Session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

const QString kApp = QStringLiteral("Vornish");
const QString kSettings = QStringLiteral("Settings");
const QString kFilter = QStringLiteral("Vornish project (*.vornish)");
// The recovery file's own part: which project the recovered work belongs to.
const QString kRecoveryPart = QStringLiteral("recovery");
constexpr int AutosaveMilliseconds = 60 * 1000;

QString recentKey(int index)
{
    return QStringLiteral("RecentProject%1").arg(index + 1);
}

// The parts of content, and the fresh state for every part it lacks.
Project::Content completed(Project::Content content, const Project::Content &baseline)
{
    for (auto it = baseline.begin(); it != baseline.end(); ++it)
        if (!content.contains(it.key()))
            content.insert(it.key(), it.value());
    return content;
}

} // namespace

ProjectDocument &ProjectDocument::current()
{
    static ProjectDocument document;
    return document;
}

ProjectDocument::ProjectDocument()
{
    m_autosaveTimer.setSingleShot(true);
    m_autosaveTimer.setInterval(AutosaveMilliseconds);
    connect(&m_autosaveTimer, &QTimer::timeout, this, &ProjectDocument::autosave);
    connect(&Project::Changes::instance(), &Project::Changes::modified, this, &ProjectDocument::userChanged);
    connect(&Session::current(), &Session::runningChanged, this, [this](bool running) {
        if (running)
            autosave();
    });
}

ProjectDocument::~ProjectDocument() = default;

void ProjectDocument::start()
{
    m_baseline = Project::GiveAll();
    setDocument(QString(), false);
    m_changedSinceAutosave = false;
    m_autosaveTimer.stop();
    // One program at a time keeps the recovery file; a lock left by a
    // crashed program is stale and taken over.
    m_recoveryLock.reset(); // the lock of an earlier start, let go before it is taken again
    m_recoveryLock = std::make_unique<QLockFile>(recoveryPath() + QStringLiteral(".lock"));
    m_recoveryLock->setStaleLockTime(0);
    if (!m_recoveryLock->tryLock(0))
        m_recoveryLock.reset();
}

void ProjectDocument::finish()
{
    m_autosaveTimer.stop();
    removeRecovery();
    m_recoveryLock.reset();
}

QString ProjectDocument::name() const
{
    return m_path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_path).fileName();
}

QString ProjectDocument::caption() const
{
    if (m_path.isEmpty() && !m_modified)
        return QStringLiteral("Vornish");
    return QStringLiteral("Vornish - ") + name() + (m_modified ? QStringLiteral("*") : QString());
}

void ProjectDocument::setDocument(const QString &path, bool modified)
{
    m_path = path;
    m_modified = modified;
    emit captionChanged(caption());
}

void ProjectDocument::userChanged()
{
    m_changedSinceAutosave = true;
    if (!m_autosaveTimer.isActive())
        m_autosaveTimer.start();
    if (!m_modified)
        setDocument(m_path, true);
}

void ProjectDocument::setAutosaveInterval(int milliseconds)
{
    m_autosaveTimer.setInterval(milliseconds);
}

QString ProjectDocument::recoveryPath() const
{
    const QString folder = modVnPublic::WritableFolder();
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("Recovery.vornish"));
}

void ProjectDocument::autosave()
{
    m_autosaveTimer.stop();
    if (!m_changedSinceAutosave || !m_recoveryLock)
        return;
    Project::Content content = Project::GiveAll();
    content[kRecoveryPart].values.insert(QStringLiteral("path"), m_path);
    // A failed autosave is tried again a minute later; the user is not interrupted.
    if (Project::Write(recoveryPath(), content, modVornish::ResultsFilePath()).isEmpty())
        m_changedSinceAutosave = false;
    else
        m_autosaveTimer.start();
}

void ProjectDocument::removeRecovery()
{
    if (m_recoveryLock)
        QFile::remove(recoveryPath());
}

void ProjectDocument::offerRecovery()
{
    const QString path = recoveryPath();
    if (!m_recoveryLock || !QFileInfo::exists(path))
        return;
    const Project::Opened opened = Project::Read(path);
    if (opened.problem != Project::Problem::None) {
        Messages::show(ProjectMessages::RecoveryRefused(opened.detail.isEmpty() ? path : opened.detail),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation, QStringLiteral("Recover Work"));
        QFile::remove(path);
        return;
    }
    if (Messages::show(ProjectMessages::RecoveryQuestion(opened.saved), Messages::Buttons::YesNo,
                       Messages::Icon::Question, QStringLiteral("Recover Work"))
        != Messages::Answer::Yes) {
        QFile::remove(path);
        return;
    }
    Project::Content content = opened.content;
    const QString projectPath = content.take(kRecoveryPart).values.value(QStringLiteral("path")).toString();
    if (applyOpened(path, content, opened.hasResults)) {
        setDocument(projectPath, true);
        m_changedSinceAutosave = false; // the recovery file holds it
    }
}

bool ProjectDocument::maySetAside()
{
    if (!m_modified)
        return true;
    switch (Messages::show(ProjectMessages::SetAsideQuestion(name()), Messages::Buttons::SaveDiscardCancel,
                           Messages::Icon::Exclamation)) {
    case Messages::Answer::Yes:
        return save();
    case Messages::Answer::Cancel:
        return false;
    case Messages::Answer::Ok:
    case Messages::Answer::No:
        break;
    }
    return true;
}

bool ProjectDocument::newProject()
{
    if (!maySetAside())
        return false;
    Project::TakeAll(m_baseline);
    setDocument(QString(), false);
    m_changedSinceAutosave = false;
    removeRecovery();
    return true;
}

bool ProjectDocument::openProject()
{
    const QString path = FileDialogs::choose(FileDialogs::Mode::Open, QStringLiteral("Open Project"), {kFilter});
    return !path.isEmpty() && openPath(path);
}

bool ProjectDocument::openPath(const QString &path, bool fromRecentList)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const Project::Opened opened = Project::Read(absolute);
    if (opened.problem != Project::Problem::None) {
        ProjectMessages::ShowOpenProblem(absolute, opened, fromRecentList);
        if (opened.problem == Project::Problem::Missing && fromRecentList)
            forgetRecent(absolute);
        return false;
    }
    if (!maySetAside())
        return false;
    if (!applyOpened(absolute, opened.content, opened.hasResults))
        return false;
    setDocument(absolute, false);
    m_changedSinceAutosave = false;
    removeRecovery();
    rememberRecent(absolute);
    return true;
}

bool ProjectDocument::applyOpened(const QString &path, const Project::Content &content, bool hasResults)
{
    if (hasResults) {
        const QString results = modVornish::ResultsFilePath();
        modVornish::ReleaseResultsFile();
        const QString failure = Project::RestoreResults(path, results);
        if (!failure.isEmpty()) {
            Project::Opened damaged;
            damaged.problem = Project::Problem::Damaged;
            damaged.detail = failure;
            ProjectMessages::ShowOpenProblem(path, damaged, false);
            return false;
        }
    }
    Project::TakeAll(completed(content, m_baseline));
    return true;
}

bool ProjectDocument::save()
{
    return m_path.isEmpty() ? saveAs() : writeProject(m_path);
}

bool ProjectDocument::saveAs()
{
    QString path = FileDialogs::choose(FileDialogs::Mode::Save, QStringLiteral("Save Project As"), {kFilter},
                                       m_path.isEmpty() ? QStringLiteral("Untitled.vornish")
                                                        : QFileInfo(m_path).fileName());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".") + Project::FileSuffix;
    return writeProject(QFileInfo(path).absoluteFilePath());
}

bool ProjectDocument::writeProject(const QString &path)
{
    const QString failure = Project::Write(path, Project::GiveAll(), modVornish::ResultsFilePath());
    if (!failure.isEmpty()) {
        showSaveFailure(path, failure);
        return false;
    }
    setDocument(path, false);
    rememberRecent(path);
    // The project file now holds the work: nothing left to recover.
    m_changedSinceAutosave = false;
    m_autosaveTimer.stop();
    removeRecovery();
    return true;
}

QStringList ProjectDocument::recentProjects() const
{
    QStringList paths;
    for (int i = 0; i < MaxRecent; ++i) {
        const QString path = SettingsStore::read(kApp, kSettings, recentKey(i), QString());
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

void ProjectDocument::rememberRecent(const QString &path)
{
    QStringList paths = recentProjects();
    paths.removeAll(path);
    paths.prepend(path);
    for (int i = 0; i < MaxRecent; ++i)
        SettingsStore::write(kApp, kSettings, recentKey(i), paths.value(i));
    emit recentProjectsChanged();
}

void ProjectDocument::forgetRecent(const QString &path)
{
    QStringList paths = recentProjects();
    paths.removeAll(path);
    for (int i = 0; i < MaxRecent; ++i)
        SettingsStore::write(kApp, kSettings, recentKey(i), paths.value(i));
    emit recentProjectsChanged();
}
