#include "platform/HelpWindow.h"

#include "platform/HelpBrowser.h"
#include "platform/Twips.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Where the pages sit inside the help file; the guide's project file names it.
const QString kVirtualFolder = QStringLiteral("guide");

} // namespace

HelpWindow::HelpWindow(QWidget *owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Vornish Help"));
    resize(Twips::toPixelsX(13500), Twips::toPixelsY(9600));
    // The collection that lists the help file, and the search index beside
    // it, are rebuilt for every window: the guide is small.
    m_engine = new QHelpEngine(QDir(m_cache.path()).filePath(QStringLiteral("vornish.qhc")), this);
    m_engine->setReadOnly(false);
    m_engine->setUsesFilterEngine(true);

    m_page = new HelpBrowser(m_engine, this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("helpTabs"));
    buildNavigation();

    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 3);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildToolBar());
    layout->addWidget(splitter);
}

HelpWindow::~HelpWindow()
{
    // The indexer runs in a thread that reads the folder removed with us.
    m_engine->searchEngine()->cancelIndexing();
}

QToolBar *HelpWindow::buildToolBar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("helpToolBar"));
    QAction *back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"));
    back->setObjectName(QStringLiteral("helpBack"));
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction *forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Forward"));
    forward->setObjectName(QStringLiteral("helpForward"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    QAction *home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Contents"));
    home->setObjectName(QStringLiteral("helpHome"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    connect(back, &QAction::triggered, m_page, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_page, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { showTopic(QString()); });
    connect(m_page, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_page, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_page, &QTextBrowser::sourceChanged, this, &HelpWindow::selectInContents);
    return bar;
}

void HelpWindow::buildNavigation()
{
    QHelpContentWidget *contents = m_engine->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::showUrl);
    m_tabs->addTab(contents, QStringLiteral("Contents"));

    auto *indexPage = new QWidget(m_tabs);
    m_indexFilter = new QLineEdit(indexPage);
    m_indexFilter->setObjectName(QStringLiteral("helpIndexFilter"));
    m_indexFilter->setPlaceholderText(QStringLiteral("Type a keyword"));
    QHelpIndexWidget *index = m_engine->indexWidget();
    index->setObjectName(QStringLiteral("helpIndex"));
    auto *indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(m_indexFilter);
    indexLayout->addWidget(index);
    connect(m_indexFilter, &QLineEdit::textChanged, index,
            [index](const QString &text) { index->filterIndices(text); });
    connect(m_indexFilter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &document) { showUrl(document.url); });
    // A keyword on several pages opens the first; the guide gives each keyword one page.
    connect(index, &QHelpIndexWidget::documentsActivated, this, [this](const QList<QHelpLink> &documents) {
        if (!documents.isEmpty())
            showUrl(documents.first().url);
    });
    m_tabs->addTab(indexPage, QStringLiteral("Index"));

    QHelpSearchEngine *search = m_engine->searchEngine();
    auto *searchPage = new QWidget(m_tabs);
    auto *searchLayout = new QVBoxLayout(searchPage);
    search->queryWidget()->setObjectName(QStringLiteral("helpSearchQuery"));
    search->resultWidget()->setObjectName(QStringLiteral("helpSearchResults"));
    m_searchStatus = new QLabel(QStringLiteral(
                                    "The search index is still being built: the search runs when it is ready."),
                                searchPage);
    m_searchStatus->setObjectName(QStringLiteral("helpSearchStatus"));
    m_searchStatus->setWordWrap(true);
    m_searchStatus->hide();
    searchLayout->addWidget(search->queryWidget());
    searchLayout->addWidget(m_searchStatus);
    searchLayout->addWidget(search->resultWidget(), 1);
    // The engine indexes the guide in a thread of its own after loading, and
    // again whenever it restarts a run: count the runs to know when it is done.
    connect(search, &QHelpSearchEngine::indexingStarted, this, [this] { ++m_indexRunsRunning; });
    connect(search, &QHelpSearchEngine::indexingFinished, this, &HelpWindow::indexRunFinished);
    connect(search->queryWidget(), &QHelpSearchQueryWidget::search, this, &HelpWindow::searchWhenReady);
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::showUrl);
    m_tabs->addTab(searchPage, QStringLiteral("Search"));
}

void HelpWindow::searchWhenReady()
{
    m_searchWaiting = !isSearchReady();
    m_searchStatus->setVisible(m_searchWaiting);
    if (!m_searchWaiting) {
        QHelpSearchEngine *search = m_engine->searchEngine();
        search->search(search->queryWidget()->searchInput());
    }
}

void HelpWindow::indexRunFinished()
{
    m_indexRunsRunning = std::max(0, m_indexRunsRunning - 1);
    ++m_indexRunsFinished;
    if (m_searchWaiting && isSearchReady())
        searchWhenReady();
}

bool HelpWindow::load(const QString &helpFile)
{
    const QString name = QHelpEngineCore::namespaceName(helpFile);
    if (!QFileInfo(helpFile).isFile() || name.isEmpty())
        return false;
    if (!m_engine->setupData() || !m_engine->registerDocumentation(helpFile))
        return false;
    m_helpFile = helpFile;
    m_namespace = name;
    return !m_engine->fileData(topicUrl(defaultTopic())).isEmpty();
}

QUrl HelpWindow::topicUrl(const QString &page) const
{
    return QUrl(QStringLiteral("qthelp://%1/%2/%3").arg(m_namespace, kVirtualFolder, page));
}

void HelpWindow::showTopic(const QString &page)
{
    QUrl url = topicUrl(page.isEmpty() ? defaultTopic() : page);
    if (m_engine->fileData(url.adjusted(QUrl::RemoveFragment)).isEmpty())
        url = topicUrl(defaultTopic());
    showUrl(url);
}

void HelpWindow::showUrl(const QUrl &url)
{
    m_page->setSource(url);
}

void HelpWindow::selectInContents(const QUrl &url)
{
    QHelpContentWidget *contents = m_engine->contentWidget();
    const QModelIndex item = contents->indexOf(url.adjusted(QUrl::RemoveFragment));
    if (item.isValid())
        contents->setCurrentIndex(item);
}
