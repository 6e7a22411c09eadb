#include "platform/FileDialogs.h"

#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace FileDialogs {
namespace {

const QString kApp = QStringLiteral("Vornish");
const QString kSection = QStringLiteral("Settings");
const QString kFolderKey = QStringLiteral("LastDataFolder");

std::unique_ptr<Service> &installed()
{
    static std::unique_ptr<Service> service;
    return service;
}

} // namespace

void install(std::unique_ptr<Service> service)
{
    installed() = std::move(service);
}

QString lastFolder()
{
    const QString folder = SettingsStore::read(kApp, kSection, kFolderKey, QString());
    // A remembered folder that is gone (a removed stick) is not offered.
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QString choose(Mode mode, const QString &title, const QStringList &filters, const QString &suggestedName)
{
    if (!installed())
        return QString();
    Request request;
    request.mode = mode;
    request.title = title;
    request.filters = filters;
    request.startPath = lastFolder();
    if (mode == Mode::Save && !suggestedName.isEmpty())
        request.startPath = QDir(request.startPath).filePath(suggestedName);
    const QString path = installed()->ask(request);
    if (!path.isEmpty())
        SettingsStore::write(kApp, kSection, kFolderKey, QFileInfo(path).absolutePath());
    return path;
}

QString suggestedName(const QString &subject, const QString &extension, const QDate &date)
{
    return subject + QLatin1Char(' ') + date.toString(Qt::ISODate) + QLatin1Char('.') + extension;
}

} // namespace FileDialogs
