#include "platform/HelpBrowser.h"

#include "platform/DocumentLauncher.h"

#include <QHelpEngineCore>
#include <QImage>

HelpBrowser::HelpBrowser(QHelpEngineCore *engine, QWidget *parent)
    : QTextBrowser(parent)
    , m_engine(engine)
{
    setObjectName(QStringLiteral("helpPage"));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    if (name.scheme() != QLatin1String("qthelp"))
        return QTextBrowser::loadResource(type, name);
    const QByteArray data = m_engine->fileData(name);
    if (type == QTextDocument::ImageResource)
        return QImage::fromData(data);
    return QString::fromUtf8(data);
}

void HelpBrowser::followLink(const QUrl &link)
{
    const QUrl target = source().resolved(link);
    if (target.scheme() == QLatin1String("qthelp"))
        setSource(target);
    else
        modVnPublic::LaunchDocument(this, target.toString(), 0);
}
