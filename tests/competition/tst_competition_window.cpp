#include "RunningProgram.h"
#include "ScriptedFileDialogs.h"
#include "TestMain.h"
#include "TextFit.h"

#include "competition/CompetitionFitPage.h"
#include "competition/frmCompetition.h"
#include "fitting/FitDataTable.h"
#include "fitting/FitResultsPanel.h"
#include "fitting/PlotPicture.h"
#include "graphing/DisplayList.h"
#include "printing/ReportDetails.h"
#include "session/Session.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>

class CompetitionWindowTest : public QObject
{
    Q_OBJECT

    RunningProgram program;
    frmCompetition *tool = nullptr;

    void typeAssay(const QString &totalA, const QString &totalB, const QString &kd, const QString &totalC,
                   const QString &ki)
    {
        const std::pair<QLineEdit *, QString> entries[] = {{tool->txtTotalA, totalA},
                                                           {tool->txtTotalB, totalB},
                                                           {tool->txtKd, kd},
                                                           {tool->txtTotalC, totalC},
                                                           {tool->txtKi, ki}};
        for (const auto &[box, text] : entries)
            typeInto(box, text);
    }

    QStringList results() const
    {
        QStringList texts;
        for (QLineEdit *f : {tool->txtFreeA, tool->txtFreeB, tool->txtFreeC, tool->txtComplexA, tool->txtComplexC,
                             tool->txtFractionBound, tool->txtIc50OfSetUp})
            texts << f->text();
        return texts;
    }

    // Every conversion label readable in the shown window.
    void verifyConversionsShown()
    {
        for (QLabel *l : {tool->lblKiChengPrusoff, tool->lblKiMunsonRodbard, tool->lblKiNikolovskaColeska,
                          tool->lblKiExact, tool->lblChengPrusoffError, tool->lblRegime}) {
            QVERIFY2(l->isVisible(), qPrintable(l->objectName()));
            QVERIFY2(TextFit::labelProblem(l).isEmpty(), qPrintable(TextFit::labelProblem(l)));
        }
    }

private slots:
    void init()
    {
        program.start();
        program.main->findChild<QAction *>(QStringLiteral("mnuCompetition"))->trigger();
        tool = appWindows().competition;
        QVERIFY(tool->isVisible());
        QCOMPARE(tool->windowTitle(), QStringLiteral("Competition Tool"));
        QVERIFY(TextFit::captionProblem(tool).isEmpty());
    }

    void cleanup() { program.stop(); }

    // Kd 17.92 nM, Total A 5 nM, Total B 30 nM, Ki 10 nM, Total C 20 nM:
    // the IC50 is 47.8145 nM, and from it Ki is 10 nM by every method but
    // Cheng-Prusoff's, which is 37.38 nM.
    void workedExampleByKeysAndClicks()
    {
        typeAssay("5", "30", "17.92", "20", "10");
        QTest::keyClick(tool->txtKi, Qt::Key_Return);
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(tool->txtIc50OfSetUp->text(), QStringLiteral("47.815"));
        // Mass balance of the shown values, to their last shown digit.
        const QStringList r = results();
        QVERIFY(std::fabs(r[0].toDouble() + r[3].toDouble() - 5) < 2e-3);
        QVERIFY(std::fabs(r[1].toDouble() + r[3].toDouble() + r[4].toDouble() - 30) < 2e-3);
        QVERIFY(std::fabs(r[2].toDouble() + r[4].toDouble() - 20) < 2e-3);
        QVERIFY(program.graph().isVisible());
        QVERIFY(!program.picture().displayList().items().empty());
        QCOMPARE(program.graph().lblX_axis->text(), QStringLiteral("[Total C] (M)"));
        // The graph beside the tool covers none of it.
        QVERIFY(!tool->geometry().intersects(program.graph().geometry()));

        tool->tabCompetition->setCurrentWidget(tool->fraIc50);
        QTest::mouseClick(tool->cmdIc50FromKi, Qt::LeftButton);
        QCOMPARE(tool->txtIc50->text(), QStringLiteral("47.815"));
        for (QLabel *l : {tool->lblKiExact, tool->lblKiMunsonRodbard, tool->lblKiNikolovskaColeska})
            QVERIFY2(l->text().startsWith(QStringLiteral("10.0")) || l->text().startsWith(QStringLiteral("9.99999")),
                     qPrintable(l->text()));
        QVERIFY2(tool->lblKiChengPrusoff->text().startsWith(QStringLiteral("37.38")),
                 qPrintable(tool->lblKiChengPrusoff->text()));
        QVERIFY2(tool->lblChengPrusoffError->text().contains(QStringLiteral("3.738")),
                 qPrintable(tool->lblChengPrusoffError->text()));
        QVERIFY(!tool->lblTitrationZone->isVisible());
        verifyConversionsShown();
    }

    // No competitor: the Equilibrium Tool's numbers, as it shows them.
    void withoutCompetitorTheEquilibriumToolsNumbers()
    {
        program.vornish("10", "5", "3");
        const QString complex = program.vornish().txtAB->text();
        const QString freeA = program.vornish().txtA->text();
        tool->showInFront();
        typeAssay("10", "5", "3", "", "1");
        QTest::mouseClick(tool->cmdCalculate, Qt::LeftButton);
        QCOMPARE(tool->txtComplexA->text(), complex);
        QCOMPARE(tool->txtFreeA->text(), freeA);
        QCOMPARE(tool->txtComplexC->text(), QStringLiteral("0"));
    }

    // Just above the limit of an infinitely tight competitor the window
    // warns of the titration zone; below it the IC50 is refused and the
    // window keeps what it showed.
    void titrationZoneAndRefusedIc50()
    {
        typeAssay("1", "100", "1", "", "1");
        tool->tabCompetition->setCurrentWidget(tool->fraIc50);
        typeInto(tool->txtIc50, "100");
        QTest::mouseClick(tool->cmdKiFromIc50, Qt::LeftButton);
        QVERIFY(scriptedMessages().shown.isEmpty());
        QVERIFY(tool->lblTitrationZone->isVisible());
        QVERIFY2(TextFit::labelProblem(tool->lblTitrationZone).isEmpty(),
                 qPrintable(TextFit::labelProblem(tool->lblTitrationZone)));
        verifyConversionsShown();
        const QString exact = tool->lblKiExact->text();

        typeInto(tool->txtIc50, "90");
        QTest::mouseClick(tool->cmdKiFromIc50, Qt::LeftButton);
        QCOMPARE(scriptedMessages().titles(), QStringList{QStringLiteral("Input is not valid")});
        QVERIFY(scriptedMessages().texts().first().startsWith(QStringLiteral("No Ki gives an IC50 this low.")));
        QCOMPARE(tool->lblKiExact->text(), exact);
        QCOMPARE(tool->txtIc50->text(), QStringLiteral("90"));
    }

    void badInputIsRefusedInWords_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("message");
        QTest::newRow("Kd not a number") << QStringList{"5", "30", "abc", "20", "10"} << "Enter a number for Kd.";
        QTest::newRow("Ki zero") << QStringList{"5", "30", "17.92", "20", "0"} << "Ki should be greater than zero.";
        QTest::newRow("negative Total C")
            << QStringList{"5", "30", "17.92", "-2", "10"} << "Total C cannot be negative.";
        QTest::newRow("no sites") << QStringList{"5", "0", "17.92", "20", "10"}
                                  << "An IC50 needs the labelled ligand and its sites: Total A and Total B should be "
                                     "greater than zero.";
        QTest::newRow("beyond doubles") << QStringList{"5", "1e400", "17.92", "20", "10"}
                                        << "Enter a number for Total B.";
    }

    void badInputIsRefusedInWords()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        typeAssay(texts[0], texts[1], texts[2], texts[3], texts[4]);
        QTest::mouseClick(tool->cmdCalculate, Qt::LeftButton);
        QCOMPARE(scriptedMessages().texts(), QStringList{message});
        QCOMPARE(results(), QStringList(7));
        QVERIFY(program.picture().displayList().items().empty());
    }

    // The Options window's choice plots the percent of [A/B] without
    // competitor, and is kept for the next start; settings written before
    // the choice existed start with [A/B] itself.
    void percentCurveByTheOptionsChoice()
    {
        QRadioButton *percent = program.options().findChild<QRadioButton *>(QStringLiteral("optCompPercent"));
        QVERIFY(program.options().findChild<QRadioButton *>(QStringLiteral("optCompComplex"))->isChecked());
        QTest::mouseClick(tool->cmdOptions, Qt::LeftButton);
        QVERIFY(percent->isVisible());
        percent->click();
        resetMessages({Messages::Answer::Yes});
        tool->showInFront();
        typeAssay("5", "30", "17.92", "20", "10");
        QTest::mouseClick(tool->cmdCalculate, Qt::LeftButton);
        QCOMPARE(program.graph().lblY_axis->text(), QStringLiteral("[A/B] (% of no competitor)"));

        program.main.reset();
        program.main = std::make_unique<frmVn_Main>();
        QVERIFY(program.options().findChild<QRadioButton *>(QStringLiteral("optCompPercent"))->isChecked());
        QVERIFY(!Session::current().settingsChanged());
        QVERIFY(Session::current().graphPreferences().competitionPercent);
    }

    // A curve of Ki 10 nM (Total A 5, Total B 30, Kd 17.92 nM; signal from
    // 1000 to 50, worked out apart) pasted into the fit's table: both fits
    // shown, the fitted Ki near 10 nM, the curves drawn over the data, the
    // results exported a row per parameter and given to the report.
    // Without Total A the fit is refused in words and nothing is shown.
    void fitsAPastedCurve()
    {
        tool->tabCompetition->setCurrentWidget(tool->pageFit);
        CompetitionFitPage &page = *tool->pageFit;
        QVERIFY(page.cmdFit->isVisible());
        const QList<QStringList> cells = {{"0.1", "999.02"},     {"0.316228", "996.89"}, {"1.0", "990.11"},
                                          {"3.16228", "968.23"}, {"10.0", "895.21"},     {"31.6228", "661.08"},
                                          {"100.0", "306.03"},   {"316.228", "133.51"},  {"1000.0", "76.46"},
                                          {"3162.28", "58.37"},  {"10000.0", "52.65"}};
        page.flgCompetitionData->enterCells(cells);
        QTest::mouseClick(page.cmdFit, Qt::LeftButton);
        QCOMPARE(scriptedMessages().texts(), QStringList{QStringLiteral("Enter a number for Total A.")});
        QVERIFY(!page.fraExact->hasResult());
        resetMessages();
        QTest::mouseClick(page.cmdExport, Qt::LeftButton);
        QVERIFY(scriptedMessages().texts().value(0).startsWith(QStringLiteral("There are no results to export yet")));

        resetMessages();
        typeAssay("5", "30", "17.92", "", "");
        QTest::mouseClick(page.cmdFit, Qt::LeftButton);
        QVERIFY(scriptedMessages().shown.isEmpty());
        QVERIFY(page.fraLogistic->hasResult() && page.fraExact->hasResult());
        page.tabFit->setCurrentWidget(page.fraExact);
        QLabel *note = page.fraExact->lblNote;
        QVERIFY(note->isVisible() && TextFit::labelProblem(note).isEmpty());
        const double ki =
            note->text().section(QStringLiteral("Fitted Ki "), 1).section(QLatin1Char(' '), 0, 0).toDouble();
        QVERIFY2(std::fabs(ki - 10) < 0.01, qPrintable(note->text()));
        QVERIFY(note->text().contains(QStringLiteral("Munson-Rodbard")));
        QVERIFY(page.picFit->hasPlot());

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("fit.csv"));
        resetFileDialogs({path});
        QTest::mouseClick(page.cmdExport, Qt::LeftButton);
        QVERIFY(scriptedMessages().shown.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        const int exact = int(lines.indexOf(QStringLiteral("# Exact model (Total A, Total B and Kd fixed)")));
        QVERIFY(exact > 0);
        const QStringList kiRow = lines.value(exact + 2).split(QLatin1Char(','));
        QVERIFY2(kiRow[0] == QLatin1String("Ki") && std::fabs(kiRow.value(1).toDouble() - 10) < 0.01,
                 qPrintable(kiRow.join(',')));
        QCOMPARE(kiRow.last(), QStringLiteral("nM"));

        // The report: the conversions (after Ki from IC50) and both fits with their intervals and data.
        typeInto(tool->txtIc50, "47.815");
        QTest::mouseClick(tool->cmdKiFromIc50, Qt::LeftButton);
        QStringList titles;
        QString printed;
        for (const ReportSection &section : ReportDetails::DetailsOf(modPlot_Graph::CompetitionTool)) {
            titles << section.title;
            for (const QStringList &row : section.rows)
                printed += row.join(QLatin1Char(' ')) + QLatin1Char('\n');
        }
        QCOMPARE(titles, QStringList({"IC50 <-> Ki", "Fit: four-parameter logistic",
                                      "Fit: exact model (Total A, Total B and Kd fixed)", "Competition data"}));
        for (const char *expected :
             {"Ki Cheng-Prusoff: 37.38", "times the exact Ki", "Total B / Kd = 1.674", "Hill slope:", "10000.0 52.65"})
            QVERIFY2(printed.contains(QLatin1String(expected)), expected);
        QVERIFY2(printed.contains(QRegularExpression(QStringLiteral("\nKi: (9\\.999\\d*|10\\.0+) ± .* nM, 95%: .* "
                                                                    "\\(profile .*\\)\n"))),
                 qPrintable(printed));
    }
};

VORNISH_TEST(CompetitionWindowTest)
#include "tst_competition_window.moc"
