#include "ScatchardTesting.h"
#include "TestMain.h"

#include "RunningProgram.h"
#include "ScriptedFileDialogs.h"
#include "fitting/FitDataTable.h"
#include "fitting/FitResultsPanel.h"
#include "fitting/ResidualGraph.h"
#include "graphing/DisplayList.h"
#include "platform/EditableGrid.h"
#include "platform/GridClipboard.h"
#include "scatchard/frmSaturation.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGraphicsEffect>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

// The Saturation Binding window as the user drives it.
class SaturationWindowTest : public QObject
{
    Q_OBJECT

    RunningProgram program;
    frmSaturation *tool = nullptr;

    // Types a value into a cell as the user does: a click, the first key
    // opens the editor, the others go into it, Space stores it.
    void typeCell(EditableGrid &grid, int row, int col, const QString &text)
    {
        clickCell(grid, row, col);
        QTest::keyClick(&grid, text[0].toLatin1());
        QTest::keyClicks(grid.editor(), text.mid(1));
        QTest::keyClick(grid.editor(), Qt::Key_Space);
    }

    void typeRows(FitDataTable &table, const QList<QStringList> &rows)
    {
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                typeCell(*table.grid, r + 1, c + 1, rows[r][c]);
    }

    QString cell(int row, int col) const
    {
        const QTableWidgetItem *item = tool->fitResults->tblParameters->item(row, col);
        return item ? item->text() : QString();
    }

private slots:
    void init()
    {
        program.start();
        program.main->action(QStringLiteral("mnuSaturation"))->trigger();
        tool = appWindows().saturation;
    }

    void cleanup() { program.stop(); }

    // Typed data fitted by a click, with the Misra1d values; an edit greys
    // the results at once, a new fit makes them current.
    void typedDataFittedAndOutOfDateOnEdit()
    {
        QVERIFY(tool->isVisible());
        typeRows(*tool->flgBinding, misraRows());
        QTest::mouseClick(tool->cmdFit, Qt::LeftButton);
        QVERIFY2(scriptedMessages().shown.isEmpty(), qPrintable(scriptedMessages().texts().join(" | ")));
        QCOMPARE(cell(0, 0), QStringLiteral("Bmax"));
        QCOMPARE(cell(0, 1), QStringLiteral("437.37"));
        QCOMPARE(cell(1, 1), QStringLiteral("3308.27"));
        QVERIFY(tool->picResiduals->hasPlot());
        QVERIFY(!tool->fitResults->lblOutOfDate->isVisible());
        // The saturation graph in the graph window: a blue curve and the points.
        int blue = 0;
        for (const DisplayItem &item : program.picture().displayList().items())
            blue += item.kind == DisplayItem::Line && item.color == qRgb(0, 0, 192);
        QVERIFY(blue > 100);

        typeCell(*tool->flgBinding->grid, 3, 2, QStringLiteral("18.5"));
        QVERIFY(tool->fitResults->lblOutOfDate->isVisible());
        QCOMPARE(tool->fitResults->lblOutOfDate->text(), QStringLiteral("out of date: fit again"));
        QVERIFY(tool->picFit->graphicsEffect()->isEnabled()); // the curves faded too
        QTest::mouseClick(tool->cmdFit, Qt::LeftButton);
        QVERIFY(!tool->fitResults->lblOutOfDate->isVisible());
        QVERIFY(!tool->picFit->graphicsEffect()->isEnabled());
        QVERIFY(cell(0, 1) != QStringLiteral("437.37"));
    }

    // One site against two: the verdict sentence, the second site unresolved.
    void comparisonSaysWhichModelTheDataSupport()
    {
        std::vector<double> x, y;
        oneSiteWithScatter(x, y);
        QList<QStringList> rows;
        for (size_t i = 0; i < x.size(); ++i)
            rows << QStringList{QString::number(x[i], 'g', 17), QString::number(y[i], 'g', 17)};
        tool->flgBinding->enterCells(rows);
        tool->cmbCompare->setCurrentIndex(tool->cmbCompare->findText(QStringLiteral("Two sites")));
        QTest::mouseClick(tool->cmdFit, Qt::LeftButton);
        QVERIFY(tool->verdict().startsWith(QStringLiteral("The data support One site")));
        QVERIFY(tool->fitResults->lblNote->text().contains(tool->verdict()));
        QVERIFY(tool->fitResults->lblNote->isVisible());

        // Two sites chosen: not resolved, so no parameters shown as a result.
        tool->cmbModel->setCurrentIndex(tool->cmbModel->findText(QStringLiteral("Two sites")));
        tool->cmbCompare->setCurrentIndex(0);
        QTest::mouseClick(tool->cmdFit, Qt::LeftButton);
        QCOMPARE(tool->fitResults->tblParameters->rowCount(), 0);
        QVERIFY(tool->fitResults->lblNote->text().startsWith(QStringLiteral("The second site is not resolved")));
    }

    // Bad input: a message naming the row, nothing lost, nothing shown as a result.
    void badInputRefusedWithItsRow()
    {
        tool->flgBinding->enterCells({{"1", "5"}, {"2", "abc"}});
        QTest::mouseClick(tool->cmdFit, Qt::LeftButton);
        QCOMPARE(scriptedMessages().texts(),
                 QStringList{QStringLiteral("Binding table: Row 2: 'abc' is not a number.")});
        QCOMPARE(tool->flgBinding->grid->TextMatrix(2, 2), QStringLiteral("abc"));
        resetMessages();
        tool->flgBinding->clear();
        QTest::mouseClick(tool->cmdFit, Qt::LeftButton);
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(tool->fitResults->tblParameters->rowCount(), 0);
    }

    // The results as CSV, one row per parameter, then the data.
    void resultsExportedAsCsv()
    {
        tool->flgBinding->enterCells(misraRows());
        QTest::mouseClick(tool->cmdFit, Qt::LeftButton);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("results.csv"));
        resetFileDialogs({path});
        QTest::mouseClick(tool->cmdExport, Qt::LeftButton);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(lines[1], QStringLiteral("Parameter,Value,SE,Low,High,Unit"));
        QVERIFY(lines[2].startsWith(QStringLiteral("Bmax,437.3697")));
        QVERIFY(lines.contains(QStringLiteral("Binding,77.6,10.07,,,,,")));
    }
};

VORNISH_TEST(SaturationWindowTest)

#include "tst_saturation_window.moc"
