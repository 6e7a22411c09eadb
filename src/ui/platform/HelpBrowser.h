#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

// The page pane of the help window: shows the guide's pages and pictures
// from the help file; links outside the help file go to the desktop.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    HelpBrowser(QHelpEngineCore *engine, QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;

private:
    void followLink(const QUrl &link);

    QHelpEngineCore *m_engine;
};
