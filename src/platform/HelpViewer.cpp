#include "platform/HelpViewer.h"

#include "platform/ProgramFolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace modVnPublic {
namespace {

const QString kHelpFileName = QStringLiteral("Vn_html_hlp.chm");

// There is no help viewer of our own: the file goes to whatever application
// the desktop associates with compiled HTML help.
bool openWithDesktop(const QString &helpFile)
{
    const QFileInfo file(helpFile);
    if (!file.isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

HelpOpener &opener()
{
    static HelpOpener current = openWithDesktop;
    return current;
}

} // namespace

QString HelpFilePath()
{
    const QDir folder(ProgramFolder());
    // Name filters ignore case unless told otherwise.
    const QStringList found = folder.entryList({kHelpFileName}, QDir::Files);
    if (found.isEmpty() || found.contains(kHelpFileName))
        return folder.filePath(kHelpFileName);
    return folder.filePath(found.first());
}

bool OpenHelpFile(QWidget *, const QString &helpFile)
{
    return opener()(helpFile);
}

void SetHelpOpener(HelpOpener newOpener)
{
    opener() = newOpener ? std::move(newOpener) : HelpOpener(openWithDesktop);
}

} // namespace modVnPublic
