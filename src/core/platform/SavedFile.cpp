#include "platform/SavedFile.h"

#include "platform/Messages.h"

#include <QDir>
#include <QSaveFile>

QString writeWholeFile(const QString &path, const std::function<bool(QIODevice &device)> &write,
                       const QString &cancelReason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(file)) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : cancelReason;
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

void showSaveFailure(const QString &path, const QString &reason)
{
    Messages::show(QStringLiteral("The file could not be saved:") + Messages::lineBreak()
                       + QDir::toNativeSeparators(path) + Messages::paragraph() + reason + Messages::paragraph()
                       + QStringLiteral(
                           "Nothing was written. Choose another folder, or free some space, and try again."),
                   Messages::Buttons::Ok, Messages::Icon::Exclamation, QStringLiteral("Save Failed"));
}
