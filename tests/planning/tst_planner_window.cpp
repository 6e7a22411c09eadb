#include "RunningProgram.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessages.h"
#include "TestMain.h"
#include "TextFit.h"
#include "Typing.h"

#include "dynamic/frmDynVornish.h"
#include "planning/frmAssayPlanner.h"
#include "printing/ReportDetails.h"
#include "printing/ToolLists.h"
#include "shell/AppWindows.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

class PlannerWindowTest : public QObject
{
    Q_OBJECT

    RunningProgram program;
    frmAssayPlanner *planner = nullptr;

    // Kd and sites typed, the rest as the window starts (8 points, in nM).
    void plan(const QString &kd, const QString &sites)
    {
        typeInto(planner->txtKd, kd);
        typeInto(planner->txtSites, sites);
        QTest::keyClick(planner->txtSites, Qt::Key_Return);
    }

    QString cell(int row, int column) const { return planner->flgPlan->item(row, column)->text(); }

private slots:
    void init()
    {
        program.start();
        program.main->findChild<QAction *>(QStringLiteral("mnuAssayPlanner"))->trigger();
        planner = appWindows().planner;
        QVERIFY(planner->isVisible());
        QCOMPARE(planner->windowTitle(), QStringLiteral("Assay Planner"));
        QVERIFY(TextFit::captionProblem(planner).isEmpty());
        resetMessages();
    }

    void cleanup() { program.stop(); }

    // Kd 2 nM, sites 50 pM: eight points from 0.2 to 20 nM evenly in log, each occupancy
    // the quadratic's, nothing depleted, the binding regime.
    void planByKeys()
    {
        plan("2", "0.05");
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(planner->flgPlan->rowCount(), 8);
        QVERIFY(planner->flgPlan->isVisible());
        QCOMPARE(cell(0, 0).toDouble(), 0.2);
        QCOMPARE(cell(7, 0).toDouble(), 20.0);
        QVERIFY(std::fabs(cell(1, 0).toDouble() / cell(0, 0).toDouble() / std::pow(100.0, 1.0 / 7) - 1) < 1e-2);
        for (int r = 0; r < 8; ++r) {
            const double ligand = cell(r, 0).toDouble(), sum = ligand + 0.05 + 2;
            const double complex = (sum - std::sqrt(sum * sum - 4 * ligand * 0.05)) / 2;
            QVERIFY(std::fabs(cell(r, 2).toDouble() - 100 * complex / 0.05) < 1e-3 * 100 * complex / 0.05);
            QVERIFY(cell(r, 4).isEmpty());
        }
        QVERIFY(planner->txtNotes->toPlainText().contains(QStringLiteral("binding regime")));
        QVERIFY(planner->txtNotes->toPlainText().contains(QStringLiteral("typical, assumed")));
        QVERIFY(planner->txtNotes->toPlainText().contains(QStringLiteral("Control: measure at two incubation times")));
        QVERIFY(planner->cmdSimulate->isEnabled() && planner->cmdExport->isEnabled());
        for (const QLabel *label : planner->findChildren<QLabel *>())
            if (label->isVisible())
                QVERIFY2(TextFit::labelProblem(label).isEmpty(), qPrintable(TextFit::labelProblem(label)));

        // Sites at 100 x Kd: the titration regime, every low point depleted.
        plan("2", "200");
        QVERIFY(planner->txtNotes->toPlainText().contains(QStringLiteral("titration: this assay measures")));
        QCOMPARE(cell(0, 4), QStringLiteral("yes"));
    }

    void badInputKeepsTheFields()
    {
        plan("abc", "0.05");
        QCOMPARE(scriptedMessages().texts(), QStringList{QStringLiteral("Enter a number for the expected Kd.")});
        QCOMPARE(planner->txtKd->text(), QStringLiteral("abc"));
        QVERIFY(!planner->hasPlan());
        resetMessages();
        plan("2", "0");
        QCOMPARE(scriptedMessages().texts(),
                 QStringList{QStringLiteral("Enter the binding-site concentration: a number greater than 0.")});
        resetMessages();
        typeInto(planner->txtPoints, QStringLiteral("2.5"));
        plan("2", "0.05");
        QCOMPARE(scriptedMessages().texts(),
                 QStringList{QStringLiteral("The number of points must be a whole number from 3 to 100.")});
        QVERIFY(!planner->hasPlan());
    }

    // The prediction runs from the event loop: the window answers and the
    // bar moves while it runs; Cancel stops it with nothing shown; run
    // again, it fills both designs.
    void precisionRunsInStepsAndCancels()
    {
        plan("2", "0.05");
        QTest::mouseClick(planner->cmdPrecision, Qt::LeftButton);
        QVERIFY(planner->precisionRunning());
        QVERIFY(planner->cmdCancel->isVisible() && planner->cmdCancel->isEnabled());
        QTRY_VERIFY(planner->prgPrecision->value() > 0);
        QVERIFY(planner->precisionRunning());
        QTest::mouseClick(planner->cmdCancel, Qt::LeftButton);
        QVERIFY(!planner->precisionRunning());
        QCOMPARE(planner->prgPrecision->value(), 0);
        QVERIFY(!planner->flgPrecision->item(2, 0));

        QTest::mouseClick(planner->cmdPrecision, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!planner->precisionRunning(), 60000);
        QCOMPARE(planner->prgPrecision->value(), 100);
        QCOMPARE(planner->flgPrecision->item(0, 0)->text(), QStringLiteral("8"));
        QCOMPARE(planner->flgPrecision->item(0, 1)->text(), QStringLiteral("12"));
        for (int design = 0; design < 2; ++design)
            QVERIFY(planner->flgPrecision->item(2, design)->text().endsWith(QStringLiteral(" %")));
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    void simulateExportAndReport()
    {
        plan("2", "0.05");
        // The report: the inputs and the plan's figures, then the table and its notes.
        const ReportColumns list = ToolLists::ToolList(modPlot_Graph::PlannerTool, QStringLiteral("nM"));
        QVERIFY(list.labels.startsWith(QStringLiteral("Experiment\r\nExpected Kd (nM)\r\nBinding sites (nM)")));
        QVERIFY(list.values.contains(QStringLiteral("22.3 min (the slowest point to 95 %)")));
        const QList<ReportSection> details = ReportDetails::DetailsOf(modPlot_Graph::PlannerTool);
        QCOMPARE(details.size(), 2);
        QCOMPARE(details[0].rows.size(), 9); // headings and eight rows
        QCOMPARE(details[1].rows.size(), int(planner->plan().notes.size()));
        planner->flgPlan->selectRow(0);
        QTest::mouseClick(planner->cmdSimulate, Qt::LeftButton);
        frmDynVornish *wizard = appWindows().dynamic;
        QVERIFY(wizard->isVisible());
        QCOMPARE(wizard->txtA->text(), QStringLiteral("0.2"));
        QCOMPARE(wizard->txtB->text(), QStringLiteral("0.05"));
        QCOMPARE(wizard->txtKd->text(), QStringLiteral("2E-09"));

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.csv"));
        resetFileDialogs({path});
        planner->showInFront();
        QTest::mouseClick(planner->cmdExport, Qt::LeftButton);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray csv = file.readAll();
        QVERIFY(csv.startsWith("# Assay plan, concentrations in nM, times in s\r\n"));
        const QList<QByteArray> lines = csv.trimmed().split('\n');
        const auto header = std::find_if(lines.begin(), lines.end(), [](const QByteArray &l) {
            return l.startsWith("Ligand (nM),Free ligand (nM),");
        });
        QVERIFY(header != lines.end());
        QCOMPARE(lines.end() - header, 9);
        QVERIFY(lines.last().startsWith("20,"));
    }
};

VORNISH_TEST(PlannerWindowTest)
#include "tst_planner_window.moc"
