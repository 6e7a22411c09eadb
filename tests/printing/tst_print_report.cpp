#include "PdfText.h"
#include "RunningProgram.h"
#include "ScriptedFileDialogs.h"
#include "TestMain.h"
#include "session/Session.h"

#include "dynamic/frmDynVornish.h"
#include "fitting/FitDataTable.h"
#include "graphing/DisplayList.h"
#include "graphing/GraphState.h"
#include "graphing/PlotEngine.h"
#include "graphing/PrinterPage.h"
#include "platform/EditableGrid.h"
#include "platform/PrinterDialog.h"
#include "printing/PrintText.h"
#include "printing/frmPrintOptions.h"
#include "project/ProjectDocument.h"
#include "scatchard/SaturationFitPanel.h"
#include "scatchard/frmSaturation.h"
#include "scatchard/frmScatchard.h"
#include "session/StatusText.h"
#include "shell/frmStartMenu.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace PrintText;

namespace {

constexpr double kValuesX = 3500;
constexpr double kNear = 40; // twips: side bearings and PDF rounding
const QString kNoGraph = QStringLiteral("No graph available for printing");
const QString kCanceled = QStringLiteral("Printing is canceled");

// One line of a tool's list: its label and the control whose text is the value.
using ListRow = QPair<QString, QString>;

void printTo(const QString &path)
{
    PrinterDialog::setChooser([path](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        return true;
    });
}

// The list's lines from top down: labels at x 1000, values at x 3500.
void verifyList(const QList<PdfWord> &words, double top, double lineHeight, const QList<ListRow> &rows)
{
    for (int i = 0; i < rows.size(); ++i) {
        const QList<PdfWord> line = wordsOnLine(words, top + i * lineHeight, kNear);
        QStringList labels, values;
        for (const PdfWord &word : line)
            (word.left < kValuesX - kNear ? labels : values) << word.text;
        QCOMPARE(labels.join(' '), rows[i].first.trimmed());
        QCOMPARE(values.join(' '), rows[i].second.simplified());
        if (!labels.isEmpty())
            QVERIFY(std::abs(line.first().left - 1000) < kNear);
        if (!values.isEmpty())
            QVERIFY(std::abs(line[int(labels.size())].left - kValuesX) < kNear);
    }
}

// The graph went onto the page: every text of the picture (tick labels) is printed.
void verifyGraphPrinted(const QList<PdfWord> &words)
{
    const DisplayList &picture = appWindows().graph->PicGraph->displayList();
    int texts = 0;
    for (const DisplayItem &item : picture.items()) {
        const QString text = picture.textOf(item).trimmed();
        if (item.kind == DisplayItem::Text && !text.isEmpty()) {
            ++texts;
            QVERIFY2(!findWord(words, text).text.isEmpty(), qPrintable(text));
        }
    }
    QVERIFY(texts > 4);
}

void verifyPrintingEnded()
{
    QCOMPARE(Session::current().printerEcho(), false);
    QCOMPARE(frmOptions::checkValue(appWindows().options->chkClearPrevGraph), 1);
    QVERIFY(StatusText::current().isEmpty());
    QVERIFY(printerPage().isEmpty());
}

void analyzeScatchard(const QList<QStringList> &rows)
{
    frmScatchard &tool = *appWindows().scatchard;
    tool.showInFront();
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 2; ++c)
            tool.flgInputScatchard->setTextMatrix(r + 1, c + 1, rows[r][c]);
    tool.cmdScatchard->click();
}

// The words below the heading (the project's name and the date above the graph).
QList<PdfWord> bodyWords(const QList<PdfWord> &words)
{
    QList<PdfWord> body;
    for (const PdfWord &word : words)
        if (word.top >= 800)
            body << word;
    return body;
}

// The printed lines of a surface: text, x and y.
QList<std::tuple<QString, float, float>> linesOf(const DisplayList &list)
{
    QList<std::tuple<QString, float, float>> lines;
    for (const DisplayItem &item : list.items())
        if (item.kind == DisplayItem::Text)
            lines << std::make_tuple(list.textOf(item), item.x1, item.y1);
    return lines;
}

QList<ListRow> equilibriumList()
{
    const frmVornish &tool = *appWindows().vornish;
    return {{"Concentrations (nM):", ""}, {"A:", tool.txtA->text()},           {"Total A:", tool.txtA_tot->text()},
            {"B:", tool.txtB->text()},    {"Total B:", tool.txtB_tot->text()}, {"[A/B]:", tool.txtAB->text()},
            {"Kd:", tool.txtKd->text()}};
}

QList<ListRow> scatchardList()
{
    const frmScatchard &tool = *appWindows().scatchard;
    return {{"Results:", ""},
            {"Calculated Kd:", tool.lblOutputKd->text()},
            {"95% Confidence interval:", tool.lblOutputCI->text()},
            {"", ""},
            {"Linear regression data:", ""},
            {"Slope:", tool.lblOutputSlope->text()},
            {"Intercept:", tool.lblOutputIntercept->text()},
            {"Degrees of freedom:", tool.lblOutputdf->text()},
            {"Standard error of the slope:", tool.lblOutputSEb->text()}};
}

} // namespace

// The print window and its one-page report, read back from the PDF it prints.
class PrintReportTest : public QObject
{
    Q_OBJECT

    RunningProgram program;
    std::unique_ptr<QTemporaryDir> folder;
    QString pdfPath;
    double lineHeight = 0; // of the report's font

    // Opens the print window through File > Print with the PDF printer.
    frmPrintOptions &openPrintWindow()
    {
        QFile::remove(pdfPath);
        program.main->mnuFilePrint_Click();
        return *appWindows().print;
    }

    // Ticks the three choices and presses Print.
    void print(bool graph, bool info, bool comment, const QString &commentText = QString())
    {
        frmPrintOptions &window = openPrintWindow();
        QVERIFY(window.isVisible());
        window.chkPrintGraph->setChecked(graph);
        window.chkPrintInfo->setChecked(info);
        window.chkPrintComments->setChecked(comment);
        window.txtPrintComments->setPlainText(commentText);
        window.cmdPrint->click();
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        pdfPath = folder->filePath(QStringLiteral("page.pdf"));
        printTo(pdfPath);
        program.start();
        DisplayList list;
        list.setFont(QStringLiteral("Arial"), 9, false);
        lineHeight = list.textHeight();
    }

    void cleanup()
    {
        program.stop();
        PrinterDialog::setChooser({});
        Session::current().setPrinterEcho(false);
        printerPage().discard();
        folder.reset();
    }

    void wrappedTextBreaksBetweenWordsAndAligns()
    {
        DisplayList page;
        page.setFont(QStringLiteral("Arial"), 9, true);
        const double h = page.textHeight();
        const auto w = [&page](const char *text) { return page.textWidth(QLatin1String(text)); };
        // The box just holds "aaa bbb " (a line keeps 10 twips clear of the edge);
        // the blanks after a break are dropped; each line aligns by its own width.
        const double width = w("aaa bbb ") + 10;
        PrintWrappedText(page, QStringLiteral("aaa bbb    ccc d"), 500, 2000, width, 300, AlignLeft);
        PrintWrappedText(page, QStringLiteral("aaa bbb c"), 500, 3000, width, 300, AlignRight);
        PrintWrappedText(page, QStringLiteral("aaa"), 500, 4000, width, 300, AlignCentre);
        QCOMPARE(linesOf(page), (QList<std::tuple<QString, float, float>>{
                                    {"aaa bbb ", 500, 2000},
                                    {"ccc d", 500, float(2000 + h)},
                                    {"aaa bbb ", float(500 + width - w("aaa bbb ")), 3000},
                                    {"c", float(500 + width - w("c")), float(3000 + h)},
                                    {"aaa", float(500 + float((width - w("aaa")) / 2)), 4000},
                                }));
        QCOMPARE(page.penPosition(), QPointF(0, 4000 + h));

        // A word wider than the box stands alone instead of stopping the
        // breaking; an empty text is one empty line.
        page.clear();
        PrintWrappedText(page, QStringLiteral("Concentration of [A/B]"), 0, 0, 200, 300, AlignLeft);
        PrintWrappedText(page, QString(), 0, 1000, 200, 300, AlignLeft);
        QStringList texts;
        for (const auto &line : linesOf(page))
            texts << std::get<0>(line);
        QCOMPARE(texts, QStringList({"Concentration ", "of ", "[A/B]", ""}));
    }

    // The comment and the list print left-aligned line by line.
    void textLinesSplitAtLineBreaks()
    {
        DisplayList page;
        const double h = page.textHeight();
        // Blanks are dropped after a line break only; a final break adds no line.
        PrintTextLines(page, QStringLiteral("  one\r\n   two\r\n\r\nfour\r\n"), 1000, 6000, AlignLeft);
        PrintTextLines(page, QString(), 1000, 1000, AlignLeft);
        QCOMPARE(linesOf(page), (QList<std::tuple<QString, float, float>>{
                                    {"  one", 1000, 6000},
                                    {"two", 1000, float(6000 + h)},
                                    {"", 1000, float(6000 + 2 * h)},
                                    {"four", 1000, float(6000 + 3 * h)},
                                    {"", 1000, 1000},
                                }));
    }

    void commentBoxTakesEnterWhileAnnotating()
    {
        frmPrintOptions &window = openPrintWindow();
        QVERIFY(!window.txtPrintComments->isEnabled() && window.cmdPrint->isDefault());
        window.chkPrintComments->click();
        QVERIFY(window.txtPrintComments->isEnabled() && !window.cmdPrint->isDefault());
        QTest::keyClicks(window.txtPrintComments, QStringLiteral("one"));
        QTest::keyClick(window.txtPrintComments, Qt::Key_Return);
        QTest::keyClicks(window.txtPrintComments, QStringLiteral("two"));
        QCOMPARE(window.commentText(), QStringLiteral("one\r\ntwo"));
        QVERIFY(window.isVisible() && scriptedMessages().shown.isEmpty());
        window.chkPrintComments->click();
        QVERIFY(!window.txtPrintComments->isEnabled() && window.cmdPrint->isDefault());
    }

    // The print window cancelled, by its button and by Escape.
    void cancellingPrintsNothing()
    {
        program.vornish("10", "10", "1");
        frmPrintOptions &window = openPrintWindow();
        window.cmdCancel->click();
        QVERIFY(!window.isVisible());
        openPrintWindow();
        QTest::keyClick(window.chkPrintGraph, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(scriptedMessages().texts(), QStringList({kCanceled, kCanceled}));
        QVERIFY(scriptedMessages().shown[1].icon == Messages::Icon::None);
        QVERIFY(!QFile::exists(pdfPath));
    }

    void equilibriumReportPrintsGraphTitlesAndFields()
    {
        program.vornish("10", "10", "1");
        // No changed-settings question while printing; the flag stays as it was.
        Session::current().setSettingsChanged(true);
        resetMessages();
        print(true, true, false);
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(Session::current().settingsChanged(), true);
        QVERIFY(!appWindows().print->isVisible());
        verifyPrintingEnded();

        const QList<PdfWord> words = readPdfWords(pdfPath);
        verifyGraphPrinted(words);
        verifyList(words, 6000, lineHeight, equilibriumList());

        // The axis titles in boxes of their labels' places, 800 further right:
        // the Y title against the box's right edge, the X title centred.
        const AxisTitleLabel &yLabel = *appWindows().graph->lblY_axis;
        const AxisTitleLabel &xLabel = *appWindows().graph->lblX_axis;
        const QList<PdfWord> yTitle = wordsOnLine(words, yLabel.twipsTop(), kNear);
        QCOMPARE(yTitle.value(0).text, yLabel.text().section(' ', 0, 0));
        QVERIFY(yTitle.last().right <= yLabel.twipsLeft() + 800 + yLabel.twipsWidth() + 40 + kNear);
        const QList<PdfWord> xTitle = wordsOnLine(words, xLabel.twipsTop(), kNear);
        QCOMPARE(lineText(words, xLabel.twipsTop(), kNear), xLabel.text());
        const double xCentre = xLabel.twipsLeft() + 800 + (xLabel.twipsWidth() + 40) / 2;
        QVERIFY(std::abs((xTitle.first().left + xTitle.last().right) / 2 - xCentre) < 100);
    }

    void scatchardReportRunsTheAnalysisAgain()
    {
        // A positive slope warns on every analysis, the printing one included.
        analyzeScatchard({{"1", "0.5"}, {"2", "0.6"}, {"3", "0.75"}, {"4", "0.8"}});
        const QStringList warnings = scriptedMessages().texts();
        QVERIFY(!warnings.isEmpty());
        resetMessages();
        print(true, true, false);
        QCOMPARE(scriptedMessages().texts(), warnings);
        verifyPrintingEnded();
        const QList<PdfWord> words = readPdfWords(pdfPath);
        verifyGraphPrinted(words);
        verifyList(words, 6000, lineHeight, scatchardList());
    }

    void dynamicReportPlotsTheStoredRun()
    {
        frmDynVornish &wizard = *appWindows().dynamic;
        program.main->mnuDynamVn_Click();
        for (const auto &[field, text] : {std::pair{wizard.txtA, "1"},
                                          {wizard.txtB, "1"},
                                          {wizard.txtAB, "1"},
                                          {wizard.txtK_ass_rate, "1E+06"},
                                          {wizard.txtKd, "1E-09"},
                                          {wizard.txtEndTime, "2"},
                                          {wizard.txtRecordingInterval, "1"}})
            field->setText(QLatin1String(text));
        wizard.cmbSimulationPrecision->setCurrentIndex(0);
        wizard.ShowStep(2);
        wizard.cmdGo->click();
        QCOMPARE(Session::current().graphSource(), modPlot_Graph::DynamicTool);
        const QStringList runMessages = scriptedMessages().texts();

        // From any step, the stored run is plotted again, not simulated anew.
        wizard.ShowStep(0);
        wizard.txtA->setText(QStringLiteral("7"));
        print(true, true, false);
        QCOMPARE(scriptedMessages().texts(), runMessages);
        verifyPrintingEnded();
        const QList<PdfWord> words = readPdfWords(pdfPath);
        verifyGraphPrinted(words);
        verifyList(words, 6000, lineHeight,
                   {{"Concentrations at t=0 (nM):", ""},
                    {"A:", "7"},
                    {"B:", "1"},
                    {"[A/B]:", "1"},
                    {"", ""},
                    {"Equilibrium constants:", ""},
                    {"K-ass. rate ( /M /s ):", wizard.txtK_ass_rate->text()},
                    {"K-diss. rate ( /s ):", wizard.txtK_diss_rate->text()},
                    {"Kd (equilibrium, M):", wizard.txtKd->text()}});
    }

    void commentPrintsAboveTheList()
    {
        const double h = lineHeight;
        print(false, false, true, QStringLiteral("First line\n   second line\n\nfourth"));
        QList<PdfWord> words = readPdfWords(pdfPath);
        QCOMPARE(lineText(words, 1000), QStringLiteral("First line"));
        QCOMPARE(lineText(words, 1000 + h), QStringLiteral("second line"));
        QVERIFY(std::abs(findWord(words, QStringLiteral("second")).left - 1000) < kNear);
        QCOMPARE(lineText(words, 1000 + 3 * h), QStringLiteral("fourth"));
        QCOMPARE(bodyWords(words).size(), 5);

        // The list starts 1000 below the comment's first line; no graph unless asked.
        program.vornish("10", "10", "1");
        print(false, true, true, QStringLiteral("Batch 7\nDuplicate"));
        words = readPdfWords(pdfPath);
        QCOMPARE(lineText(words, 1000), QStringLiteral("Batch 7"));
        verifyList(words, 2000, h, equilibriumList());
        QCOMPARE(bodyWords(words).size(), 19);

        // Under the graph the comment starts at 6000; a long one pushes the
        // list one empty line below it instead of overprinting it.
        QStringList notes;
        for (int i = 1; i <= 8; ++i)
            notes << QStringLiteral("Note %1").arg(i);
        print(true, true, true, notes.join('\n'));
        words = readPdfWords(pdfPath);
        QCOMPARE(lineText(words, 6000), QStringLiteral("Note 1"));
        QCOMPARE(lineText(words, 6000 + 7 * h), QStringLiteral("Note 8"));
        verifyList(words, 6000 + 9 * h, h, equilibriumList());
    }

    void listFollowsTheActiveToolWindowWhenGraphsAreOff()
    {
        frmOptions &options = *appWindows().options;
        frmOptions::setCheckValue(options.chkToPlotOrNot, 0);
        analyzeScatchard({{"1", "0.9"}, {"2", "0.8"}, {"3", "0.72"}, {"4", "0.6"}});
        print(false, true, false);
        verifyList(readPdfWords(pdfPath), 1000, lineHeight, scatchardList());
        appWindows().vornish->showInFront();
        print(false, true, false);
        verifyList(readPdfWords(pdfPath), 1000, lineHeight, equilibriumList());
        QVERIFY(scriptedMessages().shown.isEmpty());

        // No tool window active: the message, and no blank sheet.
        appWindows().startMenu->showInFront();
        print(false, true, false);
        QCOMPARE(scriptedMessages().texts(),
                 QStringList(QStringLiteral("No Tool info or output available for printing.\r\n"
                                            "The Tool window needs to have focus (i.e. it is 'active') "
                                            "in order to print Tool info or output.")));
        QVERIFY(scriptedMessages().shown[0].icon == Messages::Icon::Exclamation);
        QVERIFY(!QFile::exists(pdfPath));
        verifyPrintingEnded();

        // Graphs on but none drawn yet: the active tool window still gives the list.
        frmOptions::setCheckValue(options.chkToPlotOrNot, 1);
        appWindows().scatchard->showInFront();
        print(false, true, false);
        verifyList(readPdfWords(pdfPath), 1000, lineHeight, scatchardList());
    }

    void noGraphMeansNothingPrinted()
    {
        frmPrintOptions &window = openPrintWindow();
        Session::current().setSettingsChanged(true);
        window.chkPrintInfo->setChecked(true);
        QTest::keyClick(window.chkPrintGraph, Qt::Key_Return); // Enter presses Print
        QCOMPARE(scriptedMessages().texts(), QStringList{kNoGraph});
        QVERIFY(scriptedMessages().shown[0].icon == Messages::Icon::Exclamation);
        QVERIFY(window.isVisible());
        QVERIFY(!QFile::exists(pdfPath));
        QCOMPARE(Session::current().settingsChanged(), true);
        QCOMPARE(Session::current().printerEcho(), false);
        QVERIFY(StatusText::current().isEmpty());

        // A graph drawn before graphs were switched off cannot be drawn again,
        // nor one whose tool now refuses its input (after the tool's own message).
        program.vornish("10", "10", "1");
        frmOptions::setCheckValue(appWindows().options->chkToPlotOrNot, 0);
        resetMessages();
        print(true, true, false);
        QCOMPARE(scriptedMessages().texts(), QStringList{kNoGraph});
        QVERIFY(!QFile::exists(pdfPath));
        frmOptions::setCheckValue(appWindows().options->chkToPlotOrNot, 1);
        Session::current().setSettingsChanged(false);
        program.vornish("10", "10", "1");
        for (QLineEdit *field : appWindows().vornish->findChildren<QLineEdit *>())
            field->clear();
        resetMessages();
        print(true, false, false);
        QCOMPARE(scriptedMessages().texts().size(), 2);
        QCOMPARE(scriptedMessages().texts()[1], kNoGraph);
        QVERIFY(!QFile::exists(pdfPath));
        QVERIFY(printerPage().isEmpty());
    }

    void superimposedGraphsPrintAsCollected()
    {
        frmOptions &options = *appWindows().options;
        frmOptions::setCheckValue(options.chkClearPrevGraph, 0);
        program.vornish("10", "10", "1");
        program.vornish("100", "100", "1");
        print(true, false, false);
        // Both graphs print as they were drawn: nothing is plotted again.
        verifyGraphPrinted(readPdfWords(pdfPath));
        verifyPrintingEnded();
        QVERIFY(!program.main->action(QStringLiteral("mnuGraphSuperimpose"))->isChecked());

        // The collected graphs stay off a page printed without "Print Graph".
        resetMessages({Messages::Answer::No});
        frmOptions::setCheckValue(options.chkClearPrevGraph, 0);
        program.vornish("10", "10", "1");
        print(false, false, true, QStringLiteral("Only the comment"));
        QCOMPARE(bodyWords(readPdfWords(pdfPath)).size(), 3);
        verifyPrintingEnded();
    }

    // The project's name and the date head the page; the tool's data and
    // its fit follow the list, on a second page when the first is full.
    void theCompleteReportHasAHeadingTheDataAndTheFit()
    {
        PrinterDialog::setChooser([this](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
            printer.setPageSize(QPageSize(QPageSize::A5));
            printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
            return true;
        });
        resetFileDialogs({folder->filePath(QStringLiteral("Binding study"))});
        QVERIFY(ProjectDocument::current().saveAs());
        QList<QStringList> rows;
        for (int i = 1; i <= 20; ++i) // Bound / Free = (Bmax - Bound) / Kd with Bmax 25, Kd 10
            rows << QStringList{QString::number(i), QString::number((25.0 - i) / 10)};
        analyzeScatchard(rows);
        appWindows().scatchard->fitPanel->cmdFitCurve->click();
        resetMessages();
        print(true, true, false);
        QVERIFY(scriptedMessages().shown.isEmpty());

        const QList<PdfWord> words = readPdfWords(pdfPath);
        QVERIFY(findWord(words, QStringLiteral("Binding")).top < 400);
        QVERIFY(findWord(words, QString::number(QDate::currentDate().year()) + ",").top < 800);
        const QString second = pdfLayoutText(pdfPath, 2);
        QVERIFY2(second.contains(QStringLiteral("Saturation Curve Fit")), qPrintable(second));
        // The last data row, and the fit: exact data give Kd 10 and Bmax 25.
        QVERIFY(second.contains(QRegularExpression(QStringLiteral("20 +0.5\\b"))));
        QVERIFY(second.contains(QRegularExpression(QStringLiteral("Kd: +10(\\.0+)? ± "))));
        QVERIFY(second.contains(QRegularExpression(QStringLiteral("Bmax: +25(\\.0+)? ± "))));
        QVERIFY(pdfLayoutText(pdfPath, 3).trimmed().isEmpty());
        verifyPrintingEnded();
    }

    // The Saturation Binding report: the replicates with their means and SD,
    // each model's parameters with SE and intervals, the comparison and the
    // tests. Replicates at y - 1, y, y + 1 about Bmax 100, Kd 2 give exactly
    // that curve, means y and SD 1.
    void saturationReportHasTheDataTheFitsAndTheComparison()
    {
        program.main->action(QStringLiteral("mnuSaturation"))->trigger();
        frmSaturation &tool = *appWindows().saturation;
        QList<QStringList> rows;
        for (double x : {0.5, 2.0, 3.0, 6.0, 8.0, 18.0, 38.0}) {
            const double y = 100 * x / (2 + x);
            rows << QStringList{QString::number(x), QString::number(y - 1), QString::number(y), QString::number(y + 1)};
        }
        tool.flgBinding->enterCells(rows);
        tool.cmbCompare->setCurrentIndex(tool.cmbCompare->findText(QStringLiteral("One site with Hill slope")));
        tool.cmdFit->click();
        resetMessages();
        print(false, true, false);
        QVERIFY2(scriptedMessages().shown.isEmpty(), qPrintable(scriptedMessages().texts().join(" | ")));
        QString text;
        for (int page = 1; page <= 3; ++page)
            text += pdfLayoutText(pdfPath, page);
        const auto has = [&text](const QString &pattern) {
            QVERIFY2(text.contains(QRegularExpression(pattern)), qPrintable(pattern + " not in:\n" + text));
        };
        has(QStringLiteral("Compared with: +One site with Hill slope"));
        has(QStringLiteral("X +Y1 +Y2 +Y3 +Mean +SD"));
        has(QStringLiteral("\\b18(\\.0)? +89(\\.0)? +90(\\.0)? +91(\\.0)? +90(\\.0)? +1(\\.0)?\\b"));
        has(QStringLiteral("Bmax +100(\\.0+)? +\\S+ +\\S+ to \\S+"));
        has(QStringLiteral("Kd +2(\\.0+)? +\\S+ +\\S+ to \\S+ +\\S+ to \\S+")); // and its profile interval
        has(QStringLiteral("Model comparison"));
        has(QStringLiteral("Verdict: +The data support One site"));
        has(QStringLiteral("F test: +F = "));
        has(QStringLiteral("Runs test: +\\d+ runs"));
        has(QStringLiteral("Replicates test: +lack of fit F = "));
    }

    void printerThatCannotOpenIsReported()
    {
        printTo(folder->filePath(QStringLiteral("no such folder/page.pdf")));
        program.vornish("10", "10", "1");
        resetMessages();
        print(true, true, false);
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QVERIFY(scriptedMessages().shown[0].text.startsWith(QStringLiteral("The page could not be printed")));
        QVERIFY(appWindows().print->isVisible());
        verifyPrintingEnded();
    }
};

VORNISH_TEST(PrintReportTest)
#include "tst_print_report.moc"
