#pragma once

#include "project/ProjectFile.h"

#include <QString>

// The messages about project files, shown through the message service.
namespace ProjectMessages {

// Why a project could not be opened; the work on screen stays.
void ShowOpenProblem(const QString &path, const Project::Opened &opened, bool fromRecentList);

// Save, discard or cancel before the work on screen is set aside:
// Yes saves, No discards, Cancel keeps it.
QString SetAsideQuestion(const QString &projectName);

QString RecoveryQuestion(const QString &savedAt);
QString RecoveryRefused(const QString &reason);

} // namespace ProjectMessages
