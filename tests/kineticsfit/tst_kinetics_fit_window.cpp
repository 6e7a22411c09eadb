#include "KineticsTesting.h"
#include "TestMain.h"

#include "RunningProgram.h"
#include "ScriptedFileDialogs.h"
#include "TextFit.h"
#include "dynamic/frmDynVornish.h"
#include "fitting/FitDataTable.h"
#include "fitting/FitResultsPanel.h"
#include "fitting/PlotPicture.h"
#include "fitting/ResidualGraph.h"
#include "graphing/DisplayList.h"
#include "kineticsfit/frmKineticsFit.h"
#include "platform/EditableGrid.h"
#include "printing/ReportDetails.h"
#include "printing/ReportTool.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTableWidget>

#include <set>

namespace {

// The five traces of k_ass 1e7 per M per s and k_diss 0.01 per s (Kd 1 nM),
// 31 points each, as rows of the wide layout: the time, then each signal.
QList<QStringList> dilutionRows()
{
    std::vector<KineticsFit::Trace> traces;
    for (double l : KineticsTesting::DilutionSeries())
        traces.push_back(KineticsTesting::PseudoFirstOrderTrace(l, 0.01, 0.01, 600, 31));
    QList<QStringList> rows;
    for (size_t i = 0; i < traces[0].time.size(); ++i) {
        QStringList row{QString::number(traces[0].time[i])};
        for (const KineticsFit::Trace &t : traces)
            row << QString::number(t.signal[i], 'g', 17);
        rows << row;
    }
    return rows;
}

// The same as a file, headed by Time and each trace's concentration.
QByteArray dilutionFile()
{
    QStringList lines{QStringLiteral("Time")};
    for (double l : KineticsTesting::DilutionSeries())
        lines[0] += ',' + QString::number(l);
    for (const QStringList &row : dilutionRows())
        lines << row.join(',');
    return (lines.join('\n') + '\n').toUtf8();
}

} // namespace

// The Kinetics Fit window as a user drives it: open, fit, read, export,
// simulate; bad files refused with the list kept.
class KineticsFitWindowTest : public QObject
{
    Q_OBJECT

    RunningProgram program;
    frmKineticsFit *window = nullptr;

    void open(const QByteArray &bytes)
    {
        const QString path = QDir(TestFixture::temporaryFolder()).filePath(QStringLiteral("traces.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        resetFileDialogs({path});
        QTest::mouseClick(window->cmdOpenTraces, Qt::LeftButton);
    }

private slots:
    void init()
    {
        program.start();
        program.main->action(QStringLiteral("mnuKineticsFit"))->trigger();
        window = appWindows().kineticsFit;
    }

    void cleanup() { program.stop(); }

    void openFitAndRead()
    {
        QVERIFY(window->isVisible());
        QVERIFY(TextFit::captionProblem(window).isEmpty());
        open(dilutionFile());
        QCOMPARE(window->flgTraces->rowCount(), 5);
        QTest::mouseClick(window->cmdFit, Qt::LeftButton);
        QVERIFY2(scriptedMessages().texts().isEmpty(), qPrintable(scriptedMessages().texts().join('\n')));
        QVERIFY(window->result().fitted);
        window->tabResults->setCurrentWidget(window->fitResults);
        QVERIFY(window->fitResults->tblParameters->isVisible());
        QCOMPARE(window->fitResults->tblParameters->item(0, 0)->text(), QStringLiteral("k_ass"));
        QCOMPARE(window->fitResults->tblParameters->item(2, 0)->text(), QStringLiteral("Kd"));
        QVERIFY(window->fitResults->tblParameters->item(2, 1)->text().startsWith(QStringLiteral("1.0")));
        window->tabResults->setCurrentIndex(0);
        QVERIFY(window->picTraces->isVisible() && window->picTraces->hasPlot());
        QVERIFY(window->picResiduals->isVisible() && window->picResiduals->hasPlot());
        QVERIFY(window->picKObs->hasPlot());

        // Unchecking all but one trace: k_ass refused in words, k_obs still fitted.
        for (int row = 1; row < 5; ++row)
            window->flgTraces->item(row, 0)->setCheckState(Qt::Unchecked);
        QTest::mouseClick(window->cmdFit, Qt::LeftButton);
        QVERIFY(window->result().fitted && !window->result().kAssDetermined);
        QVERIFY(window->fitResults->lblNote->isVisible());
        QVERIFY(window->fitResults->lblNote->text().contains(QStringLiteral("k_ass cannot be determined")));
        QVERIFY(TextFit::labelProblem(window->fitResults->lblNote).isEmpty());
        QVERIFY(!window->cmdSimulate->isEnabled());

        // A ragged file: the message names the line, and the traces already listed stay.
        resetMessages();
        open("Time,50,5\n0,0,0\n1,2,3,4\n");
        QCOMPARE(scriptedMessages().texts().size(), 1);
        QVERIFY(scriptedMessages().texts().first().contains(QStringLiteral("Line 3: 4 fields")));
        QCOMPARE(window->flgTraces->rowCount(), 5);
    }

    // Traces typed into the table and their concentrations into the list
    // fit as a file's do; every column of the list is whole in sight; each
    // trace keeps its row's colour in the plot when another is left out; a
    // time that goes back is refused naming the trace, the cells kept.
    void tracesTypedInTheTable()
    {
        window->tabTraces->setCurrentWidget(window->flgTraceData);
        window->flgTraceData->enterCells(dilutionRows());
        window->tabTraces->setCurrentIndex(0);
        QCOMPARE(window->flgTraces->rowCount(), 5);
        for (int row = 0; row < 5; ++row) {
            QCOMPARE(window->flgTraces->item(row, 3)->text(), QStringLiteral("31"));
            window->flgTraces->item(row, 1)->setText(QString::number(KineticsTesting::DilutionSeries()[size_t(row)]));
        }
        const QHeaderView *header = window->flgTraces->horizontalHeader();
        for (int column = 0; column < header->count(); ++column) {
            QVERIFY(header->sectionSize(column) >= header->sectionSizeHint(column));
            QVERIFY(header->sectionViewportPosition(column) + header->sectionSize(column)
                    <= window->flgTraces->viewport()->width());
        }
        window->flgTraces->item(1, 0)->setCheckState(Qt::Unchecked);
        QTest::mouseClick(window->cmdFit, Qt::LeftButton);
        QVERIFY2(scriptedMessages().texts().isEmpty(), qPrintable(scriptedMessages().texts().join('\n')));
        QVERIFY(std::fabs(window->result().fit.value(0) / 0.01 - 1) < 1e-6);
        QVERIFY(std::fabs(window->result().fit.value(1) / 0.01 - 1) < 1e-6);
        std::set<QRgb> plotted, listed;
        for (const DisplayItem &item : window->picTraces->displayList().items())
            if (item.kind == DisplayItem::Circle)
                plotted.insert(item.color);
        for (int row : {0, 2, 3, 4})
            listed.insert(window->flgTraces->item(row, 0)->foreground().color().rgb());
        QCOMPARE(plotted, listed);

        window->flgTraceData->grid->setTextMatrix(3, 1, QStringLiteral("5"));
        QVERIFY(!window->result().fitted);
        QTest::mouseClick(window->cmdFit, Qt::LeftButton);
        QCOMPARE(scriptedMessages().texts().size(), 1);
        QVERIFY2(scriptedMessages().texts().first().startsWith(
                     QStringLiteral("Trace 1: the time 5 does not come after 20")),
                 qPrintable(scriptedMessages().texts().first()));
        QVERIFY(window->flgTraceData->isVisible());
        QCOMPARE(window->flgTraceData->grid->TextMatrix(3, 1), QStringLiteral("5"));
    }

    // The parameters as CSV, and the constants into the wizard's step 1.
    void exportAndSimulate()
    {
        open(dilutionFile());
        QTest::mouseClick(window->cmdFit, Qt::LeftButton);
        // The window in front is the report's tool: its list and tables.
        QCOMPARE(ReportTool::ActiveToolWindow(), short(modPlot_Graph::KineticsFitTool));
        QCOMPARE(ReportDetails::DetailsOf(modPlot_Graph::KineticsFitTool).size(), 2);
        const QString path = QDir(TestFixture::temporaryFolder()).filePath(QStringLiteral("parameters.csv"));
        resetFileDialogs({path});
        QTest::mouseClick(window->cmdExportParameters, Qt::LeftButton);
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(csv.readAll());
        QVERIFY2(text.contains(QStringLiteral("\r\nKd,1")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("M-1 s-1")));

        QTest::mouseClick(window->cmdSimulate, Qt::LeftButton);
        frmDynVornish *wizard = appWindows().dynamic;
        QVERIFY(wizard->isVisible() && wizard->txtK_ass_rate->isVisible());
        QVERIFY(std::fabs(wizard->txtK_ass_rate->text().toDouble() / 1e7 - 1) < 1e-6);
        QVERIFY(std::fabs(wizard->txtKd->text().toDouble() / 1e-9 - 1) < 1e-6);
        QVERIFY(wizard->txtK_diss_rate->text().isEmpty());
    }
};

VORNISH_TEST(KineticsFitWindowTest)
#include "tst_kinetics_fit_window.moc"
