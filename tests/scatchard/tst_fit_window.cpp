#include "ScatchardTesting.h"
#include "TestMain.h"

#include "RunningProgram.h"
#include "TextFit.h"
#include "graphing/DisplayList.h"
#include "platform/EditableGrid.h"
#include "platform/GridClipboard.h"
#include "scatchard/SaturationFitPanel.h"
#include "scatchard/frmScatchard.h"
#include "session/StatusText.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kModelBlue = qRgb(0, 0, 192);

} // namespace

// The curve fit as the user drives it from the Scatchard window.
class FitWindowTest : public QObject
{
    Q_OBJECT

    RunningProgram program;
    frmScatchard *tool = nullptr;
    SaturationFitPanel *panel = nullptr;

    void fit(const QList<QStringList> &rows, QPushButton *command = nullptr)
    {
        resetMessages();
        fillGrid(*tool->flgInputScatchard, rows);
        QTest::mouseClick(command ? command : panel->cmdFitCurve, Qt::LeftButton);
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
        panel = tool->fitPanel;
    }

    void cleanup() { program.stop(); }

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
        fillGrid(*tool->flgInputScatchard, kWorkedExample);
        QTest::mouseClick(tool->cmdScatchard, Qt::LeftButton);
        QCOMPARE(StatusText::current(), QString());
        const QString kd = tool->lblOutputKd->text();
        fit(kWorkedExample);
        QVERIFY(!modelDashes().isEmpty());

        // Typed into a cell.
        clickCell(*tool->flgInputScatchard, 2, 2);
        QTest::keyClick(tool->flgInputScatchard, '4');
        QTest::keyClicks(tool->txtEdit, "2");
        QTest::keyClick(tool->txtEdit, Qt::Key_Down);
        QTRY_COMPARE(tool->flgInputScatchard->TextMatrix(2, 2), QStringLiteral("42"));
        QCOMPARE(panel->lblOutputFitKd->text(), QString());
        QCOMPARE(panel->lblOutputScatchardKd->text(), QString());
        QVERIFY(panel->lblFitNote->text().contains("changed"));
        QVERIFY(program.picture().displayList().items().empty());
        QCOMPARE(tool->lblOutputKd->text(), kd);
        QVERIFY(StatusText::current().contains("changed after Analyze data"));

        // Pasted (as Open Data fills the grid too), after the saturation graph.
        fit(kWorkedExample, panel->cmdSaturationGraph);
        QVERIFY(!program.picture().displayList().items().empty());
        GridClipboard::fillCells(*tool->flgInputScatchard, 1, 1, {{"5", "0.5"}});
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

VORNISH_TEST(FitWindowTest)

#include "tst_fit_window.moc"
