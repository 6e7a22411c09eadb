#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace modVnPublic {
namespace {

struct FolderOverride
{
    QString folder;
    ProgramLayout layout = ProgramLayout::BuildFolder;
};

FolderOverride &folderOverride()
{
    static FolderOverride given;
    return given;
}

// An installed program keeps its help and pages in the data folder of its
// prefix (bin/../share/vornish); empty when there is none.
QString installedDataFolder()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString installed = QDir::cleanPath(programDir.filePath(QStringLiteral(VORNISH_DATA_FROM_PROGRAM)));
    return QFileInfo(installed).isDir() ? installed : QString();
}

} // namespace

QString ProgramFolder()
{
    if (!folderOverride().folder.isEmpty())
        return folderOverride().folder;
    const QString installed = installedDataFolder();
    return installed.isEmpty() ? QCoreApplication::applicationDirPath() : installed;
}

ProgramLayout CurrentProgramLayout()
{
    if (!folderOverride().folder.isEmpty())
        return folderOverride().layout;
    return installedDataFolder().isEmpty() ? ProgramLayout::BuildFolder : ProgramLayout::Installed;
}

void SetProgramFolder(const QString &folder, ProgramLayout layout)
{
    folderOverride() = {folder, layout};
}

QString ProgramFilePath(const QString &fileName)
{
    return QDir(ProgramFolder()).filePath(fileName);
}

QString WritableFolder()
{
    // The installed data folder is shared by every user and owned by the
    // system: root could write into it, but no user's results belong there.
    if (CurrentProgramLayout() == ProgramLayout::BuildFolder) {
        const QFileInfo programFolder(ProgramFolder());
        if (programFolder.isDir() && programFolder.isWritable())
            return programFolder.filePath();
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Vornish");
}

} // namespace modVnPublic
