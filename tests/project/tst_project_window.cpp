#include "DisplayTexts.h"
#include "RunningProgram.h"
#include "ScriptedFileDialogs.h"
#include "TestMain.h"

#include "competition/CompetitionFitPage.h"
#include "competition/frmCompetition.h"
#include "dynamic/frmDynVornish.h"
#include "exchange/ToolData.h"
#include "fitting/FitDataTable.h"
#include "fitting/FitResultsPanel.h"
#include "kineticsfit/frmKineticsFit.h"
#include "platform/EditableGrid.h"
#include "project/ProjectDocument.h"
#include "project/ProjectFile.h"
#include "scatchard/frmSaturation.h"
#include "scatchard/frmScatchard.h"

#include <QAction>
#include <QCloseEvent>
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cmath>

namespace {

// What the user sees of the tools: every field and output, and the graph.
struct Shown
{
    QStringList texts;
    std::vector<std::tuple<int, float, float, float, float, QRgb, QString>> graph;

    bool operator==(const Shown &other) const { return texts == other.texts && graph == other.graph; }
};

Shown shown()
{
    Shown s;
    frmCompetition *competition = appWindows().competition;
    for (QWidget *tool : {static_cast<QWidget *>(appWindows().vornish), static_cast<QWidget *>(appWindows().scatchard),
                          static_cast<QWidget *>(appWindows().dynamic), static_cast<QWidget *>(competition)}) {
        for (const QLineEdit *field : tool->findChildren<QLineEdit *>())
            if (field->objectName().startsWith(QLatin1String("txt")))
                s.texts << field->objectName() + QLatin1Char('=') + field->text();
        for (const QLabel *label : tool->findChildren<QLabel *>())
            if (label->objectName().startsWith(QLatin1String("lblOutput")))
                s.texts << label->objectName() + QLatin1Char('=') + label->text();
        s.texts << tool->objectName() + (tool->isVisible() ? QStringLiteral(" shown") : QStringLiteral(" hidden"));
    }
    for (const QWidget *tool : {static_cast<QWidget *>(appWindows().scatchard), static_cast<QWidget *>(competition)})
        for (const QTableWidget *grid : tool->findChildren<QTableWidget *>())
            for (int r = 0; r < grid->rowCount(); ++r)
                for (int c = 0; c < grid->columnCount(); ++c)
                    if (grid->item(r, c))
                        s.texts << grid->item(r, c)->text();
    for (const QLabel *label :
         {competition->lblKiExact, competition->lblRegime, competition->pageFit->fraExact->lblNote})
        s.texts << label->text();
    s.texts << QString::number(competition->tabCompetition->currentIndex());
    const DisplayList &list = appWindows().graph->PicGraph->displayList();
    for (const DisplayItem &item : list.items())
        s.graph.emplace_back(item.kind, item.x1, item.y1, item.x2, item.y2, item.color, list.textOf(item));
    s.texts << appWindows().graph->lblX_axis->text() << appWindows().graph->lblY_axis->text();
    return s;
}

// What the Saturation Binding window shows: its tables, choices and results.
QStringList saturationShown()
{
    const frmSaturation &tool = *appWindows().saturation;
    QStringList texts;
    for (const FitDataTable *table : {tool.flgBinding, tool.flgNonspecific})
        for (const QStringList &row : table->cells())
            texts << row.join(QLatin1Char(' '));
    for (const QComboBox *choice : {tool.cmbModel, tool.cmbCompare, tool.cmbWeighting, tool.cmbReplicates})
        texts << choice->currentText();
    const QTableWidget &results = *tool.fitResults->tblParameters;
    for (int r = 0; r < results.rowCount(); ++r)
        for (int c = 0; c < results.columnCount(); ++c)
            texts << (results.item(r, c) ? results.item(r, c)->text() : QString());
    texts << tool.fitResults->lblStatistics->text() << tool.fitResults->lblNote->text();
    return texts;
}

QString fieldText(const char *name)
{
    return appWindows().vornish->findChild<QLineEdit *>(QLatin1String(name))->text();
}

} // namespace

class ProjectWindowTest : public QObject
{
    Q_OBJECT

    RunningProgram program;
    QTemporaryDir folder;

    QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }
    QAction *item(const char *name) const { return program.main->action(QLatin1String(name)); }
    QString caption() const { return program.main->windowTitle(); }
    ProjectDocument &document() const { return ProjectDocument::current(); }

    // The tools used as the user uses them: the equilibrium solved and
    // plotted, the Scatchard data analysed, the wizard's fields typed, a
    // competition curve fitted and an IC50 converted.
    void useEveryTool()
    {
        program.vornish("10", "10", "1");
        QCOMPARE(fieldText("txtA"), QStringLiteral("2.701562"));
        program.main->mnuScatchard_Click();
        QVERIFY(ToolData::EnterScatchardData({{"1", "0.9"}, {"2", "0.8"}, {"3", "0.72"}, {"4", "0.6"}}));
        program.main->mnuDynamVn_Click();
        frmDynVornish *wizard = appWindows().dynamic;
        typeInto(wizard->txtA, QStringLiteral("10"));
        typeInto(wizard->txtK_ass_rate, QStringLiteral("1e6"));
        QTest::mouseClick(appWindows().scatchard->cmdScatchard, Qt::LeftButton);
        QVERIFY(!appWindows().scatchard->findChild<QLabel *>("lblOutputKd")->text().isEmpty());
        program.main->mnuCompetition_Click();
        frmCompetition *competition = appWindows().competition;
        for (const auto &[field, text] : {std::pair{competition->txtTotalA, "5"},
                                          {competition->txtTotalB, "30"},
                                          {competition->txtKd, "17.92"},
                                          {competition->txtIc50, "47.815"}})
            typeInto(field, QLatin1String(text));
        QTest::mouseClick(competition->cmdKiFromIc50, Qt::LeftButton);
        competition->tabCompetition->setCurrentWidget(competition->pageFit);
        competition->pageFit->flgCompetitionData->enterCells({{"0.1", "999.02"},
                                                              {"1", "990.11"},
                                                              {"10", "895.21"},
                                                              {"31.6228", "661.08"},
                                                              {"100", "306.03"},
                                                              {"1000", "76.46"},
                                                              {"10000", "52.65"}});
        QTest::mouseClick(competition->pageFit->cmdFit, Qt::LeftButton);
        QVERIFY(competition->pageFit->fraExact->hasResult());
    }

private slots:
    void init()
    {
        resetFileDialogs();
        program.start();
        document().setAutosaveInterval(60 * 1000);
    }

    void cleanup() { program.stop(); }

    void savedWorkComesBackAfterNewProject()
    {
        QCOMPARE(caption(), QStringLiteral("Vornish"));
        for (const char *name :
             {"mnuFileNewProject", "mnuFileOpenProject", "mnuFileSaveProject", "mnuFileSaveProjectAs"})
            QVERIFY2(item(name), name);
        QCOMPARE(item("mnuFileSaveProject")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        useEveryTool();
        QCOMPARE(caption(), QStringLiteral("Vornish - Untitled*"));
        const Shown before = shown();
        QVERIFY(!before.graph.empty());

        resetFileDialogs({path("Binding work")});
        item("mnuFileSaveProject")->trigger(); // no file yet: Save As
        QCOMPARE(scriptedFileDialogs().asked.size(), 1);
        QCOMPARE(document().path(), path("Binding work.vornish"));
        QCOMPARE(caption(), QStringLiteral("Vornish - Binding work.vornish"));

        item("mnuFileNewProject")->trigger();
        QVERIFY(scriptedMessages().shown.isEmpty()); // saved: nothing to ask
        QCOMPARE(fieldText("txtA_tot"), QString());
        QVERIFY(appWindows().graph->PicGraph->displayList().items().empty());
        QVERIFY(!appWindows().scatchard->isVisible());
        QCOMPARE(caption(), QStringLiteral("Vornish"));

        QMenu *recent = program.main->findChild<QMenu *>(QStringLiteral("mnuFileRecent"));
        QVERIFY(recent->menuAction()->isEnabled());
        recent->findChild<QAction *>(QStringLiteral("mnuFileRecent1"))->trigger();
        QCOMPARE(shown().texts, before.texts);
        QVERIFY(shown() == before);
        QCOMPARE(caption(), QStringLiteral("Vornish - Binding work.vornish"));
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    void superimposingGoesOnInAReopenedProject()
    {
        frmOptions &options = program.options();
        options.chkClearPrevGraph->click(); // superimpose, before any graph: no question
        options.chkDoNotRemind->setChecked(true);
        program.vornish("10", "10", "1");
        program.vornish("10", "10", "5");
        resetFileDialogs({path("Superimposed")});
        item("mnuFileSaveProject")->trigger();
        item("mnuFileNewProject")->trigger();
        resetFileDialogs({path("Superimposed.vornish")});
        item("mnuFileOpenProject")->trigger();

        // The third curve takes the third colour, and the legend names all three.
        program.vornish("10", "10", "25");
        QCOMPARE(legendEntries(program.picture().displayList()),
                 QStringList({"Kd = 1 nM #000000", "Kd = 5 nM #e69f00", "Kd = 25 nM #56b4e9"}));
    }

    // The Saturation Binding window's triplicates, nonspecific binding, choices
    // and fit come back with the project; results out of date when saved come
    // back as no results.
    void saturationWorkComesBackWithItsFit()
    {
        item("mnuSaturation")->trigger();
        frmSaturation &tool = *appWindows().saturation;
        QList<QStringList> total, nonspecific;
        for (int i = 1; i <= 8; ++i) {
            const double x = i * i * 0.25, specific = 50 * x / (3 + x), ns = 2 * x + 1;
            total << QStringList{QString::number(x), QString::number(specific + ns + 0.4 * (i % 3 - 1)),
                                 QString::number(specific + ns - 0.3), QString()};
            nonspecific << QStringList{QString::number(x), QString::number(ns + 0.1), QString::number(ns - 0.2)};
        }
        total[2][3] = QStringLiteral("9.5");
        tool.flgBinding->enterCells(total);
        tool.flgNonspecific->enterCells(nonspecific);
        tool.cmbModel->setCurrentIndex(tool.cmbModel->findText(QStringLiteral("One site, total and nonspecific")));
        tool.cmbWeighting->setCurrentIndex(2);
        tool.cmbReplicates->setCurrentIndex(1);
        QTest::mouseClick(tool.cmdFit, Qt::LeftButton);
        QVERIFY2(scriptedMessages().shown.isEmpty(), qPrintable(scriptedMessages().texts().join(" | ")));
        QCOMPARE(tool.fitResults->tblParameters->item(0, 0)->text(), QStringLiteral("Bmax"));
        const QStringList before = saturationShown();

        resetFileDialogs({path("saturation")});
        item("mnuFileSaveProject")->trigger();
        item("mnuFileNewProject")->trigger();
        QCOMPARE(tool.fitResults->tblParameters->rowCount(), 0);
        QVERIFY(document().openPath(path("saturation.vornish")));
        QCOMPARE(saturationShown(), before);
        QVERIFY(tool.isVisible());
        QVERIFY(!tool.fitResults->isOutOfDate());

        total[0][1] = QStringLiteral("7");
        tool.flgBinding->enterCells(total);
        QVERIFY(tool.fitResults->isOutOfDate());
        item("mnuFileSaveProject")->trigger();
        item("mnuFileNewProject")->trigger();
        QVERIFY(document().openPath(path("saturation.vornish")));
        QCOMPARE(tool.flgBinding->cells().value(0).value(1), QStringLiteral("7"));
        QCOMPARE(tool.fitResults->tblParameters->rowCount(), 0);
        QVERIFY(tool.fits().empty());
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    // The Kinetics Fit's table, its list with the checks, the model and
    // the fit come back with the project.
    void kineticsFitComesBack()
    {
        item("mnuKineticsFit")->trigger();
        frmKineticsFit *window = appWindows().kineticsFit;
        std::vector<KineticsFit::Trace> traces(3);
        for (size_t k = 0; k < traces.size(); ++k) {
            traces[k].concentration = 3.0 * double(k + 1);
            for (int i = 0; i <= 20; ++i) {
                traces[k].time.push_back(i);
                traces[k].signal.push_back(1 - std::exp(-(0.1 * traces[k].concentration + 0.05) * i));
            }
        }
        QVERIFY(window->SetTraces(traces));
        window->flgTraces->item(1, 0)->setCheckState(Qt::Unchecked);
        window->flgTraces->item(1, 2)->setText(QStringLiteral("15"));
        window->cmbBaseline->setCurrentIndex(2);
        window->cmbTimeUnit->setCurrentIndex(1);
        QTest::mouseClick(window->cmdFit, Qt::LeftButton);
        QVERIFY2(window->result().fitted, qPrintable(scriptedMessages().texts().join('\n')));
        const QList<QStringList> cells = window->flgTraceData->cells();
        const double kAss = window->result().fit.value(0);

        resetFileDialogs({path("Kinetics")});
        item("mnuFileSaveProject")->trigger();
        item("mnuFileNewProject")->trigger();
        QVERIFY(window->flgTraceData->cells().isEmpty());
        QCOMPARE(window->flgTraces->rowCount(), 0);
        QVERIFY(!window->result().fitted);

        program.main->findChild<QAction *>(QStringLiteral("mnuFileRecent1"))->trigger();
        QCOMPARE(window->flgTraceData->cells(), cells);
        QCOMPARE(window->flgTraces->rowCount(), 3);
        QCOMPARE(window->flgTraces->item(1, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(window->flgTraces->item(2, 0)->checkState(), Qt::Checked);
        QCOMPARE(window->flgTraces->item(1, 2)->text(), QStringLiteral("15"));
        QCOMPARE(window->flgTraces->item(2, 1)->text(), QStringLiteral("9"));
        QCOMPARE(window->flgTraces->item(2, 3)->text(), QStringLiteral("21"));
        QCOMPARE(window->cmbBaseline->currentIndex(), 2);
        QCOMPARE(window->cmbTimeUnit->currentText(), QStringLiteral("min"));
        QVERIFY(window->result().fitted);
        QCOMPARE(window->result().fit.value(0), kAss);
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    void badFilesLeaveTheWorkAsItWas_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        QTest::newRow("text") << QByteArray("Bound,Bound/Free\n1,2\n") << "This file is not a Vornish project.";
        QTest::newRow("damaged") << QByteArray("SQLite format 3\0", 16) + QByteArray(5000, '\x5a')
                                 << "The project file is damaged and cannot be opened.";
        QTest::newRow("missing") << QByteArray() << "The project file cannot be found.";
    }

    void badFilesLeaveTheWorkAsItWas()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        program.vornish("10", "10", "1");
        const Shown before = shown();
        const QString bad = path("bad.vornish");
        QFile::remove(bad);
        if (!bytes.isEmpty()) {
            QFile file(bad);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        resetFileDialogs({bad});
        item("mnuFileOpenProject")->trigger();
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(scriptedMessages().shown[0].title, QStringLiteral("Open Project"));
        QVERIFY2(scriptedMessages().shown[0].text.contains(says), qPrintable(scriptedMessages().shown[0].text));
        QVERIFY(scriptedMessages().shown[0].text.endsWith("Nothing was changed: the work on screen stays as it was."));
        QVERIFY(shown() == before);
        QCOMPARE(caption(), QStringLiteral("Vornish - Untitled*"));
    }

    void aNewerFormatAndAVanishedRecentProjectAreRefused()
    {
        const QString saved = path("newer.vornish");
        QVERIFY(Project::Write(saved, {}, QString()).isEmpty());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("edit"));
            db.setDatabaseName(saved);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("update project set value = '99' where key = 'format'")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("edit"));
        QVERIFY(!document().openPath(saved));
        QVERIFY(scriptedMessages().texts().value(0).contains(
            QStringLiteral("saved by a newer version of Vornish (project format 99)")));

        resetMessages();
        resetFileDialogs({path("gone")});
        QVERIFY(document().saveAs());
        QVERIFY(QFile::remove(path("gone.vornish")));
        QCOMPARE(document().recentProjects().value(0), path("gone.vornish"));
        program.main->findChild<QMenu *>(QStringLiteral("mnuFileRecent"))
            ->findChild<QAction *>(QStringLiteral("mnuFileRecent1"))
            ->trigger();
        QVERIFY(scriptedMessages().texts().value(0).contains(QStringLiteral("taken off the list of recent projects")));
        QVERIFY(!document().recentProjects().contains(path("gone.vornish")));
    }

    void leavingWithChangesAsksSaveDiscardOrCancel()
    {
        program.vornish("10", "10", "1");
        scriptedMessages().answers = {Messages::Answer::Cancel};
        QVERIFY(!program.main->close());
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(scriptedMessages().shown[0].buttons, Messages::Buttons::SaveDiscardCancel);
        QCOMPARE(fieldText("txtA"), QStringLiteral("2.701562"));

        resetMessages();
        scriptedMessages().answers = {Messages::Answer::Yes};
        resetFileDialogs({path("kept")});
        QVERIFY(program.main->close());
        QVERIFY(QFile::exists(path("kept.vornish")));
        QVERIFY(!QFile::exists(document().recoveryPath())); // a clean exit
    }

    void autosavedWorkIsOfferedAfterACrash()
    {
        document().setAutosaveInterval(20);
        program.vornish("10", "10", "1");
        QTRY_VERIFY(QFile::exists(document().recoveryPath()));
        const Shown before = shown();
        const QString recovery = document().recoveryPath();

        // A crash: the windows go without the frame closing.
        program.main.reset();
        QVERIFY(QFile::exists(recovery));
        resetMessages();
        scriptedMessages().answers = {Messages::Answer::Yes};
        program.main = std::make_unique<frmVn_Main>();
        program.main->ShowAfterSplash();
        QCOMPARE(scriptedMessages().titles(), QStringList{QStringLiteral("Recover Work")});
        QCOMPARE(scriptedMessages().shown[0].buttons, Messages::Buttons::YesNo);
        QVERIFY(shown() == before);
        QCOMPARE(caption(), QStringLiteral("Vornish - Untitled*"));

        // Refused: the recovery file goes, and a damaged one is said to be.
        program.main.reset();
        QFile damaged(recovery);
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(QByteArray("SQLite format 3\0", 16) + QByteArray(3000, 'x'));
        damaged.close();
        resetMessages();
        program.main = std::make_unique<frmVn_Main>();
        program.main->ShowAfterSplash();
        QVERIFY(scriptedMessages().texts().value(0).contains(QStringLiteral("cannot be recovered")));
        QVERIFY(!QFile::exists(recovery));
        QCOMPARE(fieldText("txtA_tot"), QString());
    }

    void theFormatOneFixtureOpensFromTheCommandLine()
    {
        program.stop();
        const QString copy = path("fixture.vornish");
        QFile::remove(copy);
        QVERIFY(QFile::copy(QStringLiteral(VORNISH_PROJECT_FIXTURES "/format1.vornish"), copy));
        program.main = std::make_unique<frmVn_Main>();
        program.main->OpenProjectAtStart(copy);
        program.main->ShowAfterSplash();
        QVERIFY(scriptedMessages().shown.isEmpty());
        QVERIFY(appWindows().vornish->isVisible());
        QCOMPARE(fieldText("txtKd"), QStringLiteral("1"));
        QTest::mouseClick(appWindows().vornish->cmdVornish, Qt::LeftButton);
        QCOMPARE(fieldText("txtA"), QStringLiteral("2.701562"));
        QCOMPARE(caption(), QStringLiteral("Vornish - fixture.vornish*"));
        const QList<modStatistics::DataRowText> rows = ToolData::ScatchardDataRows();
        QCOMPARE(rows.value(2).bound + QLatin1Char(' ') + rows.value(2).boundFree, QStringLiteral("3 0.72"));
        QVERIFY(rows.value(4).bound.isEmpty());
    }
};

VORNISH_TEST(ProjectWindowTest)
#include "tst_project_window.moc"
