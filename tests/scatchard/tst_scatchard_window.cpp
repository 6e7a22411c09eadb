#include "ScatchardTesting.h"

#include "platform/EditableGrid.h"
#include "scatchard/KdInterval.h"
#include "scatchard/LinearRegression.h"
#include "scatchard/frmScatchTlAssistant.h"
#include "scatchard/frmScatchard.h"
#include "shell/AppWindows.h"
#include "shell/StatusText.h"
#include "shell/frmStartMenu.h"
#include "shell/frmVn_Main.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>

namespace {

const QString kInvalid = QStringLiteral("Data Input Error");

QStringList titlesShown()
{
    QStringList titles;
    for (const Messages::Request &request : scriptedMessages().shown)
        titles << request.title;
    return titles;
}

} // namespace

class ScatchardWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<frmVn_Main> main;
    frmScatchard *tool = nullptr;
    EditableGrid *grid = nullptr;

    QStringList outputs() const
    {
        return {tool->lblOutputIntercept->text(), tool->lblOutputSlope->text(), tool->lblOutputSEb->text(),
                tool->lblOutputdf->text(),        tool->lblOutputKd->text(),    tool->lblOutputCI->text()};
    }

    void analyze(const QList<QStringList> &rows)
    {
        resetMessages();
        fillGrid(*grid, rows);
        QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
    }

private slots:
    void init()
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

    void cleanup() { main.reset(); }

    void workedExampleTypedIntoTheGrid()
    {
        QCOMPARE(tool->lblUnit->text(), QStringLiteral("(in nM )"));
        const QStringList pairs[] = {{"1", "0.9"}, {"2", "0.8"}, {"3", "0.72"}, {"4", "0.6"}};
        clickCell(*grid, 1, 1);
        for (const QStringList &pair : pairs) {
            typeIntoFocus(pair[0]);
            QTest::keyClick(tool->txtEdit, Qt::Key_Right);
            typeIntoFocus(pair[1]);
            if (&pair != &pairs[3]) {
                QTest::keyClick(tool->txtEdit, Qt::Key_Down);
                QTest::keyClick(grid, Qt::Key_Left); // the grid's own navigation
            }
        }
        // The last value is still in the editor: Analyze data commits it first.
        QVERIFY(tool->txtEdit->isVisible());
        QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
        QVERIFY2(scriptedMessages().shown.isEmpty(), qPrintable(titlesShown().join(", ")));
        QCOMPARE(outputs(),
                 (QStringList{"1.0", "-0.098", "0.0053", "2", "10.2041 nM", "8.2804 nM < Kd < 13.2922 nM"}));
        QCOMPARE(StatusText::current(), QString());
        QCOMPARE(grid->Row(), 4);
        QCOMPARE(grid->Col(), 2);
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
        QTest::newRow("two rows, one zero") << Rows{{"1", "0"}, {"2", "0.5"}} << QStringList{kInvalid, insufficient}
                                            << false;
        QTest::newRow("empty ratio reads 0, the run goes on") << Rows{{"1", "0.9"}, {"2", ""}, {"3", "0.7"}}
                                                              << QStringList{kInvalid, inconclusive} << true;
        QTest::newRow("letters and a negative value") << Rows{{"1", "0.9"}, {"abc", "0.8"}, {"-3", "0.7"}, {"4", "0.6"}}
                                                      << QStringList{kInvalid, kInvalid, inconclusive} << true;
        // A blank Bound is a data row reading 0; equal ratios fit perfectly
        // with slope 0, whose Kd is a division fault after the first outputs.
        QTest::newRow("blank Bound, equal ratios") << Rows{{"1", "1"}, {" ", "1"}, {"3", "1"}}
                                                   << QStringList{kInvalid, perfect, kInvalid} << true;
        QTest::newRow("number out of range") << Rows{{"1", "0.9"}, {"1e400", "0.8"}, {"3", "0.7"}}
                                             << QStringList{kInvalid} << false;
        QTest::newRow("all Bound equal") << Rows{{"5", "0.9"}, {"5", "0.8"}, {"5", "0.7"}} << QStringList{kInvalid}
                                         << false;
        QTest::newRow("positive slope") << Rows{{"1", "0.1"}, {"2", "0.25"}, {"3", "0.3"}}
                                        << QStringList{QStringLiteral("Warning")} << true;
    }

    void messagesOfTheRun()
    {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QStringList, titles);
        QFETCH(bool, outputsWritten);
        analyze(rows);
        QVERIFY2(titlesShown() == titles, qPrintable(titlesShown().join(" | ")));
        QCOMPARE(StatusText::current(), QString());
        QCOMPARE(tool->lblOutputIntercept->text() != QLatin1String("a"), outputsWritten);
        const QRegularExpression notANumber(QStringLiteral("\\b(inf|nan)\\b"), QRegularExpression::CaseInsensitiveOption);
        for (const QString &text : outputs())
            QVERIFY2(!notANumber.match(text).hasMatch(), qPrintable(text));
        if (titles.first() == kInvalid)
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
        QVERIFY(scriptedMessages().shown.first().text.startsWith(
            "The slope of the linear regression of the data is positive ( > 0 ). This corresponds to a negative "
            "dissociation constant ( Kd < 0 ). \r\n\r\nPlease check"));

        analyze({{"1", "0.9"}, {"2", "0.3"}, {"3", "1.0"}, {"4", "0.5"}});
        QCOMPARE(tool->lblOutputCI->text(), QStringLiteral("1.229 nM < Kd < plus infinite"));
        QVERIFY(scriptedMessages().shown.first().text.contains("includes plus infinite. \r\n\r\nIf the data"));

        // With all 20 rows, df is 18 and t 2.1009.
        QList<QStringList> rows;
        std::vector<double> x, y;
        for (int i = 1; i <= 20; ++i) {
            x.push_back(i);
            y.push_back(1.0 - 0.04 * i + ((i % 3) - 1) * 0.01);
            rows << QStringList{QString::number(x.back(), 'g', 17), QString::number(y.back(), 'g', 17)};
        }
        analyze(rows);
        const modStatistics::LineFit fit = modStatistics::FitLine(20, x, y);
        QCOMPARE(tool->lblOutputdf->text(), QStringLiteral("18"));
        QCOMPARE(tool->lblOutputCI->text(),
                 modStatistics::KdIntervalText(modStatistics::KdConfidenceInterval(fit.slope, fit.seSlope, 2.1009), "nM"));

        // Rows below the first empty Bound are ignored.
        analyze({{"1", "0.9"}, {"2", "0.8"}, {"3", "0.7"}, {"", ""}, {"abc", "0"}});
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(tool->lblOutputdf->text(), QStringLiteral("1"));
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
        QCOMPARE(requirements->text(), QStringLiteral("Enter numeric values greater than zero."));
        QCOMPARE(grid->Row(), 3);
        typeIntoFocus("4");
        QTest::keyClick(tool->txtEdit, Qt::Key_Escape);
        QCOMPARE(requirements->text(), QStringLiteral("Enter numeric values greater than zero."));

        // Topics.
        QCOMPARE(assistant->twipsHeight(), 3135.0);
        QTest::mouseClick(assistant->lblUnitsTopic, Qt::LeftButton);
        QVERIFY(qAbs(assistant->twipsHeight() - 5205) < 20);
        QVERIFY(assistant->lblUnits->isVisible());
        QCOMPARE(assistant->lblUnits->text(), QStringLiteral("nM (1E-09 Molar)"));
        QTest::mouseClick(assistant->lblNavigation, Qt::LeftButton);
        QVERIFY(!assistant->lblUnits->isVisible());

        // Opening the Equilibrium Tool hides this assistant.
        main->mnuVnVornish_Click();
        QVERIFY(!assistant->isVisible());
    }

    void openedAndPlacedByTheMainWindow()
    {
        frmScatchTlAssistant *assistant = appWindows().scatchardAssistant;
        fillGrid(*grid, {{"7", "0.1"}});
        QTest::mouseClick(tool->cmdClose, Qt::LeftButton);
        QVERIFY(!tool->isVisible());
        main->tbToolBar_ButtonClick(QStringLiteral("Scatchard Analysis"));
        QVERIFY(tool->isVisible());
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("7"));
        main->mnuFileNew_Click();
        QVERIFY(!tool->isVisible());
        frmStartMenu *menu = appWindows().startMenu;
        QTest::mouseClick(menu->cmdScatchTl, Qt::LeftButton);
        QVERIFY(tool->isVisible() && !menu->isVisible());

        tool->cmdScatchardAssistant->click();
        tool->move(200, 120);
        main->mnuWindowsDocking_Click();
        QCOMPARE(tool->pos(), QPoint(0, 0));
        QVERIFY(qAbs(tool->twipsWidth() - 5070) < 20 && qAbs(tool->twipsHeight() - 5895) < 20);
        QVERIFY(!assistant->isVisible());

        tool->cmdScatchardAssistant->click();
        main->mnuFileNew_Click();
        QVERIFY(!tool->isVisible() && !assistant->isVisible());
    }
};

int runScatchardWindowTests(int argc, char *argv[])
{
    ScatchardWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scatchard_window.moc"
