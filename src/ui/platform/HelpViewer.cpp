#include "platform/HelpViewer.h"

#include "platform/HelpWindow.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QPointer>

namespace modVnPublic {
namespace {

const QString kHelpFileName = QStringLiteral("vornish.qch");

// One help window at a time; it keeps its place and history while its owner
// and file stay the same.
bool openInHelpWindow(QWidget *owner, const QString &helpFile, const QString &topic)
{
    static QPointer<HelpWindow> window;
    if (!window || window->parentWidget() != owner || window->helpFile() != helpFile) {
        delete window;
        window = new HelpWindow(owner);
        if (!window->load(helpFile)) {
            delete window;
            return false;
        }
    }
    window->showTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

HelpOpener &opener()
{
    static HelpOpener current = openInHelpWindow;
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

bool OpenHelpFile(QWidget *owner, const QString &helpFile, const QString &topic)
{
    return opener()(owner, helpFile, topic);
}

void SetHelpOpener(HelpOpener newOpener)
{
    opener() = newOpener ? std::move(newOpener) : HelpOpener(openInHelpWindow);
}

} // namespace modVnPublic
