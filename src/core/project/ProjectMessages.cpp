#include "project/ProjectMessages.h"

#include "platform/Messages.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>

namespace ProjectMessages {
namespace {

QString problemText(const Project::Opened &opened, bool fromRecentList)
{
    using Project::Problem;
    switch (opened.problem) {
    case Problem::None:
        break;
    case Problem::Missing:
        return fromRecentList ? QStringLiteral("The project file cannot be found. It may have been moved, renamed or "
                                               "deleted; it is taken off the list of recent projects.")
                              : QStringLiteral("The project file cannot be found.");
    case Problem::NotProject:
        return QStringLiteral("This file is not a Vornish project.");
    case Problem::Newer:
        return QStringLiteral("This project was saved by a newer version of Vornish (project format %1); this "
                              "version opens projects up to format %2. Open it with a newer version of Vornish.")
            .arg(opened.detail)
            .arg(Project::FormatVersion);
    case Problem::Damaged:
        return QStringLiteral("The project file is damaged and cannot be opened.")
               + (opened.detail.isEmpty() ? QString() : Messages::lineBreak() + opened.detail);
    }
    return QString();
}

} // namespace

void ShowOpenProblem(const QString &path, const Project::Opened &opened, bool fromRecentList)
{
    Messages::show(QDir::toNativeSeparators(path) + Messages::paragraph() + problemText(opened, fromRecentList)
                       + Messages::paragraph()
                       + QStringLiteral("Nothing was changed: the work on screen stays as it was."),
                   Messages::Buttons::Ok, Messages::Icon::Exclamation, QStringLiteral("Open Project"));
}

QString SetAsideQuestion(const QString &projectName)
{
    return QStringLiteral("Do you want to save the changes to \"%1\"?").arg(projectName) + Messages::paragraph()
           + QStringLiteral("Your changes are lost if you discard them.");
}

QString RecoveryQuestion(const QString &savedAt)
{
    const QDateTime when = QDateTime::fromString(savedAt, Qt::ISODate).toLocalTime();
    return QStringLiteral("Vornish did not close normally last time. Work saved automatically at %1 can be recovered.")
               .arg(QLocale().toString(when, QLocale::ShortFormat))
           + Messages::paragraph() + QStringLiteral("Recover it now? No discards it.");
}

QString RecoveryRefused(const QString &reason)
{
    return QStringLiteral("The work saved automatically before Vornish closed cannot be recovered: the recovery file "
                          "is damaged.")
           + Messages::paragraph() + reason;
}

} // namespace ProjectMessages
