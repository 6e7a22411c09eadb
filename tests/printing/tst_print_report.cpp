#include "tst_printing.h"

#include "dynamic/frmDynVornish.h"
#include "equilibrium/frmVornish.h"
#include "graphing/AxisTitleLabel.h"
#include "graphing/DisplayList.h"
#include "graphing/GraphPicture.h"
#include "graphing/GraphState.h"
#include "graphing/PlotEngine.h"
#include "graphing/PrinterPage.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "platform/EditableGrid.h"
#include "platform/PrinterDialog.h"
#include "platform/Twips.h"
#include "printing/frmPrintOptions.h"
#include "scatchard/frmScatchard.h"
#include "shell/AppWindows.h"
#include "shell/StatusText.h"
#include "shell/frmStartMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>

namespace {

// Every word of the list's two columns stands at its column.
constexpr double kLabels = 1000;
constexpr double kValues = 3500;
constexpr double kNear = 40; // twips: side bearings and PDF rounding

void printTo(const QString &path)
{
    PrinterDialog::setChooser([path](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setFullPage(false);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        return true;
    });
}

QStringList messageTexts()
{
    QStringList texts;
    for (const Messages::Request &request : scriptedMessages().shown)
        texts << request.text;
    return texts;
}

const QString kNoGraph = QStringLiteral("No graph available for printing");

// Checks one line of a two-column list: the label at 1000, the value at 3500.
void verifyListLine(const QList<PdfWord> &words, double top, const QString &label, const QString &value)
{
    QString labels, values;
    for (const PdfWord &word : wordsOnLine(words, top, kNear)) {
        QString &column = word.left < kValues - kNear ? labels : values;
        column += (column.isEmpty() ? QString() : QStringLiteral(" ")) + word.text;
    }
    QCOMPARE(labels, label.trimmed());
    QCOMPARE(values, value.simplified());
    const QList<PdfWord> line = wordsOnLine(words, top, kNear);
    if (!label.isEmpty())
        QVERIFY(std::abs(line.first().left - kLabels) < kNear);
    if (!value.isEmpty())
        QVERIFY(std::abs(line[int(label.simplified().count(' ')) + 1].left - kValues) < kNear);
}

// The texts the graph picture shows (tick labels), each printed on the page too.
void verifyGraphTextsPrinted(const QList<PdfWord> &words)
{
    const DisplayList &picture = appWindows().graph->PicGraph->displayList();
    int texts = 0;
    for (const DisplayItem &item : picture.items()) {
        if (item.kind != DisplayItem::Text || picture.textOf(item).trimmed().isEmpty())
            continue;
        ++texts;
        const PdfWord printed = findWord(words, picture.textOf(item).trimmed());
        QVERIFY2(!printed.text.isEmpty(), qPrintable(picture.textOf(item)));
    }
    QVERIFY(texts > 4);
}

void verifyPrintingEnded()
{
    QCOMPARE(modVnPublic::PrinterEcho, short(0));
    QCOMPARE(frmOptions::checkValue(appWindows().options->chkClearPrevGraph), 1);
    QVERIFY(StatusText::current().isEmpty());
    QVERIFY(printerPage().isEmpty());
}

void vornish(const QString &totalA, const QString &totalB, const QString &kd)
{
    frmVornish &tool = *appWindows().vornish;
    tool.showInFront();
    for (QLineEdit *field : {tool.txtA, tool.txtB, tool.txtAB})
        field->clear();
    tool.txtA_tot->setText(totalA);
    tool.txtB_tot->setText(totalB);
    tool.txtKd->setText(kd);
    tool.cmdVornish->click();
}

void analyzeScatchard(const QList<QStringList> &rows)
{
    frmScatchard &tool = *appWindows().scatchard;
    tool.showInFront();
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            tool.flgInputScatchard->setTextMatrix(r + 1, c + 1, rows[r][c]);
    tool.cmdScatchard->click();
}

} // namespace

void PrintReportTest::init()
{
    TestFixture::resetFolders();
    resetMessages();
    folder = std::make_unique<QTemporaryDir>();
    pdfPath = folder->filePath(QStringLiteral("page.pdf"));
    printTo(pdfPath);
    main = std::make_unique<frmVn_Main>();
    main->ShowAfterSplash();
}

void PrintReportTest::cleanup()
{
    main.reset();
    PrinterDialog::setChooser({});
    modVnPublic::PrinterEcho = 0;
    printerPage().discard();
    folder.reset();
}

frmPrintOptions &PrintReportTest::openPrintWindow()
{
    main->mnuFilePrint_Click();
    frmPrintOptions &window = *appWindows().print;
    [&] { QVERIFY(window.isVisible()); }();
    return window;
}

void PrintReportTest::print(bool graph, bool info, bool comment, const QString &commentText)
{
    frmPrintOptions &window = openPrintWindow();
    QFile::remove(pdfPath);
    window.chkPrintGraph->setChecked(graph);
    window.chkPrintInfo->setChecked(info);
    window.chkPrintComments->setChecked(comment);
    window.txtPrintComments->setPlainText(commentText);
    window.cmdPrint->click();
}

double PrintReportTest::lineHeight() const
{
    DisplayList list;
    list.setFont(QStringLiteral("Arial"), 9, false);
    return list.textHeight();
}

void PrintReportTest::printWindowLoadsWithItsChoices()
{
    frmPrintOptions &window = *appWindows().print;
    QVERIFY(!window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Print Options"));
    QVERIFY(std::abs(window.twipsWidth() - 4095) < 20 && std::abs(window.twipsHeight() - 3285) < 20);
    const double mainWidth = Twips::fromPixelsX(main->width());
    QVERIFY(std::abs(window.twipsLeft() - (mainWidth - 4095) / 2) < 20);
    QVERIFY(window.chkPrintGraph->isChecked());
    QVERIFY(!window.chkPrintInfo->isChecked());
    QVERIFY(!window.chkPrintComments->isChecked());
    QCOMPARE(window.txtPrintComments->toolTip(), window.chkPrintComments->toolTip());

    // Annotation opens the comment box and lets Enter make new lines there.
    QVERIFY(!window.txtPrintComments->isEnabled());
    QVERIFY(window.cmdPrint->isDefault());
    openPrintWindow();
    window.chkPrintComments->click();
    QVERIFY(window.txtPrintComments->isEnabled());
    QVERIFY(!window.cmdPrint->isDefault());
    window.txtPrintComments->setFocus();
    QTest::keyClicks(window.txtPrintComments, QStringLiteral("one"));
    QTest::keyClick(window.txtPrintComments, Qt::Key_Return);
    QTest::keyClicks(window.txtPrintComments, QStringLiteral("two"));
    QCOMPARE(window.commentText(), QStringLiteral("one\r\ntwo"));
    QVERIFY(window.isVisible());
    window.chkPrintComments->click();
    QVERIFY(!window.txtPrintComments->isEnabled());
    QVERIFY(window.cmdPrint->isDefault());
    QVERIFY(window.txtPrintComments->palette().color(QPalette::Base)
            != window.palette().color(QPalette::Active, QPalette::Base));
}

void PrintReportTest::cancellingPrintsNothing()
{
    // The printer dialog cancelled: the print window stays away.
    PrinterDialog::setChooser([](QPrinter &) { return false; });
    main->mnuFilePrint_Click();
    QVERIFY(!appWindows().print->isVisible());
    QCOMPARE(messageTexts(), QStringList{QStringLiteral("Printing is canceled")});

    // The print window cancelled, by its button and by Escape.
    printTo(pdfPath);
    vornish("10", "10", "1");
    resetMessages();
    frmPrintOptions &window = openPrintWindow();
    window.cmdCancel->click();
    QVERIFY(!window.isVisible());
    openPrintWindow();
    QTest::keyClick(window.chkPrintGraph, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    const Messages::Request cancelled = scriptedMessages().shown.value(1);
    QCOMPARE(messageTexts(), QStringList({"Printing is canceled", "Printing is canceled"}));
    QVERIFY(cancelled.icon == Messages::Icon::None && cancelled.buttons == Messages::Buttons::Ok);
    QVERIFY(!QFile::exists(pdfPath));
}

void PrintReportTest::equilibriumReportPrintsGraphTitlesAndFields()
{
    vornish("10", "10", "1");
    frmVornish &tool = *appWindows().vornish;
    // Printing asks no changed-settings question and leaves the flag as it was.
    appWindows().options->setSettingsChanged(QStringLiteral("1"));
    resetMessages();
    print(true, true, false);
    QVERIFY(scriptedMessages().shown.isEmpty());
    QCOMPARE(appWindows().options->settingsChanged(), QStringLiteral("1"));
    QVERIFY(!appWindows().print->isVisible());
    verifyPrintingEnded();

    const QList<PdfWord> words = printed();
    const double h = lineHeight();
    verifyGraphTextsPrinted(words);
    verifyListLine(words, 6000, QStringLiteral("Concentrations (nM):"), QString());
    const QList<QPair<QString, QLineEdit *>> rows{{"A:", tool.txtA},           {"Total A:", tool.txtA_tot},
                                                  {"B:", tool.txtB},           {"Total B:", tool.txtB_tot},
                                                  {"[A/B]:", tool.txtAB},      {"Kd:", tool.txtKd}};
    for (int i = 0; i < rows.size(); ++i)
        verifyListLine(words, 6000 + (i + 1) * h, rows[i].first, rows[i].second->text());

    // The axis titles stand in boxes of the labels' places, 800 further right:
    // the Y title against the right edge of its box, the X title centred.
    const AxisTitleLabel &yLabel = *appWindows().graph->lblY_axis;
    const AxisTitleLabel &xLabel = *appWindows().graph->lblX_axis;
    const QList<PdfWord> yTitle = wordsOnLine(words, yLabel.twipsTop(), kNear);
    QVERIFY(!yTitle.isEmpty());
    QCOMPARE(yTitle.first().text, yLabel.text().section(' ', 0, 0));
    QVERIFY(yTitle.last().right <= yLabel.twipsLeft() + 800 + yLabel.twipsWidth() + 40 + kNear);
    const QList<PdfWord> xTitle = wordsOnLine(words, xLabel.twipsTop(), kNear);
    QCOMPARE(lineText(words, xLabel.twipsTop(), kNear), xLabel.text());
    const double xCentre = xLabel.twipsLeft() + 800 + (xLabel.twipsWidth() + 40) / 2;
    QVERIFY(std::abs((xTitle.first().left + xTitle.last().right) / 2 - xCentre) < 100);
}

void PrintReportTest::scatchardReportRunsTheAnalysisAgain()
{
    // A positive slope warns on every analysis, the printing one included.
    analyzeScatchard({{"1", "0.5"}, {"2", "0.6"}, {"3", "0.75"}, {"4", "0.8"}});
    const QStringList warnings = messageTexts();
    QVERIFY(!warnings.isEmpty());
    resetMessages();
    print(true, true, false);
    QCOMPARE(messageTexts(), warnings);
    verifyPrintingEnded();

    const frmScatchard &tool = *appWindows().scatchard;
    const QList<PdfWord> words = printed();
    const double h = lineHeight();
    verifyGraphTextsPrinted(words);
    verifyListLine(words, 6000, QStringLiteral("Results:"), QString());
    verifyListLine(words, 6000 + h, QStringLiteral("Calculated Kd:"), tool.lblOutputKd->text());
    verifyListLine(words, 6000 + 2 * h, QStringLiteral("95% Confidence interval:"), tool.lblOutputCI->text());
    verifyListLine(words, 6000 + 3 * h, QString(), QString());
    verifyListLine(words, 6000 + 4 * h, QStringLiteral("Linear regression data:"), QString());
    verifyListLine(words, 6000 + 5 * h, QStringLiteral("Slope:"), tool.lblOutputSlope->text());
    verifyListLine(words, 6000 + 6 * h, QStringLiteral("Intercept:"), tool.lblOutputIntercept->text());
    verifyListLine(words, 6000 + 7 * h, QStringLiteral("Degrees of freedom:"), tool.lblOutputdf->text());
    verifyListLine(words, 6000 + 8 * h, QStringLiteral("Standard error of the slope:"), tool.lblOutputSEb->text());
}

void PrintReportTest::dynamicReportPlotsTheStoredRun()
{
    frmDynVornish &wizard = *appWindows().dynamic;
    main->mnuDynamVn_Click();
    wizard.txtA->setText(QStringLiteral("1"));
    wizard.txtB->setText(QStringLiteral("1"));
    wizard.txtAB->setText(QStringLiteral("1"));
    wizard.txtK_ass_rate->setText(QStringLiteral("1E+06"));
    wizard.txtKd->setText(QStringLiteral("1E-09"));
    wizard.txtEndTime->setText(QStringLiteral("2"));
    wizard.txtRecordingInterval->setText(QStringLiteral("1"));
    wizard.cmbSimulationPrecision->setCurrentIndex(0);
    wizard.ShowStep(2);
    wizard.cmdGo->click();
    QCOMPARE(modPlot_Graph::GraphSource(), QStringLiteral("3"));
    const QStringList runMessages = messageTexts();

    // The stored run is plotted again, from step 3, without simulating.
    wizard.ShowStep(0);
    wizard.txtA->setText(QStringLiteral("7")); // a new run would start from 7
    print(true, true, false);
    QCOMPARE(messageTexts(), runMessages);
    verifyPrintingEnded();

    const QList<PdfWord> words = printed();
    const double h = lineHeight();
    verifyGraphTextsPrinted(words);
    const QList<QPair<QString, QLineEdit *>> rows{
        {"A:", wizard.txtA}, {"B:", wizard.txtB}, {"[A/B]:", wizard.txtAB}, {"", nullptr},
        {"Equilibrium constants:", nullptr}, {"K-ass. rate ( /M /s ):", wizard.txtK_ass_rate},
        {"K-diss. rate ( /s ):", wizard.txtK_diss_rate}, {"Kd (equilibrium, M):", wizard.txtKd}};
    verifyListLine(words, 6000, QStringLiteral("Concentrations at t=0 (nM):"), QString());
    for (int i = 0; i < rows.size(); ++i)
        verifyListLine(words, 6000 + (i + 1) * h, rows[i].first, rows[i].second ? rows[i].second->text() : QString());
}

void PrintReportTest::commentPrintsAboveTheList()
{
    const double h = lineHeight();
    // The comment alone, from the top of the page, line by line.
    print(false, false, true, QStringLiteral("First line\n   second line\n\nfourth"));
    QList<PdfWord> words = printed();
    QCOMPARE(lineText(words, 1000), QStringLiteral("First line"));
    QCOMPARE(lineText(words, 1000 + h), QStringLiteral("second line"));
    QVERIFY(std::abs(findWord(words, QStringLiteral("second")).left - kLabels) < kNear);
    QCOMPARE(lineText(words, 1000 + 3 * h), QStringLiteral("fourth"));
    QCOMPARE(words.size(), 5);

    // The list starts 1000 below the comment's first line.
    vornish("10", "10", "1");
    print(false, true, true, QStringLiteral("Batch 7\nDuplicate"));
    words = printed();
    QCOMPARE(lineText(words, 1000), QStringLiteral("Batch 7"));
    verifyListLine(words, 2000, QStringLiteral("Concentrations (nM):"), QString());
    QCOMPARE(words.size(), 19); // the comment and the list alone, no graph

    // With the graph the comment moves to 6000; a long comment pushes the list
    // one empty line below it.
    QStringList longComment;
    for (int i = 1; i <= 8; ++i)
        longComment << QStringLiteral("Note %1").arg(i);
    print(true, true, true, longComment.join('\n'));
    words = printed();
    QCOMPARE(lineText(words, 6000), QStringLiteral("Note 1"));
    QCOMPARE(lineText(words, 6000 + 7 * h), QStringLiteral("Note 8"));
    verifyListLine(words, 6000 + 9 * h, QStringLiteral("Concentrations (nM):"), QString());
}

void PrintReportTest::listFollowsTheActiveToolWindowWhenGraphsAreOff()
{
    frmOptions &options = *appWindows().options;
    frmOptions::setCheckValue(options.chkToPlotOrNot, 0);
    analyzeScatchard({{"1", "0.9"}, {"2", "0.8"}, {"3", "0.72"}, {"4", "0.6"}});
    resetMessages();
    print(false, true, false);
    const frmScatchard &tool = *appWindows().scatchard;
    QList<PdfWord> words = printed();
    verifyListLine(words, 1000, QStringLiteral("Results:"), QString());
    verifyListLine(words, 1000 + lineHeight(), QStringLiteral("Calculated Kd:"), tool.lblOutputKd->text());
    QVERIFY(scriptedMessages().shown.isEmpty());

    appWindows().vornish->showInFront();
    print(false, true, false);
    verifyListLine(printed(), 1000, QStringLiteral("Concentrations (nM):"), QString());

    // No tool window active: the message, and no blank sheet.
    appWindows().startMenu->showInFront();
    print(false, true, false);
    QCOMPARE(scriptedMessages().shown.size(), 1);
    QVERIFY(scriptedMessages().shown[0].text.startsWith(QStringLiteral("No Tool info or output available for printing.\r\nThe Tool window needs")));
    QVERIFY(scriptedMessages().shown[0].icon == Messages::Icon::Exclamation);
    QVERIFY(!QFile::exists(pdfPath));
    verifyPrintingEnded();

    // Graphs on but none drawn yet: the active tool window still gives the list.
    frmOptions::setCheckValue(options.chkToPlotOrNot, 1);
    appWindows().scatchard->showInFront();
    print(false, true, false);
    verifyListLine(printed(), 1000, QStringLiteral("Results:"), QString());
}

void PrintReportTest::noGraphMeansNothingPrinted()
{
    frmPrintOptions &window = openPrintWindow();
    appWindows().options->setSettingsChanged(QStringLiteral("1"));
    window.chkPrintInfo->setChecked(true);
    QTest::keyClick(window.chkPrintGraph, Qt::Key_Return); // Enter presses Print
    QCOMPARE(messageTexts(), QStringList{kNoGraph});
    QVERIFY(scriptedMessages().shown[0].icon == Messages::Icon::Exclamation);
    QVERIFY(window.isVisible());
    QVERIFY(!QFile::exists(pdfPath));
    QCOMPARE(appWindows().options->settingsChanged(), QStringLiteral("1"));
    QCOMPARE(modVnPublic::PrinterEcho, short(0));
    QVERIFY(StatusText::current().isEmpty());

    // A graph drawn before graphs were switched off cannot be drawn again.
    vornish("10", "10", "1");
    frmOptions::setCheckValue(appWindows().options->chkToPlotOrNot, 0);
    resetMessages();
    print(true, true, false);
    QCOMPARE(messageTexts(), QStringList{kNoGraph});
    QVERIFY(!QFile::exists(pdfPath));
    QVERIFY(printerPage().isEmpty());

    // So can a graph whose tool now refuses its input.
    frmOptions::setCheckValue(appWindows().options->chkToPlotOrNot, 1);
    vornish("10", "10", "1");
    for (QLineEdit *field : appWindows().vornish->findChildren<QLineEdit *>())
        field->clear();
    resetMessages();
    print(true, false, false);
    QCOMPARE(messageTexts().size(), 2);
    QCOMPARE(messageTexts().last(), kNoGraph);
    QVERIFY(!QFile::exists(pdfPath));
}

void PrintReportTest::superimposedGraphsPrintAsCollected()
{
    frmOptions &options = *appWindows().options;
    frmOptions::setCheckValue(options.chkClearPrevGraph, 0);
    vornish("10", "10", "1");
    vornish("100", "100", "1");
    print(true, false, false);
    // Both graphs print as they were drawn: nothing is plotted again.
    verifyGraphTextsPrinted(printed());
    QVERIFY(countWords(printed(), QStringLiteral("100")) > 0);
    verifyPrintingEnded();
    QVERIFY(!main->action(QStringLiteral("mnuGraphSuperimpose"))->isChecked());

    // The collected graphs stay off a page printed without "Print Graph".
    resetMessages({Messages::Answer::No});
    frmOptions::setCheckValue(options.chkClearPrevGraph, 0);
    vornish("10", "10", "1");
    print(false, false, true, QStringLiteral("Only the comment"));
    QCOMPARE(lineText(printed(), 1000), QStringLiteral("Only the comment"));
    QCOMPARE(printed().size(), 3);
    verifyPrintingEnded();
}

void PrintReportTest::printerThatCannotOpenIsReported()
{
    printTo(folder->filePath(QStringLiteral("no such folder/page.pdf")));
    vornish("10", "10", "1");
    resetMessages();
    print(true, true, false);
    QCOMPARE(scriptedMessages().shown.size(), 1);
    QVERIFY(scriptedMessages().shown[0].text.startsWith(QStringLiteral("The page could not be printed")));
    QVERIFY(appWindows().print->isVisible());
    verifyPrintingEnded();
}
