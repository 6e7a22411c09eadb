#pragma once

#include "project/ProjectContent.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

class QLockFile;

// The project the user works on: its file, whether it changed since it was
// saved, the recent projects, and the recovery file that autosave keeps
// (every minute of changes and before every simulation run) in the folder
// the program writes into. A clean exit removes the recovery file; the next
// start after a crash offers it.
class ProjectDocument : public QObject
{
    Q_OBJECT

public:
    static ProjectDocument &current();

    // Once every part has joined: their state now is what New Project
    // returns to.
    void start();
    // After a crash: offers the work the recovery file holds.
    void offerRecovery();
    // A clean end: the recovery file goes.
    void finish();

    QString path() const { return m_path; }
    bool isModified() const { return m_modified; }
    // The file's name, or "Untitled".
    QString name() const;
    // "Vornish", or "Vornish - name" with "*" while modified.
    QString caption() const;

    // Each returns false when it did not happen (cancelled, or refused with
    // a message); the work on screen then stays as it was.
    bool newProject();
    bool openProject(); // asks for the file
    bool openPath(const QString &path, bool fromRecentList = false);
    bool save();
    bool saveAs();
    // Save / Discard / Cancel when there are unsaved changes: true to go on.
    bool maySetAside();

    static constexpr int MaxRecent = 8;
    QStringList recentProjects() const;

    QString recoveryPath() const;
    // Writes the recovery file now when something changed since it was last written.
    void autosave();
    void setAutosaveInterval(int milliseconds);

signals:
    void captionChanged(const QString &caption);
    void recentProjectsChanged();

private:
    ProjectDocument();
    ~ProjectDocument() override;
    void userChanged();
    bool writeProject(const QString &path);
    bool applyOpened(const QString &path, const Project::Content &content, bool hasResults);
    void setDocument(const QString &path, bool modified);
    void rememberRecent(const QString &path);
    void forgetRecent(const QString &path);
    void removeRecovery();

    Project::Content m_baseline;
    QString m_path;
    bool m_modified = false;
    bool m_changedSinceAutosave = false;
    QTimer m_autosaveTimer;
    std::unique_ptr<QLockFile> m_recoveryLock; // null: another instance keeps the recovery file
};
