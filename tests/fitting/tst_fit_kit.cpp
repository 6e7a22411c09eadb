#include "TestMain.h"

#include "ScriptedFileDialogs.h"
#include "ScriptedMessages.h"
#include "TextFit.h"
#include "exchange/ColumnsReader.h"
#include "exchange/FitResultsCsv.h"
#include "fitting/FitDataTable.h"
#include "fitting/FitResultsPanel.h"
#include "fitting/ReplicateTable.h"
#include "fitting/ResidualGraph.h"
#include "graphing/DisplayList.h"
#include "platform/EditableGrid.h"
#include "platform/GridClipboard.h"

#include <QBuffer>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <cmath>

using namespace Fitting;

namespace {

ColumnsReader::Result readColumns(QByteArray bytes, int maxValues, const QString &label = QString())
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ColumnsReader::Read(buffer, maxValues, label);
}

// "x y1 y2 | ..." with "_" for a blank.
QString rowsOf(const ColumnsReader::Result &result)
{
    QStringList rows;
    for (const ColumnsReader::Row &row : result.rows) {
        QStringList values;
        if (!row.label.isEmpty())
            values << row.label;
        for (double v : row.values)
            values << (std::isnan(v) ? QStringLiteral("_") : QString::number(v));
        rows << values.join(QLatin1Char(' '));
    }
    return rows.join(QStringLiteral(" | "));
}

// A fit result as the engine gives it, with values known in advance.
FitResult knownResult()
{
    FitResult result;
    result.outcome = FitResult::Fitted;
    ParameterEstimate kd{QStringLiteral("Kd"), QStringLiteral("nM"), false, 2.5, 0.25, 1.9, 3.1, {}};
    kd.profile = {true, 1.95, 3.4, false, false};
    ParameterEstimate bmax{QStringLiteral("Bmax"), QStringLiteral("fmol"), false, 120, 6, 106.6, 133.4, {}};
    bmax.profile = {true, 108, 0, false, true};
    ParameterEstimate ns{QStringLiteral("NS"), QString(), true, 0.5, 0, 0, 0, {}};
    result.parameters = {kd, bmax, ns};
    result.residualSD = 1.5;
    result.rSquared = 0.995;
    result.aicc = 12.25;
    result.hasAicc = true;
    result.points = 12;
    result.df = 10;
    return result;
}

} // namespace

// The parts every fit window is made of: its file reader, its replicate
// table, its results as CSV and on screen, and its residual graph.
class FitKitTest : public QObject
{
    Q_OBJECT

private slots:
    void columnsReadOrRefused()
    {
        const ColumnsReader::Result plain = readColumns("Free,Total 1,Total 2\n0.5,10,\n1,,19\n2;30;31\n", 3);
        QCOMPARE(plain.stop, ColumnsReader::Stop::EndOfData);
        QCOMPARE(plain.header, (QStringList{"Free", "Total 1", "Total 2"}));
        QCOMPARE(rowsOf(plain), QStringLiteral("0.5 10 | 1 _ 19 | 2 30 31"));
        QCOMPARE(plain.rows[1].line, 3LL);

        // Decimal commas between semicolons; a text label column named in the header.
        QCOMPARE(rowsOf(readColumns("x;y\n0,5;1,25\n", 2)), QStringLiteral("0.5 1.25"));
        const ColumnsReader::Result batch = readColumns("set,free,bound\nA,1,2\nB 7,3,4\n", 3, "SET");
        QCOMPARE(batch.labelIndex, 0);
        QCOMPARE(rowsOf(batch), QStringLiteral("A 1 2 | B 7 3 4"));

        // Refused with the line and a reason.
        const ColumnsReader::Result wide = readColumns("1,2,3,4\n", 3);
        QCOMPARE(wide.stop, ColumnsReader::Stop::TooManyFields);
        QCOMPARE(ColumnsReader::StopText(wide, 3),
                 QStringLiteral("at most 3 values are read (X and 2 replicates), found 4"));
        const ColumnsReader::Result text = readColumns("x,y\n1,2\n3,abc\n", 3);
        QCOMPARE(text.stop, ColumnsReader::Stop::NotANumber);
        QCOMPARE(text.line, 3LL);
        QCOMPARE(readColumns("1,1e999\n", 3).stop, ColumnsReader::Stop::OutOfRange);
    }

    void replicateTableFromCells()
    {
        ReplicateTable table;
        QString problem;
        QVERIFY(TableFromCells({{"1", "2", "", "4"}, {"", "", "", ""}, {"2", "", "5"}}, table, problem));
        QCOMPARE(table.x, (std::vector<double>{1, 2}));
        const FitDataSet points = IndividualPoints(table);
        QCOMPARE(points.x, (std::vector<double>{1, 1, 2}));
        QCOMPARE(points.y, (std::vector<double>{2, 4, 5}));
        // Mean 3 and SD sqrt(2) of 2 and 4; a single value has SD 0.
        const std::vector<RowMean> means = RowMeans(table);
        QCOMPARE(means[0].mean, 3.0);
        QCOMPARE(means[0].sd, std::sqrt(2.0));
        QCOMPARE(means[1].count, 1);
        QCOMPARE(means[1].sd, 0.0);
        // Negative and zero values are data.
        QVERIFY(TableFromCells({{"0", "-0.5", "0"}}, table, problem));
        QCOMPARE(IndividualPoints(table).y, (std::vector<double>{-0.5, 0}));

        QVERIFY(!TableFromCells({{"1", "2"}, {"", "3"}}, table, problem));
        QCOMPARE(problem, QStringLiteral("Row 2 has values but no X."));
        QVERIFY(!TableFromCells({{"1", ""}}, table, problem));
        QCOMPARE(problem, QStringLiteral("Row 1 has an X but no value beside it."));
        QVERIFY(!TableFromCells({{"1", "x2"}}, table, problem));
        QCOMPARE(problem, QStringLiteral("Row 1: 'x2' is not a number."));
    }

    void resultsCsvOneRowPerParameter()
    {
        // Profile intervals where computed, an open side empty, a fixed parameter without SE.
        QCOMPARE(QString::fromStdString(FitResultsCsv::ParameterRows(knownResult())),
                 QStringLiteral("Parameter,Value,SE,Low,High,Unit\r\n"
                                "Kd,2.5,0.25,1.95,3.4,nM\r\n"
                                "Bmax,120,6,108,,fmol\r\n"
                                "NS,0.5,,,,\r\n"));
    }

    void tableGrowsTakesPasteAndOpenDataAndSaysEachEdit()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *table = new FitDataTable(QStringLiteral("flgTotal"), QStringLiteral("Total binding"),
                                       QStringLiteral("Free"), QStringLiteral("Total"), 3);
        layout->addWidget(table);
        window.resize(500, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy edited(table, &FitDataTable::edited);
        QCOMPARE(table->grid->TextMatrix(0, 2), QStringLiteral("Total 1"));

        // Typed as in every grid: the value replaces the cell on leaving it.
        table->grid->setFocus();
        table->grid->setCurrent(1, 1);
        QTest::keyClick(table->grid, '0'); // opens the editor on the cell
        QTest::keyClicks(table->grid->editor(), ".5");
        QTest::keyClick(table->grid->editor(), Qt::Key_Right);
        QVERIFY(edited.count() >= 1);
        QCOMPARE(table->grid->TextMatrix(1, 1), QStringLiteral("0.5"));

        // A pasted block longer than the table adds the rows it needs, and a spare one.
        QString block;
        for (int row = 1; row <= 40; ++row)
            block += QStringLiteral("%1\t%2\t\t%3\n").arg(row).arg(row * 2).arg(row * 3);
        table->grid->setCurrent(1, 1);
        QVERIFY(GridClipboard::pasteBlock(*table->grid, block));
        QCOMPARE(table->grid->Rows() - 1, 41);
        ReplicateTable read;
        QString problem;
        QVERIFY(table->table(read, problem));
        QCOMPARE(read.x.size(), size_t(40));
        QVERIFY(std::isnan(read.y[39][1]));
        QCOMPARE(read.y[39][2], 120.0);

        // Open Data replaces the table and is one edit.
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("data.csv"));
        const auto openData = [&](const QByteArray &bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
            resetFileDialogs({path});
            table->openData();
        };
        edited.clear();
        openData("Free,T1,T2,T3\n1,10,11,\n2,20,,22\n");
        QCOMPARE(edited.count(), 1);
        QVERIFY(table->table(read, problem));
        QCOMPARE(read.x, (std::vector<double>{1, 2}));
        QCOMPARE(table->grid->Rows() - 1, 12);

        // A file with more replicates than the table: a message, nothing changed.
        resetMessages();
        openData("1,2,3,4,5\n");
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QVERIFY(scriptedMessages().texts().first().contains(QStringLiteral("Line 1: at most 4 values")));
        QVERIFY(table->table(read, problem));
        QCOMPARE(read.x.size(), size_t(2));
    }

    void resultsPanelShowsGreysAndSaysOutOfDate()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *panel = new FitResultsPanel(QStringLiteral("Results"));
        layout->addWidget(panel);
        window.resize(700, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        panel->showResult(knownResult(), QStringLiteral("The data support one site."));
        QCOMPARE(panel->tblParameters->rowCount(), 3);
        QCOMPARE(panel->tblParameters->item(0, 1)->text(), QStringLiteral("2.5"));
        QCOMPARE(panel->tblParameters->item(0, 4)->text(), QStringLiteral("1.95 to 3.4"));
        QCOMPARE(panel->tblParameters->item(1, 4)->text(), QStringLiteral("108.0 to open"));
        QCOMPARE(panel->tblParameters->item(2, 2)->text(), QStringLiteral("fixed"));
        QCOMPARE(panel->lblStatistics->text(),
                 QStringLiteral("Residual SD: 1.5    R²: 0.995    AICc: 12.25    df: 10"));
        QVERIFY(!panel->lblOutOfDate->isVisible());
        for (QLabel *label : {panel->lblStatistics, panel->lblNote})
            QVERIFY2(TextFit::labelProblem(label).isEmpty(), qPrintable(TextFit::labelProblem(label)));

        panel->markOutOfDate();
        QVERIFY(panel->lblOutOfDate->isVisible());
        QCOMPARE(panel->lblOutOfDate->text(), QStringLiteral("out of date: fit again"));
        QVERIFY(!panel->tblParameters->isEnabled());
        QVERIFY(TextFit::labelProblem(panel->lblOutOfDate).isEmpty());

        // A new fit is current again; a refusal leaves nothing to be out of date.
        panel->showResult(knownResult());
        QVERIFY(!panel->lblOutOfDate->isVisible() && panel->tblParameters->isEnabled());
        panel->showNote(QStringLiteral("The fit needs more data points than the model has parameters."));
        panel->markOutOfDate();
        QVERIFY(!panel->lblOutOfDate->isVisible());
        QCOMPARE(panel->tblParameters->rowCount(), 0);
    }

    void residualGraphDrawsEachResidualAboutZero()
    {
        ResidualGraph graph;
        QVERIFY(graph.showResiduals({{1, 2, 3}, {1, 4}}, {{0.5, -0.5, 0.25}, {-1, 1}}, {"Total", "Nonspecific"},
                                    {QColor(0, 0, 192), QColor(192, 0, 0)}, QStringLiteral("Free")));
        int blue = 0, red = 0;
        double zeroY = -1, topY = 1e9, bottomY = -1e9;
        for (const DisplayItem &item : graph.displayList().items()) {
            if (item.kind == DisplayItem::Circle) {
                blue += item.color == qRgb(0, 0, 192);
                red += item.color == qRgb(192, 0, 0);
                topY = std::min(topY, double(item.y1));
                bottomY = std::max(bottomY, double(item.y1));
            }
            if (item.kind == DisplayItem::Line && item.color == qRgb(128, 128, 128))
                zeroY = double(item.y1);
        }
        QCOMPARE(blue, 3);
        QCOMPARE(red, 2);
        // Residuals of -1 and 1 lie as far below the zero line as above it.
        QVERIFY(zeroY > 0);
        QVERIFY(std::fabs((zeroY - topY) - (bottomY - zeroY)) < 1e-3);

        QVERIFY(!graph.showResiduals({{}}, {{}}, {}, {}, QString()));
        QVERIFY(!graph.hasPlot());
    }
};

VORNISH_TEST(FitKitTest)

#include "tst_fit_kit.moc"
