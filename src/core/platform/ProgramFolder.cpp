#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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
    // An installed program keeps its help and pages in the data folder of its
    // prefix (bin/../share/vornish); one run from its build folder, beside it.
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString installed = QDir::cleanPath(programDir.filePath(QStringLiteral(VORNISH_DATA_FROM_PROGRAM)));
    if (QFileInfo(installed).isDir())
        return installed;
    return programDir.path();
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
