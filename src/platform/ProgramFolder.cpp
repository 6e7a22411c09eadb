#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace modVnPublic {
namespace {

QString &folderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

QString ProgramFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString &folder)
{
    folderOverride() = folder;
}

QString ProgramFilePath(const QString &fileName)
{
    return QDir(ProgramFolder()).filePath(fileName);
}

} // namespace modVnPublic
