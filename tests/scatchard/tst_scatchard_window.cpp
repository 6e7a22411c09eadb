#include "ScatchardTesting.h"
#include "TestMain.h"
#include "session/Session.h"

#include "RunningProgram.h"
#include "TextFit.h"
#include "graphing/DisplayList.h"
#include "platform/EditableGrid.h"
#include "platform/GridClipboard.h"
#include "scatchard/SaturationFitPanel.h"
#include "scatchard/frmScatchTlAssistant.h"
#include "scatchard/frmScatchard.h"
#include "session/StatusText.h"
#include "shell/frmStartMenu.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>

#include <cmath>

namespace {

const QString kInvalid = QStringLiteral("Data Input Error");
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kModelBlue = qRgb(0, 0, 192);

// Twips of a value on the axes X 1..4 and Y 0.6..1.0 of the worked example.
QPointF worked(double x, double y)
{
    return {std::round(2100 + (x - 1) * 3200 / 3), std::round(800 + 3200 - (y - 0.6) * 3200 / 0.4)};
}

} // namespace

// The Scatchard window as the user drives it: the grid, the analysis with
// its messages and outputs, the assistant, the graph, the Options window,
// and the curve fit beside the analysis.
class ScatchardWindowTest : public QObject
{
    Q_OBJECT

    RunningProgram program;
    frmScatchard *tool = nullptr;
    EditableGrid *grid = nullptr;
    SaturationFitPanel *panel = nullptr;

    QStringList outputs() const
    {
        return {tool->lblOutputIntercept->text(), tool->lblOutputSlope->text(), tool->lblOutputSEb->text(),
                tool->lblOutputdf->text(),        tool->lblOutputKd->text(),    tool->lblOutputCI->text()};
    }

    // The rows in the grid, then a click on the command (Analyze data unless said).
    void analyze(const QList<QStringList> &rows, QPushButton *command = nullptr)
    {
        resetMessages();
        fillGrid(*grid, rows);
        QTest::mouseClick(command ? command : tool->cmdScatchard, Qt::LeftButton);
    }
    void fit(const QList<QStringList> &rows, QPushButton *command = nullptr)
    {
        analyze(rows, command ? command : panel->cmdFitCurve);
    }

    QList<QPointF> symbolCentres(DisplayItem::Kind kind) const
    {
        QList<QPointF> centres;
        for (const DisplayItem &item : items(kind, kBlack))
            centres << (kind == DisplayItem::Box ? QPointF((item.x1 + item.x2) / 2, (item.y1 + item.y2) / 2)
                                                 : QPointF(item.x1, item.y1));
        return centres;
    }

    // A black line between the two points, as the fitted line is drawn.
    bool hasLine(QPointF from, QPointF to) const
    {
        for (const DisplayItem &item : items(DisplayItem::Line, kBlack))
            if (QPointF(item.x1, item.y1) == from && QPointF(item.x2, item.y2) == to)
                return true;
        return false;
    }

    QList<DisplayItem> items(DisplayItem::Kind kind, QRgb color) const
    {
        QList<DisplayItem> found;
        for (const DisplayItem &item : program.picture().displayList().items())
            if (item.kind == kind && item.color == color)
                found << item;
        return found;
    }

    QStringList texts() const
    {
        const DisplayList &list = program.picture().displayList();
        QStringList found;
        for (const auto *items : {&list.items(), &list.legendItems()})
            for (const DisplayItem &item : *items)
                if (item.kind == DisplayItem::Text)
                    found << list.textOf(item);
        return found;
    }

    QList<DisplayItem> modelDashes() const { return items(DisplayItem::Line, kModelBlue); }

private slots:
    void init()
    {
        program.start();
        program.main->action(QStringLiteral("mnuScatchard"))->trigger();
        tool = appWindows().scatchard;
        QVERIFY(tool && tool->isVisible());
        QApplication::setActiveWindow(program.main.get());
        QVERIFY(QTest::qWaitForWindowActive(program.main.get()));
        grid = tool->flgInputScatchard;
        panel = tool->fitPanel;
    }

    void cleanup() { program.stop(); }

    // Typed with the keys, analysed, drawn as open squares and the fitted
    // line from X min to X max; the assistant is hidden after the plot.
    void workedExampleTypedAnalysedAndDrawn()
    {
        QCOMPARE(tool->lblUnit->text(), QStringLiteral("(in nM )"));
        tool->cmdScatchardAssistant->click();
        clickCell(*grid, 1, 1);
        for (const QStringList &pair : kWorkedExample) {
            typeIntoFocus(pair[0]);
            QTest::keyClick(tool->txtEdit, Qt::Key_Right);
            typeIntoFocus(pair[1]);
            if (&pair != &kWorkedExample.last()) {
                QTest::keyClick(tool->txtEdit, Qt::Key_Down);
                QTest::keyClick(grid, Qt::Key_Left); // the grid's own navigation
            }
        }
        // The last value is still in the editor: Analyze data commits it first.
        QVERIFY(tool->txtEdit->isVisible());
        QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
        QVERIFY2(scriptedMessages().shown.isEmpty(), qPrintable(scriptedMessages().titles().join(", ")));
        QCOMPARE(outputs(), (QStringList{"1.0", "-0.098", "0.0053", "2", "10.2041 nM", "8.2804 nM < Kd < 13.2922 nM"}));
        QCOMPARE(StatusText::current(), QString());
        QCOMPARE(grid->Row(), 4);
        QCOMPARE(grid->Col(), 2);

        QCOMPARE(Session::current().graphSource(), modPlot_Graph::ScatchardTool);
        QVERIFY(program.graph().isVisible());
        QCOMPARE(program.graph().lblX_axis->text(), QStringLiteral("[Bound] (nM)"));
        QVERIFY(!appWindows().scatchardAssistant->isVisible());
        QCOMPARE(symbolCentres(DisplayItem::Box),
                 (QList<QPointF>{worked(1, 0.9), worked(2, 0.8), worked(3, 0.72), worked(4, 0.6)}));
        QVERIFY(hasLine(worked(1, 0.902), worked(4, 0.608)));
    }

    void messagesOfTheRun_data()
    {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<bool>("outputsWritten");
        const QString insufficient = QStringLiteral("Error: insufficient input");
        const QString perfect = QStringLiteral("Statistical analysis not necessary");
        const QString inconclusive = QStringLiteral("Warning: Data are statistically inconclusive");
        using Rows = QList<QStringList>;
        QTest::newRow("no rows") << Rows{} << QStringList{kInvalid} << false;
        QTest::newRow("two rows, one zero")
            << Rows{{"1", "0"}, {"2", "0.5"}} << QStringList{kInvalid, insufficient} << false;
        QTest::newRow("empty ratio reads 0, the run goes on")
            << Rows{{"1", "0.9"}, {"2", ""}, {"3", "0.7"}} << QStringList{kInvalid, inconclusive} << true;
        QTest::newRow("letters and a negative value") << Rows{{"1", "0.9"}, {"abc", "0.8"}, {"-3", "0.7"}, {"4", "0.6"}}
                                                      << QStringList{kInvalid, kInvalid, inconclusive} << true;
        // A blank Bound is a data row reading 0; equal ratios fit perfectly
        // with slope 0, whose Kd is a division fault after the first outputs.
        QTest::newRow("blank Bound, equal ratios")
            << Rows{{"1", "1"}, {" ", "1"}, {"3", "1"}} << QStringList{kInvalid, perfect, kInvalid} << true;
        QTest::newRow("number out of range")
            << Rows{{"1", "0.9"}, {"1e400", "0.8"}, {"3", "0.7"}} << QStringList{kInvalid} << false;
        QTest::newRow("all Bound equal") << Rows{{"5", "0.9"}, {"5", "0.8"}, {"5", "0.7"}} << QStringList{kInvalid}
                                         << false;
    }

    void messagesOfTheRun()
    {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QStringList, titles);
        QFETCH(bool, outputsWritten);
        analyze(rows);
        QVERIFY2(scriptedMessages().titles() == titles, qPrintable(scriptedMessages().titles().join(" | ")));
        QCOMPARE(StatusText::current(), QString());
        QCOMPARE(tool->lblOutputIntercept->text() != QLatin1String("a"), outputsWritten);
        const QRegularExpression notANumber(QStringLiteral("\\b(inf|nan)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
        for (const QString &text : outputs())
            QVERIFY2(!notANumber.match(text).hasMatch(), qPrintable(text));
        QCOMPARE(scriptedMessages().shown.first().text,
                 QStringLiteral("Input is not valid. Enter numeric values greater than zero for at least three "
                                "data points.\r\n\r\nClick on 'Help' in the menu bar for more information, or "
                                "use the Scatchard Assistant."));
    }

    void resultTextsOfTheIntervalCases()
    {
        analyze({{"1", "3"}, {"2", "2"}, {"3", "1"}});
        QCOMPARE(outputs(), (QStringList{"4.0", "-1.0", "0.0", "1", "1.0 nM", "1.0 nM < Kd < 1.0 nM"}));

        analyze({{"1", "0.1"}, {"2", "0.25"}, {"3", "0.3"}});
        QCOMPARE(tool->lblOutputKd->text(), QStringLiteral("-10.0 nM"));
        QCOMPARE(tool->lblOutputCI->text(), QStringLiteral("Invalid"));
        QCOMPARE(scriptedMessages().titles(), QStringList{QStringLiteral("Warning")});
        QVERIFY(scriptedMessages().shown.first().text.startsWith(
            "The slope of the linear regression of the data is positive ( > 0 ). This corresponds to a negative "
            "dissociation constant ( Kd < 0 ). \r\n\r\nPlease check"));

        analyze({{"1", "0.9"}, {"2", "0.3"}, {"3", "1.0"}, {"4", "0.5"}});
        QCOMPARE(tool->lblOutputCI->text(), QStringLiteral("1.229 nM < Kd < plus infinite"));
        QVERIFY(scriptedMessages().shown.first().text.contains("includes plus infinite. \r\n\r\nIf the data"));

        // All 20 rows: Bound 1 to 20, Bound/Free 1 - 0.04 Bound + 0.01 ((Bound mod 3) - 1).
        // df is 18 and t 2.1009; intercept 0.9999473684, slope -0.0399473684, SE 0.000328684105 and the
        // interval's ends -1 / (slope -+ t SE) by exact rational arithmetic
        // (Python fractions, the square root in 50-digit decimals).
        QList<QStringList> rows;
        for (int i = 1; i <= 20; ++i)
            rows << QStringList{QString::number(i), QString::number((100 - 4 * i + i % 3 - 1) / 100.0)};
        analyze(rows);
        QCOMPARE(outputs(),
                 (QStringList{"0.9999", "-0.0399", "0.0003", "18", "25.0329 nM", "24.6076 nM < Kd < 25.4733 nM"}));

        // Rows below the first empty Bound are ignored.
        analyze({{"1", "0.9"}, {"2", "0.8"}, {"3", "0.7"}, {"", ""}, {"abc", "0"}});
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(tool->lblOutputdf->text(), QStringLiteral("1"));
    }

    // The grid's editor, by real keys: typing replaces, double-click and
    // Backspace edit, Enter does nothing, Esc discards, Space commits.
    void editingKeys()
    {
        QCOMPARE(grid->TextMatrix(0, 1), QStringLiteral("   [AB]  "));
        QCOMPARE(grid->TextMatrix(20, 0), QStringLiteral("20"));
        grid->setFocus();
        grid->setTextMatrix(1, 1, QStringLiteral("12"));
        // A typed character replaces the text, in an editor over the cell.
        QTest::keyClick(grid, Qt::Key_7);
        QVERIFY(tool->txtEdit->isVisible() && tool->txtEdit->hasFocus());
        QCOMPARE(tool->txtEdit->text(), QStringLiteral("7"));
        QCOMPARE(tool->txtEdit->cursorPosition(), 1);
        const QRect cell = grid->visualRect(grid->currentIndex());
        QCOMPARE(tool->txtEdit->geometry(),
                 QRect(grid->viewport()->mapTo(tool->txtEdit->parentWidget(), cell.topLeft()), cell.size()));
        QTest::keyClick(tool->txtEdit, Qt::Key_Escape);
        // Double-click edits the old text, caret at its end.
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->currentIndex()).center());
        QCOMPARE(tool->txtEdit->text(), QStringLiteral("12"));
        QCOMPARE(tool->txtEdit->cursorPosition(), 2);
        // Enter types nothing and commits nothing; Esc discards.
        QTest::keyClick(tool->txtEdit, Qt::Key_Return);
        QVERIFY(tool->txtEdit->isVisible());
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("12"));
        typeIntoFocus(QStringLiteral("34"));
        QTest::keyClick(tool->txtEdit, Qt::Key_Escape);
        QVERIFY(!tool->txtEdit->isVisible() && grid->hasFocus());
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("12"));
        // Backspace on the grid edits the old text; Space commits without a blank.
        QTest::keyClick(grid, Qt::Key_Backspace);
        QTest::keyClick(tool->txtEdit, Qt::Key_Backspace);
        QTest::keyClick(tool->txtEdit, Qt::Key_Space);
        QVERIFY(!tool->txtEdit->isVisible());
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("1"));
        QCOMPARE(grid->Row(), 1);
        QVERIFY(grid->hasFocus());
    }

    void arrowsStopAtTheEdges()
    {
        const struct
        {
            int row, col;
            Qt::Key key;
        } edges[] = {{1, 1, Qt::Key_Up}, {1, 1, Qt::Key_Left}, {20, 2, Qt::Key_Down}, {20, 2, Qt::Key_Right}};
        for (const auto &edge : edges) {
            grid->setCurrent(edge.row, edge.col);
            QTest::keyClick(grid, Qt::Key_A);
            QTest::keyClick(tool->txtEdit, edge.key);
            QCOMPARE(grid->Row(), edge.row);
            QCOMPARE(grid->Col(), edge.col);
            QCOMPARE(grid->TextMatrix(edge.row, edge.col), QStringLiteral("a"));
        }
        QTest::keyClick(grid, Qt::Key_B);
        QTest::keyClick(tool->txtEdit, Qt::Key_Up);
        QTest::keyClick(grid, Qt::Key_C);
        QTest::keyClick(tool->txtEdit, Qt::Key_Left);
        QCOMPARE(grid->TextMatrix(20, 2), QStringLiteral("b"));
        QCOMPARE(grid->TextMatrix(19, 2), QStringLiteral("c"));
        QCOMPARE(grid->Col(), 1);
    }

    void cellChangesCommit()
    {
        QSignalSpy committed(grid, &EditableGrid::cellCommitted);
        // A click on another cell commits into the cell that was edited.
        typeIntoFocus(QStringLiteral("42"));
        clickCell(*grid, 3, 2);
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("42"));
        QCOMPARE(grid->TextMatrix(3, 2), QString());
        QCOMPARE(committed.first(), (QList<QVariant>{1, 1}));
        // So does a cell change made by the program, the editor still focused.
        QTest::keyClick(grid, Qt::Key_9);
        grid->setCurrent(5, 1);
        QCOMPARE(grid->TextMatrix(3, 2), QStringLiteral("9"));
        // Without an open editor a cell change writes nothing.
        grid->setCurrent(6, 1);
        QCOMPARE(committed.count(), 2);
    }
    void clearFormKeepsTheResults()
    {
        analyze({{"1", "0.9"}, {"2", "0.8"}, {"3", "0.72"}});
        const QStringList results = outputs();
        clickCell(*grid, 2, 2);
        typeIntoFocus("55");
        QTest::mouseClick(tool->cmdClearForm, Qt::LeftButton);
        QVERIFY(!tool->txtEdit->isVisible());
        for (int row = 1; row <= 20; ++row)
            QVERIFY(grid->TextMatrix(row, 1).isEmpty() && grid->TextMatrix(row, 2).isEmpty());
        QCOMPARE(grid->Row(), 20);
        QCOMPARE(grid->Col(), 2);
        QCOMPARE(grid->rowAt(0), 0); // but the view shows row 1, where the next data goes
        QCOMPARE(outputs(), results);
    }

    void assistantFollowsTheGrid()
    {
        frmScatchTlAssistant *assistant = appWindows().scatchardAssistant;
        QLabel *requirements = assistant->lblInputRequirements;
        QTest::mouseClick(tool->cmdScatchardAssistant, Qt::LeftButton);
        QVERIFY(assistant->isVisible());
        QCOMPARE(requirements->text(), QStringLiteral("The Scatchard Analysis Tool needs at least three data points "
                                                      "        (Bound, Bound/Free)."));
        // The editor's arrow keys and Space refresh the guidance.
        clickCell(*grid, 1, 1);
        typeIntoFocus("2");
        QTest::keyClick(tool->txtEdit, Qt::Key_Right);
        const QString missingRatio = QStringLiteral("Enter the corresponding Bound/Free ratio for each Bound value.");
        QCOMPARE(requirements->text(), missingRatio);
        typeIntoFocus("0.5");
        QTest::keyClick(tool->txtEdit, Qt::Key_Down);
        QCOMPARE(requirements->text(), QStringLiteral("Add at least two more data points (Bound, Bound/Free)."));
        QTest::keyClick(grid, Qt::Key_Left);
        typeIntoFocus("3");
        QTest::keyClick(tool->txtEdit, Qt::Key_Space);
        QCOMPARE(requirements->text(), missingRatio);
        // So does a click on another cell with the editor open; Esc does not.
        QTest::keyClick(grid, Qt::Key_A);
        clickCell(*grid, 3, 1);
        const QString notNumeric = QStringLiteral("Enter numeric values greater than zero.");
        QCOMPARE(requirements->text(), notNumeric);
        typeIntoFocus("4");
        QTest::keyClick(tool->txtEdit, Qt::Key_Escape);
        QCOMPARE(requirements->text(), notNumeric);

        // Topics.
        QCOMPARE(assistant->twipsHeight(), 3135.0);
        QTest::mouseClick(assistant->lblUnitsTopic, Qt::LeftButton);
        QVERIFY(assistant->twipsHeight() > 5205 - 20); // or taller where its text needs it
        QVERIFY(assistant->lblUnits->isVisible());
        QCOMPARE(assistant->lblUnits->text(), QStringLiteral("nM (1E-09 Molar)"));
        QTest::mouseClick(assistant->lblNavigation, Qt::LeftButton);
        QVERIFY(!assistant->lblUnits->isVisible());
    }

    void openedAndPlacedByTheMainWindow()
    {
        frmVn_Main &main = *program.main;
        frmScatchTlAssistant *assistant = appWindows().scatchardAssistant;
        fillGrid(*grid, {{"7", "0.1"}});
        QTest::mouseClick(tool->cmdClose, Qt::LeftButton);
        QVERIFY(!tool->isVisible());
        main.tbToolBar_ButtonClick(QStringLiteral("Scatchard Analysis"));
        QVERIFY(tool->isVisible());
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("7"));
        main.mnuFileNew_Click();
        QVERIFY(!tool->isVisible());
        frmStartMenu *menu = appWindows().startMenu;
        QTest::mouseClick(menu->cmdScatchTl, Qt::LeftButton);
        QVERIFY(tool->isVisible() && !menu->isVisible());

        tool->cmdScatchardAssistant->click();
        tool->move(200, 120);
        main.mnuWindowsDocking_Click();
        QCOMPARE(tool->pos(), QPoint(0, 0));
        QVERIFY(qAbs(tool->twipsWidth() - 5070) < 20 && qAbs(tool->twipsHeight() - 5895) < 20);
        QVERIFY(!assistant->isVisible());
    }

    void symbolAxisOverridesAndApply()
    {
        frmOptions &options = program.options();
        options.optClosedCircle->setChecked(true);
        options.chkDoNotRemind->setChecked(true);
        analyze(kWorkedExample);
        QCOMPARE(symbolCentres(DisplayItem::Circle).size(), 4);
        QVERIFY(symbolCentres(DisplayItem::Box).isEmpty());

        // An X minimum above some Bound values hides those points; the line
        // is still the fit of all four rows.
        options.txtX_min->setText(QStringLiteral("2.5"));
        analyze(kWorkedExample);
        QCOMPARE(symbolCentres(DisplayItem::Circle).size(), 2);
        QCOMPARE(tool->lblOutputSlope->text(), QStringLiteral("-0.098"));

        // Reversed manual X limits: the line still runs over the whole axis.
        options.txtX_min->setText(QStringLiteral("4"));
        options.txtX_max->setText(QStringLiteral("1"));
        analyze(kWorkedExample);
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(symbolCentres(DisplayItem::Circle).size(), 4);
        QVERIFY(hasLine(worked(1, 0.902), worked(4, 0.608)));

        // Apply in the Options window runs the analysis again.
        options.txtX_min->clear();
        options.txtX_max->clear();
        fillGrid(*grid, kWorkedExample + QList<QStringList>{{"5", "0.5"}});
        options.cmdApply->click();
        QCOMPARE(tool->lblOutputdf->text(), QStringLiteral("3"));
        QCOMPARE(symbolCentres(DisplayItem::Circle).size(), 5);
    }

    // Graphs off or the changed-settings question cancelled: the outputs
    // are written, nothing is drawn, the status text is cleared.
    void graphsOffOrCancelledDrawNothing()
    {
        frmOptions &options = program.options();
        tool->cmdScatchardAssistant->click();
        options.chkToPlotOrNot->setChecked(false);
        analyze(kWorkedExample);
        QCOMPARE(tool->lblOutputKd->text(), QStringLiteral("10.2041 nM"));
        QCOMPARE(Session::current().graphSource(), modPlot_Graph::NoTool);
        QVERIFY(!program.graph().isVisible());
        QCOMPARE(StatusText::current(), QString());
        QVERIFY(appWindows().scatchardAssistant->isVisible());

        options.chkToPlotOrNot->setChecked(true);
        resetMessages({Messages::Answer::Cancel});
        fillGrid(*grid, kWorkedExample);
        tool->cmdScatchard->click();
        QCOMPARE(scriptedMessages().shown.first().buttons, Messages::Buttons::YesNoCancel);
        QCOMPARE(Session::current().graphSource(), modPlot_Graph::NoTool);
        QCOMPARE(StatusText::current(), QString());
    }

    void optionsButtonAndActivation()
    {
        frmOptions &options = program.options();
        tool->cmdOptions->click();
        QVERIFY(options.isVisible());
        QCOMPARE(options.SSTab1->currentIndex(), int(frmOptions::TabScatchard));
        options.optLog->setChecked(true);
        QVERIFY(!options.txtX_min->toolTip().isEmpty());
        program.main->mdiArea->setActiveSubWindow(tool);
        QCOMPARE(options.lblX_ScaleTitles->text(), QStringLiteral("Low (Min.)") + QString(31, ' ')
                                                       + QStringLiteral("High (Max.)") + QString(25, ' ')
                                                       + QStringLiteral("Tick distance"));
        QVERIFY(options.txtX_min->toolTip().isEmpty() && options.txtX_Tick->toolTip().isEmpty());
    }

    void unitChangesRescaleBoundOnly()
    {
        analyze({{"1000", "0.9"}, {"2000", "0.8"}, {"abc", "0.7"}, {"", ""}, {"5000", "0.5"}});
        const QString kd = tool->lblOutputKd->text();
        program.options().optMicromolar->click();
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("1.0"));
        QCOMPARE(grid->TextMatrix(2, 1), QStringLiteral("2.0"));
        QCOMPARE(grid->TextMatrix(3, 1), QStringLiteral("abc"));
        QCOMPARE(grid->TextMatrix(5, 1), QStringLiteral("5000"));
        QCOMPARE(grid->TextMatrix(1, 2), QStringLiteral("0.9"));
        QCOMPARE(tool->lblUnit->text(), QStringLiteral("(in \u00B5M )"));
        QCOMPARE(appWindows().scatchardAssistant->lblUnits->text(), QStringLiteral("\u00B5M (1E-06 Molar)"));
        QCOMPARE(tool->lblOutputKd->text(), kd);
        program.options().optNanomolar->click();
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("1000.0"));

        // A value still in the editor of a closed window is rescaled too.
        clickCell(*grid, 2, 1);
        typeIntoFocus("3000");
        tool->cmdClose->click();
        program.options().optMicromolar->click();
        tool->showInFront();
        QVERIFY(!tool->txtEdit->isVisible());
        QCOMPARE(grid->TextMatrix(2, 1), QStringLiteral("3.0"));
    }

    // Beside the Scatchard outputs, readable, and drawn as a dashed second
    // line with a legend on the Scatchard graph.
    void fitShownBesideTheScatchardResults()
    {
        QVERIFY(panel->cmdFitCurve->isVisible());
        QVERIFY(!panel->fraSaturationFit->isVisible());
        fit(kWorkedExample);
        QVERIFY2(scriptedMessages().shown.isEmpty(), qPrintable(scriptedMessages().texts().join(" | ")));
        QVERIFY(panel->fraSaturationFit->isVisible());
        // The Scatchard line of the example: slope -0.098, intercept 1.0.
        QCOMPARE(panel->lblOutputScatchardKd->text(), QStringLiteral("10.2041 nM"));
        QCOMPARE(panel->lblOutputScatchardBmax->text(), QStringLiteral("10.2041 nM"));
        QVERIFY(panel->lblOutputFitKd->text().contains(QStringLiteral(" ± ")));
        QCOMPARE(panel->lblOutputFitdf->text(), QStringLiteral("2"));
        // Every text whole, with numbers of every size: "9.94167 ± 0.0980523 nM" lost its M once, and E notation
        // is longer still.
        for (const double scale : {1.0, 1e-7, 3.3e8}) {
            QList<QStringList> scaled;
            for (const QStringList &row : {QStringList{"1", "0.91"}, {"2", "0.79"}, {"3", "0.73"}, {"4", "0.59"}})
                scaled << QStringList{QString::number(row[0].toDouble() * scale, 'g', 3), row[1]};
            fit(scaled);
            QVERIFY(panel->lblOutputFitKd->text().contains(QStringLiteral(" ± ")));
            for (QLabel *label : panel->fraSaturationFit->findChildren<QLabel *>()) {
                QVERIFY2(label->isVisible(), qPrintable(label->objectName()));
                QVERIFY2(TextFit::labelProblem(label).isEmpty(), qPrintable(TextFit::labelProblem(label)));
            }
            QVERIFY(panel->fraSaturationFit->geometry().right() < tool->widget()->width());
        }
        fit(kWorkedExample);

        const QList<DisplayItem> dashes = modelDashes();
        QVERIFY(dashes.size() > 5);
        for (const DisplayItem &dash : dashes)
            for (QPointF end : {QPointF(dash.x1, dash.y1), QPointF(dash.x2, dash.y2)})
                QVERIFY(end.x() >= 2100 && end.x() <= 5300 && end.y() >= 800 && end.y() <= 4000);
        QVERIFY(texts().contains(QStringLiteral("Scatchard line")));
        QVERIFY(texts().contains(QStringLiteral("Curve fit")));

        // Apply redraws the graph with the model; Analyze data draws the
        // Scatchard graph alone.
        program.options().cmdApply->click();
        QVERIFY(!modelDashes().isEmpty());
        QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
        QVERIFY(modelDashes().isEmpty());
        QVERIFY(!texts().contains(QStringLiteral("Curve fit")));

        QTest::mouseClick(panel->cmdHideFit, Qt::LeftButton);
        QVERIFY(!panel->fraSaturationFit->isVisible());
    }

    // Bound against Free = Bound / (Bound/Free) from 0, the curve a
    // polyline, every point a symbol.
    void saturationGraph()
    {
        fit(kWorkedExample, panel->cmdSaturationGraph);
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(program.graph().lblX_axis->text(), QStringLiteral("[Free] (nM)"));
        QCOMPARE(program.graph().lblY_axis->text(), QStringLiteral("[Bound] (nM)"));
        QCOMPARE(items(DisplayItem::Box, kBlack).size(), 4);
        // The curve starts at the origin, the lower left corner.
        const QList<DisplayItem> points = items(DisplayItem::Point, kBlack);
        QVERIFY(!points.isEmpty());
        QCOMPARE(QPointF(points.last().x1, points.last().y1), QPointF(2100, 4000));
        QCOMPARE(StatusText::current(), QString());
    }

    // A change of the data, however made, takes the fit's results and graph
    // away at once; the regression outputs stay, and the status bar says so.
    void resultsOfEarlierDataGo()
    {
        fillGrid(*grid, kWorkedExample);
        QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
        QCOMPARE(StatusText::current(), QString());
        const QString kd = tool->lblOutputKd->text();
        fit(kWorkedExample);
        QVERIFY(!modelDashes().isEmpty());

        // Typed into a cell.
        clickCell(*grid, 2, 2);
        QTest::keyClick(grid, '4');
        QTest::keyClicks(tool->txtEdit, "2");
        QTest::keyClick(tool->txtEdit, Qt::Key_Down);
        QTRY_COMPARE(grid->TextMatrix(2, 2), QStringLiteral("42"));
        QCOMPARE(panel->lblOutputFitKd->text(), QString());
        QCOMPARE(panel->lblOutputScatchardKd->text(), QString());
        QVERIFY(panel->lblFitNote->text().contains("changed"));
        QVERIFY(program.picture().displayList().items().empty());
        QCOMPARE(tool->lblOutputKd->text(), kd);
        QVERIFY(StatusText::current().contains("changed after Analyze data"));

        // Pasted (as Open Data fills the grid too), after the saturation graph.
        fit(kWorkedExample, panel->cmdSaturationGraph);
        QVERIFY(!program.picture().displayList().items().empty());
        GridClipboard::fillCells(*grid, 1, 1, {{"5", "0.5"}});
        QCOMPARE(panel->lblOutputFitBmax->text(), QString());
        QVERIFY(program.picture().displayList().items().empty());
    }

    void casesInWords_data()
    {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QString>("text");
        QTest::newRow("two rows") << QList<QStringList>{{"1", "0.9"}, {"2", "0.8"}}
                                  << "The curve fit needs at least three data points (Bound, Bound/Free).";
        QTest::newRow("a zero ratio") << QList<QStringList>{{"1", "0.9"}, {"2", "0"}, {"3", "0.7"}}
                                      << "The curve fit needs Bound and Bound/Free greater than zero in every data "
                                         "row (Free is Bound divided by Bound/Free).";
        QTest::newRow("equal Free") << QList<QStringList>{{"1", "0.5"}, {"2", "1"}, {"3", "1.5"}}
                                    << "All Free concentrations (Bound divided by Bound/Free) are equal, so the "
                                       "data do not define a saturation curve.";
        QTest::newRow("no saturation") << QList<QStringList>{{"2", "0.5"}, {"4", "0.5"}, {"6", "0.5"}}
                                       << "Kd and Bmax grow without bound: the data show no saturation, so they do "
                                          "not define a saturation curve. Measurements at higher concentrations "
                                          "would define it.";
    }

    void casesInWords()
    {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QString, text);
        fit(rows);
        QCOMPARE(scriptedMessages().texts(), QStringList{text});
        QCOMPARE(scriptedMessages().titles(), QStringList{QStringLiteral("Curve Fit")});
        QCOMPARE(panel->lblFitNote->text(), text);
        QCOMPARE(panel->lblOutputFitKd->text(), QString());
        QCOMPARE(panel->lblOutputKdProfile->text(), QString());
        QVERIFY(modelDashes().isEmpty());
        QCOMPARE(StatusText::current(), QString());
    }
};

VORNISH_TEST(ScatchardWindowTest)

#include "tst_scatchard_window.moc"
