#include "platform/DocumentLauncher.h"

#include "platform/Messages.h"
#include "platform/ProgramFolder.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace modVnPublic {
namespace {

bool isWebAddress(const QString &document)
{
    const QUrl url(document);
    return url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1 && !url.isLocalFile();
}

int openWithDesktop(const QString &document)
{
    QUrl url;
    if (isWebAddress(document)) {
        url = QUrl(document);
    } else {
        if (!QFileInfo::exists(document))
            return LaunchFileNotFound;
        url = QUrl::fromLocalFile(QFileInfo(document).absoluteFilePath());
    }
    return QDesktopServices::openUrl(url) ? LaunchOk : LaunchNoAssociation;
}

DocumentOpener &opener()
{
    static DocumentOpener current = openWithDesktop;
    return current;
}

} // namespace

short LaunchDocument(QWidget *, const QString &document, short)
{
    const int result = opener()(document);
    if (result == LaunchNoAssociation) {
        Messages::show(ProgramTitle() + QStringLiteral(" could not find a file association for ") + document
                           + QStringLiteral(" on your system. You should check that your browser is ")
                           + QStringLiteral("correctly installed and associated with this type of ")
                           + QStringLiteral("file."),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation, QStringLiteral("Browser Unavailable"));
    } else if (result <= 32) {
        Messages::show(ProgramTitle() + QStringLiteral(" had a problem running your web browser. Please ")
                           + QStringLiteral("check that your browser is correctly installed.(Error")
                           + QString::number(result) + QStringLiteral(")"),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation, QStringLiteral("Browser Unavailable"));
    }
    return static_cast<short>(result);
}

void SetDocumentOpener(DocumentOpener newOpener)
{
    opener() = newOpener ? std::move(newOpener) : DocumentOpener(openWithDesktop);
}

} // namespace modVnPublic
