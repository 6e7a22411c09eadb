#include "tst_scatchard.h"

#include "graphing/Units.h"
#include "platform/EditableGrid.h"
#include "scatchard/KdInterval.h"
#include "scatchard/LinearRegression.h"
#include "scatchard/frmScatchTlAssistant.h"
#include "scatchard/frmScatchard.h"
#include "shell/AppWindows.h"
#include "shell/StatusText.h"
#include "shell/frmVn_Main.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRegularExpression>

namespace {

const QString kInvalidTitle = QStringLiteral("Data Input Error");

QStringList titlesShown()
{
    QStringList titles;
    for (const Messages::Request &request : scriptedMessages().shown)
        titles << request.title;
    return titles;
}

} // namespace

void ScatchardWindowTest::init()
{
    TestFixture::resetFolders();
    resetMessages();
    main = std::make_unique<frmVn_Main>();
    main->ShowAfterSplash();
    main->action(QStringLiteral("mnuScatchard"))->trigger();
    tool = appWindows().scatchard;
    QVERIFY(tool && tool->isVisible());
    QApplication::setActiveWindow(main.get());
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    grid = tool->flgInputScatchard;
}

void ScatchardWindowTest::cleanup()
{
    main.reset();
}

void ScatchardWindowTest::fill(const QList<QStringList> &rows)
{
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            grid->setTextMatrix(r + 1, c + 1, rows[r][c]);
}

void ScatchardWindowTest::clickCell(int row, int col)
{
    grid->scrollTo(grid->model()->index(row - 1, col - 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(row - 1, col - 1)).center());
}

QStringList ScatchardWindowTest::outputs() const
{
    return {tool->lblOutputIntercept->text(), tool->lblOutputSlope->text(), tool->lblOutputSEb->text(),
            tool->lblOutputdf->text(),        tool->lblOutputKd->text(),    tool->lblOutputCI->text()};
}

void ScatchardWindowTest::windowTextsAndStartState()
{
    QCOMPARE(tool->windowTitle(), QStringLiteral("Scatchard Analysis"));
    QCOMPARE(tool->lblUnit->text(), QStringLiteral("(in nM )"));
    QCOMPARE(tool->findChild<QLabel *>("lblBestFit")->text(), QStringLiteral("Intercept:     Slope:"));
    QCOMPARE(tool->findChild<QLabel *>("lblKd")->text(), QStringLiteral("Calculated  Kd:"));
    QCOMPARE(tool->findChild<QPushButton *>("cmdScatchard")->text(), QStringLiteral("Analyze data"));
    QCOMPARE(tool->findChild<QPushButton *>("cmdScatchardAssistant")->toolTip(),
             QStringLiteral("How to enter the Scatchard Analysis data? The Scatchard Assistant helps..."));
    QCOMPARE(outputs(), (QStringList{"a", "b", "SE(b)", "df", "Kd", "xxx < Kd < xxx"}));
    QCOMPARE(tool->findChild<EditableGrid *>("flgInputScatchard"), grid);
    QCOMPARE(tool->findChild<QLineEdit *>("txtEdit"), tool->txtEdit);
    QCOMPARE(grid->TextMatrix(0, 1), QStringLiteral("   [AB]  "));
    QCOMPARE(grid->Rows(), 21);
    QCOMPARE(main->mdiArea->activeSubWindow(), tool);
}

void ScatchardWindowTest::workedExampleTypedIntoTheGrid()
{
    const QStringList pairs[] = {{"1", "0.9"}, {"2", "0.8"}, {"3", "0.72"}, {"4", "0.6"}};
    clickCell(1, 1);
    for (const QStringList &pair : pairs) {
        typeIntoFocus(pair[0]);
        QTest::keyClick(tool->txtEdit, Qt::Key_Right);
        typeIntoFocus(pair[1]);
        if (&pair != &pairs[3]) {
            QTest::keyClick(tool->txtEdit, Qt::Key_Down);
            QTest::keyClick(grid, Qt::Key_Left); // plain grid navigation
        }
    }
    // The last value is still in the editor: Analyze data commits it first.
    QVERIFY(tool->txtEdit->isVisible());
    QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
    QCOMPARE(grid->TextMatrix(4, 2), QStringLiteral("0.6"));
    QVERIFY2(scriptedMessages().shown.isEmpty(), qPrintable(titlesShown().join(", ")));
    QCOMPARE(outputs(), (QStringList{"1.0", "-0.098", "0.0053", "2", "10.2041 nM", "8.2804 nM < Kd < 13.2922 nM"}));
    QCOMPARE(StatusText::current(), QString());
    QCOMPARE(grid->Row(), 4);
    QCOMPARE(grid->Col(), 2);
}

void ScatchardWindowTest::messagesOfTheRun_data()
{
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("outputsWritten");
    const QString insufficient = QStringLiteral("Error: insufficient input");
    const QString perfect = QStringLiteral("Statistical analysis not necessary");
    const QString warning = QStringLiteral("Warning");
    QTest::newRow("no rows") << QList<QStringList>{} << QStringList{kInvalidTitle} << false;
    QTest::newRow("two rows, one zero") << QList<QStringList>{{"1", "0"}, {"2", "0.5"}}
                                        << QStringList{kInvalidTitle, insufficient} << false;
    const QString inconclusive = QStringLiteral("Warning: Data are statistically inconclusive");
    QTest::newRow("empty ratio reads 0 and the run goes on")
        << QList<QStringList>{{"1", "0.9"}, {"2", ""}, {"3", "0.7"}} << QStringList{kInvalidTitle, inconclusive}
        << true;
    QTest::newRow("letters and a negative value")
        << QList<QStringList>{{"1", "0.9"}, {"abc", "0.8"}, {"-3", "0.7"}, {"4", "0.6"}}
        << QStringList{kInvalidTitle, kInvalidTitle, inconclusive} << true;
    // The blank Bound is a data row reading 0; equal ratios fit perfectly
    // with slope 0, whose Kd is a division fault after the first outputs.
    QTest::newRow("blank Bound, equal ratios") << QList<QStringList>{{"1", "1"}, {" ", "1"}, {"3", "1"}}
                                               << QStringList{kInvalidTitle, perfect, kInvalidTitle} << true;
    QTest::newRow("number out of range") << QList<QStringList>{{"1", "0.9"}, {"1e400", "0.8"}, {"3", "0.7"}}
                                         << QStringList{kInvalidTitle} << false;
    QTest::newRow("all Bound equal") << QList<QStringList>{{"5", "0.9"}, {"5", "0.8"}, {"5", "0.7"}}
                                     << QStringList{kInvalidTitle} << false;
    QTest::newRow("perfect fit") << QList<QStringList>{{"1", "3"}, {"2", "2"}, {"3", "1"}} << QStringList{perfect}
                                 << true;
    QTest::newRow("positive slope") << QList<QStringList>{{"1", "0.1"}, {"2", "0.25"}, {"3", "0.3"}}
                                    << QStringList{warning} << true;
    QTest::newRow("zero slope") << QList<QStringList>{{"1", "0.5"}, {"2", "0.7"}, {"3", "0.5"}}
                                << QStringList{kInvalidTitle} << true;
    QTest::newRow("inconclusive")
        << QList<QStringList>{{"1", "0.9"}, {"2", "0.3"}, {"3", "1.0"}, {"4", "0.5"}}
        << QStringList{inconclusive} << true;
}

void ScatchardWindowTest::messagesOfTheRun()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(QStringList, titles);
    QFETCH(bool, outputsWritten);
    fill(rows);
    QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
    QVERIFY2(titlesShown() == titles, qPrintable(titlesShown().join(" | ")));
    QCOMPARE(StatusText::current(), QString());
    const QStringList shown = outputs();
    QCOMPARE(shown.first() != QLatin1String("a"), outputsWritten);
    const QRegularExpression notANumber(QStringLiteral("\\b(inf|nan)\\b"), QRegularExpression::CaseInsensitiveOption);
    for (const QString &text : shown)
        QVERIFY2(!notANumber.match(text).hasMatch(), qPrintable(text));
    for (const Messages::Request &request : scriptedMessages().shown) {
        if (request.title == kInvalidTitle)
            QCOMPARE(request.text, QStringLiteral("Input is not valid. Enter numeric values greater than zero for at "
                                                  "least three data points.\r\n\r\nClick on 'Help' in the menu bar "
                                                  "for more information, or use the Scatchard Assistant."));
    }
}

void ScatchardWindowTest::resultTextsOfTheIntervalCases()
{
    fill({{"1", "3"}, {"2", "2"}, {"3", "1"}});
    QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
    QCOMPARE(outputs(), (QStringList{"4.0", "-1.0", "0.0", "1", "1.0 nM", "1.0 nM < Kd < 1.0 nM"}));

    resetMessages();
    fill({{"1", "0.1"}, {"2", "0.25"}, {"3", "0.3"}});
    QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
    QCOMPARE(tool->lblOutputKd->text(), QStringLiteral("-10.0 nM"));
    QCOMPARE(tool->lblOutputCI->text(), QStringLiteral("Invalid"));
    QVERIFY(scriptedMessages().shown.first().text.startsWith(
        "The slope of the linear regression of the data is positive ( > 0 ). This corresponds to a negative "
        "dissociation constant ( Kd < 0 ). \r\n\r\nPlease check"));

    resetMessages();
    fill({{"1", "0.9"}, {"2", "0.3"}, {"3", "1.0"}, {"4", "0.5"}});
    QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
    QVERIFY(tool->lblOutputCI->text().endsWith(" nM < Kd < plus infinite"));
    QVERIFY(scriptedMessages().shown.first().text.contains("includes plus infinite. \r\n\r\nIf the data"));

    // With all 20 rows, df is 18 and t 2.1009; a filled row below an empty Bound is ignored.
    QList<QStringList> rows;
    std::vector<double> x, y;
    for (int i = 1; i <= 20; ++i) {
        const double ratio = 1.0 - 0.04 * i + ((i % 3) - 1) * 0.01;
        rows << QStringList{QString::number(i), QString::number(ratio)};
        x.push_back(i);
        y.push_back(QString::number(ratio).toDouble());
    }
    fill(rows);
    QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
    const modStatistics::LineFit fit = modStatistics::FitLine(20, x, y);
    QCOMPARE(tool->lblOutputdf->text(), QStringLiteral("18"));
    QCOMPARE(tool->lblOutputCI->text(),
             modStatistics::KdIntervalText(modStatistics::KdConfidenceInterval(fit.slope, fit.seSlope, 2.1009), "nM"));

    resetMessages();
    fill({{"1", "0.9"}, {"2", "0.8"}, {"3", "0.7"}, {"", ""}, {"abc", "0"}});
    QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
    QVERIFY(scriptedMessages().shown.isEmpty());
    QCOMPARE(tool->lblOutputdf->text(), QStringLiteral("1"));
}

void ScatchardWindowTest::clearFormAndClose()
{
    fill({{"1", "0.9"}, {"2", "0.8"}, {"3", "0.72"}});
    QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
    const QStringList results = outputs();
    clickCell(2, 2);
    typeIntoFocus("55");
    QTest::mouseClick(tool->cmdClearForm, Qt::LeftButton);
    QVERIFY(!tool->txtEdit->isVisible());
    for (int row = 1; row <= 20; ++row)
        QVERIFY(grid->TextMatrix(row, 1).isEmpty() && grid->TextMatrix(row, 2).isEmpty());
    QCOMPARE(grid->Row(), 20);
    QCOMPARE(grid->Col(), 2);
    QCOMPARE(outputs(), results);

    fill({{"7", "0.1"}});
    QTest::mouseClick(tool->cmdClose, Qt::LeftButton);
    QVERIFY(!tool->isVisible());
    main->tbToolBar_ButtonClick(QStringLiteral("Scatchard Analysis"));
    QVERIFY(tool->isVisible());
    QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("7"));
}

void ScatchardWindowTest::assistantFollowsTheGrid()
{
    frmScatchTlAssistant *assistant = appWindows().scatchardAssistant;
    QLabel *requirements = assistant->lblInputRequirements;
    QTest::mouseClick(tool->cmdScatchardAssistant, Qt::LeftButton);
    QVERIFY(assistant->isVisible());
    QCOMPARE(requirements->text(),
             QStringLiteral("The Scatchard Analysis Tool needs at least three data points         (Bound, Bound/Free)."));

    // Arrow keys in the editor refresh the guidance.
    clickCell(1, 1);
    typeIntoFocus("2");
    QTest::keyClick(tool->txtEdit, Qt::Key_Right);
    QCOMPARE(requirements->text(), QStringLiteral("Enter the corresponding Bound/Free ratio for each Bound value."));
    typeIntoFocus("0.5");
    QTest::keyClick(tool->txtEdit, Qt::Key_Down);
    QCOMPARE(requirements->text(), QStringLiteral("Add at least two more data points (Bound, Bound/Free)."));
    QTest::keyClick(grid, Qt::Key_Left);
    typeIntoFocus("3");
    QTest::keyClick(tool->txtEdit, Qt::Key_Space);
    QCOMPARE(requirements->text(), QStringLiteral("Enter the corresponding Bound/Free ratio for each Bound value."));

    // A click on another cell with the editor open refreshes it too (the
    // grid commits on getting the focus); Esc does not.
    QTest::keyClick(grid, Qt::Key_A);
    clickCell(3, 1);
    QCOMPARE(grid->TextMatrix(2, 1), QStringLiteral("a"));
    QCOMPARE(requirements->text(), QStringLiteral("Enter numeric values greater than zero."));
    QCOMPARE(grid->Row(), 3);
    typeIntoFocus("4");
    QTest::keyClick(tool->txtEdit, Qt::Key_Escape);
    QCOMPARE(requirements->text(), QStringLiteral("Enter numeric values greater than zero."));

    // Topics.
    QCOMPARE(assistant->twipsHeight(), 3135.0);
    QVERIFY(!assistant->lblUnits->isVisible());
    QTest::mouseClick(assistant->lblUnitsTopic, Qt::LeftButton);
    QVERIFY(qAbs(assistant->twipsHeight() - 5205) < 20);
    QCOMPARE(assistant->lblTitle->text(), QStringLiteral("Units"));
    QVERIFY(assistant->lblUnits->isVisible());
    QCOMPARE(assistant->lblUnits->text(), QStringLiteral("nM (1E-09 Molar)"));
    QTest::mouseClick(assistant->lblNavigation, Qt::LeftButton);
    QCOMPARE(assistant->lblTitle->text(), QStringLiteral("Navigation"));
    QVERIFY(!assistant->lblUnits->isVisible());
    QVERIFY(assistant->lblText->text().startsWith("Click on a cell in the grid to select it"));

    // Opening the Equilibrium Tool hides this assistant.
    main->mnuVnVornish_Click();
    QVERIFY(!assistant->isVisible());
}
