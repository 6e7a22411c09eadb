#pragma once

#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

class HelpBrowser;
class QAction;
class QLabel;
class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QToolBar;

// The window of the user guide: contents, index and full-text search beside
// the page, with back, forward and the default topic in its toolbar. It reads
// one help file (a Qt compressed help file) and keeps its search index in a
// folder of its own that goes with the window.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *owner = nullptr);
    ~HelpWindow() override;

    // False when the file is missing or is not a help file.
    bool load(const QString &helpFile);
    QString helpFile() const { return m_helpFile; }

    // Shows a page of the guide by its file name ("tools.html" or
    // "tools.html#grid"); an empty or unknown name shows the default topic.
    void showTopic(const QString &page);

    // The address of a page inside the help file.
    QUrl topicUrl(const QString &page) const;

    // True once the search index of the loaded guide is complete: a search
    // asked for earlier waits for it, with a line saying so.
    bool isSearchReady() const { return m_indexRunsFinished > 0 && m_indexRunsRunning == 0; }

    QHelpEngine *engine() const { return m_engine; }
    HelpBrowser *page() const { return m_page; }
    QTabWidget *tabs() const { return m_tabs; }
    QLineEdit *indexFilter() const { return m_indexFilter; }

    static QString defaultTopic() { return QStringLiteral("index.html"); }

private:
    QToolBar *buildToolBar();
    void buildNavigation();
    void showUrl(const QUrl &url);
    void selectInContents(const QUrl &url);
    void searchWhenReady();
    void indexRunFinished();

    QTemporaryDir m_cache;
    QString m_helpFile;
    QString m_namespace;
    QHelpEngine *m_engine = nullptr;
    HelpBrowser *m_page = nullptr;
    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_indexFilter = nullptr;
    QLabel *m_searchStatus = nullptr;
    int m_indexRunsRunning = 0;
    int m_indexRunsFinished = 0;
    bool m_searchWaiting = false;
};
