#include "RunningProgram.h"
#include "TestMain.h"

#include "platform/HelpBrowser.h"
#include "platform/HelpViewer.h"
#include "platform/HelpWindow.h"
#include "platform/ProgramFolder.h"
#include "shell/HelpTopics.h"

#include <QAction>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextDocument>

namespace {

// The built guide, or the installed one when CI names it.
QString guideFile()
{
    const QString installed = qEnvironmentVariable("VORNISH_HELP_FILE");
    return installed.isEmpty() ? QStringLiteral(VORNISH_BUILT_HELP_FILE) : installed;
}

QString pageOf(const QUrl &url)
{
    return url.fileName() + (url.hasFragment() ? "#" + url.fragment() : QString());
}

// Whether the guide has the page, and the anchor when one is named.
bool guideHas(const HelpWindow &help, const QUrl &url)
{
    const QString html = QString::fromUtf8(help.engine()->fileData(url.adjusted(QUrl::RemoveFragment)));
    if (html.isEmpty())
        return false;
    return !url.hasFragment()
           || html.contains(QRegularExpression(QStringLiteral("(id|name)=\"%1\"").arg(url.fragment())));
}

// Every window of the running program: the frames and dialogs, and the windows inside the main one.
QStringList programWindows(frmVn_Main &main)
{
    QStringList names;
    // Every window and dialog, whatever its name; menus, tool tips and the
    // like are pop-ups, not windows, and an unnamed Qt class is Qt's own
    // helper (the frame's controls of a maximised child).
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->windowType() != Qt::Window && w->windowType() != Qt::Dialog)
            continue;
        const QString className = QString::fromLatin1(w->metaObject()->className());
        if (!w->objectName().isEmpty())
            names << w->objectName();
        else if (!className.startsWith(QLatin1Char('Q')))
            names << QStringLiteral("an unnamed ") + className;
    }
    for (QMdiSubWindow *w : main.mdiArea->subWindowList())
        names << w->objectName();
    names.removeDuplicates();
    return names;
}

} // namespace

class HelpTest : public QObject
{
    Q_OBJECT

    RunningProgram program;

    HelpWindow *helpWindow() const { return program.main->findChild<HelpWindow *>(); }

    void installGuide() const { QVERIFY(QFile::copy(guideFile(), modVnPublic::HelpFilePath())); }

private slots:
    void init()
    {
        program.start();
        installGuide();
    }
    void cleanup() { program.stop(); }

    void guideHasTextOnEveryPageAndNoBrokenLink()
    {
        HelpWindow help;
        QVERIFY2(help.load(guideFile()), qPrintable(guideFile()));
        QHelpContentModel *contents = help.engine()->contentModel();
        QSignalSpy created(contents, &QHelpContentModel::contentsCreated);
        QVERIFY(created.wait(10000)); // the contents are made in a thread after loading

        QList<QUrl> toVisit;
        std::function<void(const QModelIndex &)> walk = [&](const QModelIndex &parent) {
            for (int row = 0; row < contents->rowCount(parent); ++row) {
                const QModelIndex item = contents->index(row, 0, parent);
                toVisit << contents->contentItemAt(item)->url();
                walk(item);
            }
        };
        walk(QModelIndex());
        QVERIFY(toVisit.size() >= 20);

        QSet<QString> visited, pictures;
        const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
        const QRegularExpression picture(QStringLiteral("<img src=\"([^\"]+)\" alt=\"([^\"]+)\""));
        while (!toVisit.isEmpty()) {
            const QUrl url = toVisit.takeFirst();
            QVERIFY2(guideHas(help, url), qPrintable("broken link to " + pageOf(url)));
            const QUrl page = url.adjusted(QUrl::RemoveFragment);
            if (visited.contains(page.toString()))
                continue;
            visited << page.toString();
            const QString html = QString::fromUtf8(help.engine()->fileData(page));
            QTextDocument text;
            text.setHtml(html);
            QVERIFY2(text.toPlainText().simplified().size() > 300, qPrintable(pageOf(page) + " has almost no text"));
            for (auto m = link.globalMatch(html); m.hasNext();) {
                const QUrl target = page.resolved(QUrl(m.next().captured(1)));
                if (target.scheme() == page.scheme())
                    toVisit << target;
            }
            // Every picture is the program's own, with a text for readers who cannot see it.
            QVERIFY2(html.count("<img") == html.count(picture),
                     qPrintable(pageOf(page) + ": a picture lacks alt text"));
            for (auto m = picture.globalMatch(html); m.hasNext();) {
                const QUrl source = page.resolved(QUrl(m.next().captured(1)));
                QVERIFY2(!QImage::fromData(help.engine()->fileData(source)).isNull(),
                         qPrintable(pageOf(page) + ": broken picture " + source.path()));
                pictures << source.path();
            }
        }
        QVERIFY(visited.size() >= 20);
        // No figure is made for nothing.
        const QHelpContentItem *home = contents->contentItemAt(contents->index(0, 0));
        for (const QUrl &figure : help.engine()->files(home->url().host(), QString(), QStringLiteral("png")))
            QVERIFY2(pictures.contains(figure.path()), qPrintable(figure.path() + " is on no page"));
        QVERIFY(!pictures.isEmpty());
    }

    void everyWindowHasATopicInTheGuide()
    {
        QStringList windows = programWindows(*program.main);
        QVERIFY(windows.contains("frmVn_Main") && windows.contains("frmVornish") && windows.contains("frmOptions"));
        program.main->ShowHelp(QString());
        QVERIFY(helpWindow());
        windows << helpWindow()->objectName() << "dlgGraphResolution"
                << "dlgExportProgress"; // made on demand
        for (const QString &name : windows) {
            const QString topic = HelpTopics::topicOf(name);
            QVERIFY2(!topic.isEmpty(), qPrintable(name + " has no topic in HelpTopics"));
            QVERIFY2(guideHas(*helpWindow(), helpWindow()->topicUrl(topic)),
                     qPrintable(name + ": the guide lacks " + topic));
        }
    }

    void f1OpensTheTopicOfTheWindowInUse()
    {
        frmVornish &tool = program.vornish();
        tool.showInFront();
        tool.txtKd->setFocus();
        QTest::keyClick(tool.txtKd, Qt::Key_F1);
        HelpWindow *help = helpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(pageOf(help->page()->source()), QStringLiteral("equilibrium-tool.html"));
        QVERIFY(help->page()->toPlainText().contains("Equilibrium Tool"));
        QVERIFY(scriptedMessages().shown.isEmpty());

        // F1 in the help window itself explains the help window; the main window's frame its own page.
        QTest::keyClick(help->page(), Qt::Key_F1);
        QCOMPARE(pageOf(help->page()->source()), QStringLiteral("help-window.html"));
        QTest::keyClick(program.main->mdiArea, Qt::Key_F1);
        QCOMPARE(pageOf(help->page()->source()), QStringLiteral("main-window.html"));
        QCOMPARE(program.main->findChildren<HelpWindow *>().size(), 1);
    }

    void helpWindowNavigates()
    {
        program.main->action("mnuHelpContents")->trigger();
        HelpWindow *help = helpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(pageOf(help->page()->source()), QStringLiteral("index.html"));
        for (const char *tab : {"Contents", "Index", "Search"}) {
            bool found = false;
            for (int i = 0; i < help->tabs()->count(); ++i)
                found |= help->tabs()->tabText(i) == tab;
            QVERIFY2(found, tab);
        }

        // A link in the page, then back and forward.
        emit help->page()->anchorClicked(QUrl("science.html#quadratic"));
        QCOMPARE(pageOf(help->page()->source()), QStringLiteral("science.html#quadratic"));
        help->findChild<QAction *>("helpBack")->trigger();
        QCOMPARE(pageOf(help->page()->source()), QStringLiteral("index.html"));
        help->findChild<QAction *>("helpForward")->trigger();
        QCOMPARE(pageOf(help->page()->source()), QStringLiteral("science.html#quadratic"));

        // The index: a typed keyword and Enter.
        QHelpIndexModel *index = help->engine()->indexModel();
        QTRY_VERIFY_WITH_TIMEOUT(index->rowCount() > 0, 10000); // made in a thread after loading
        QTest::keyClicks(help->indexFilter(), "Euler");
        QTest::keyClick(help->indexFilter(), Qt::Key_Return);
        QCOMPARE(pageOf(help->page()->source()), QStringLiteral("science.html#euler"));

        // Full-text search finds a word that only the body of a page holds,
        // in the index the window builds itself; asked for early, the search
        // says it waits and then runs.
        QHelpSearchEngine *search = help->engine()->searchEngine();
        QSignalSpy searched(search, &QHelpSearchEngine::searchingFinished);
        for (int i = 0; i < help->tabs()->count(); ++i)
            if (help->tabs()->tabText(i) == "Search")
                help->tabs()->setCurrentIndex(i);
        search->queryWidget()->setSearchInput("pipette");
        emit search->queryWidget()->search();
        auto *status = help->findChild<QLabel *>("helpSearchStatus");
        QVERIFY(status);
        QCOMPARE(status->isVisibleTo(help), !help->isSearchReady());
        QTRY_VERIFY_WITH_TIMEOUT(help->isSearchReady(), 30000);
        QVERIFY(searched.count() > 0 || searched.wait(10000));
        QVERIFY(!status->isVisibleTo(help));
        QVERIFY(search->searchResultCount() > 0);
        QCOMPARE(search->searchResults(0, 1).first().url().fileName(), QStringLiteral("science.html"));
    }

    void unreadableHelpFileLeadsToHelpProblems()
    {
        QFile file(modVnPublic::HelpFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("not a help file");
        file.close();
        resetMessages({Messages::Answer::Ok, Messages::Answer::Cancel});
        program.main->action("mnuHelpContents")->trigger();
        QCOMPARE(scriptedMessages().shown.size(), 2);
        QCOMPARE(scriptedMessages().shown[0].title, QStringLiteral("HTML Help problem"));
        QVERIFY(!helpWindow());
        QVERIFY(program.main->isVisible());
    }
};

VORNISH_TEST(HelpTest)

#include "tst_help.moc"
