#include "TestFixture.h"

#include "dynamic/ResultsPlot.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/SimulationEngine.h"
#include "graphing/AxisRounding.h"
#include "graphing/GraphPicture.h"
#include "graphing/PlotEngine.h"
#include "graphing/Units.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "platform/RuntimeFault.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace modVornish;

namespace {

QList<ResultRecord> runIntoFile(double endTime)
{
    SimulationInput in;
    in.initialA = 4e-9;
    in.initialB = 2e-9;
    in.initialAB = 0.5e-9;
    in.kAss = 1e8;
    in.kDiss = 1e-2;
    in.endTime = endTime;
    in.recordingInterval = 3.0;
    in.precisionFactor = PrecisionFactor(1);
    ResetResultsDatabase(ResultsFilePath());
    QList<ResultRecord> samples;
    ResultsAppender appender(ResultsFilePath());
    RunSimulation(in, [&](const ResultRecord &r) {
        appender.AppendResultRecord(r);
        samples.append(r);
    });
    appender.finish();
    return samples;
}

const DisplayList &picture()
{
    return appWindows().graph->PicGraph->displayList();
}

// Where the curve's points were drawn: the dot's last point, then the end of
// each segment (a black line after its two light shadow lines).
QList<QPointF> curvePoints()
{
    QList<QPointF> points;
    const QRgb light = qRgb(204, 204, 204);
    const std::vector<DisplayItem> &items = picture().items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const DisplayItem &item = items[i];
        const bool lastOfDot = i + 1 == items.size() || items[i + 1].kind != DisplayItem::Point;
        if (item.kind == DisplayItem::Point && lastOfDot)
            points.append(QPointF(item.x1, item.y1));
        if (item.kind == DisplayItem::Line && item.color != light && i > 0 && items[i - 1].color == light)
            points.append(QPointF(item.x2, item.y2));
    }
    return points;
}

QPointF expectedAt(double x, double y, double xMin, double xMax, double yMin, double yMax)
{
    return QPointF(qRound(2100 + (x - xMin) * 3200 / (xMax - xMin)),
                   qRound(800 + 3200 - (y - yMin) * 3200 / (yMax - yMin)));
}

} // namespace

class ResultsPlotTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_main = new frmVn_Main();
    }

    void cleanupTestCase()
    {
        ReleaseResultsFile();
        delete m_main;
    }

    void init()
    {
        ReleaseResultsFile();
        TestFixture::resetFolders();
        resetMessages();
        appWindows().options->RestoreDefaults();
        appWindows().options->setSettingsChanged(QStringLiteral("0"));
        modVnPublic::TimeUnit = QStringLiteral("s");
        modVnPublic::TimeFactor = 1.0f;
        modVnPublic::ConcentrationFactor = 1e-9;
    }

    // [A/B] in nM against seconds: X from 0 to 10, the rows up to 10 s drawn
    // where their values fall on the rounded Y range. Values are scaled by
    // multiplying with 1 / the concentration factor.
    void theComplexIsDrawnAgainstTime()
    {
        const QList<ResultRecord> s = runIntoFile(10.0);
        PlotSimulationResults(10.0);
        QCOMPARE(modPlot_Graph::GraphSource(), QStringLiteral("3"));
        const double scale = 1 / 1e-9;
        double yMin = 1e300, yMax = -1e300;
        for (const ResultRecord &r : s) {
            yMin = std::min(yMin, r.AB * scale);
            yMax = std::max(yMax, r.AB * scale);
        }
        modPlot_Graph::RoundDownAxisMinimum(yMin);
        modPlot_Graph::RoundUpAxisMaximum(yMax);
        QList<QPointF> expected;
        for (int i = 0; i < 4; ++i) // 0, 3, 6, 9; 12 s lies beyond the axis
            expected.append(expectedAt(s[i].time, s[i].AB * scale, 0, 10, yMin, yMax));
        QCOMPARE(curvePoints(), expected);
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    // A rate in nM per minute, and a manual X maximum rewritten as read.
    void theChosenRateIsScaledToTheShownUnits()
    {
        modVnPublic::TimeUnit = QStringLiteral("min.");
        modVnPublic::TimeFactor = 60.0f;
        const QList<ResultRecord> s = runIntoFile(600.0);
        appWindows().options->optDyn_YdAdt->setChecked(true);
        appWindows().options->txtX_max->setText(QStringLiteral("6 min"));
        appWindows().options->setSettingsChanged(QStringLiteral("0"));
        PlotSimulationResults(600.0);
        QCOMPARE(appWindows().options->txtX_max->text(), QStringLiteral("6"));

        const double scale = 60.0 / 1e-9;
        double yMin = 1e300, yMax = -1e300;
        for (const ResultRecord &r : s) {
            yMin = std::min(yMin, r.rA * scale);
            yMax = std::max(yMax, r.rA * scale);
        }
        modPlot_Graph::RoundDownAxisMinimum(yMin);
        modPlot_Graph::RoundUpAxisMaximum(yMax);
        const QList<QPointF> drawn = curvePoints();
        QCOMPARE(drawn.size(), 121); // every 3 s up to 6 minutes
        QCOMPARE(drawn.last(), expectedAt(360.0 / 60, s[120].rA * scale, 0, 6, yMin, yMax));
        QCOMPARE(drawn[1], expectedAt(3.0 / 60, s[1].rA * scale, 0, 6, yMin, yMax));
    }

    void storedResultsArePlottedOverTheirTimes()
    {
        runIntoFile(10.0);
        appWindows().graph->PicGraph->clear();
        PlotStoredResults();
        const QList<QPointF> drawn = curvePoints();
        QCOMPARE(drawn.size(), 5); // 0 … 12 s on an axis to RoundUp(12) = 12
        QCOMPARE(drawn.last().x(), 2100.0 + 3200);
    }

    // A run whose values do not change, or of end time 0, has a one-value
    // range; the graph opens it instead of dividing by zero.
    void aRangeOfOneValueIsOpened()
    {
        modVnPublic::ConcentrationFactor = 1; // shown in M: the value stays exactly 5
        SimulationInput in;
        in.initialA = 5;
        in.endTime = 0.0;
        ResetResultsDatabase(ResultsFilePath());
        {
            ResultsAppender appender(ResultsFilePath());
            RunSimulation(in, [&](const ResultRecord &r) { appender.AppendResultRecord(r); });
            appender.finish();
        }
        appWindows().options->optDyn_YA->setChecked(true);
        appWindows().options->setSettingsChanged(QStringLiteral("0"));
        PlotSimulationResults(0.0);
        QCOMPARE(curvePoints(), (QList<QPointF>{expectedAt(0, 5, 0, 1, 0, 10)}));
    }

    void anEmptyOrMissingFileDrawsNothing()
    {
        ResetResultsDatabase(ResultsFilePath());
        appWindows().graph->PicGraph->clear();
        PlotStoredResults();
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(scriptedMessages().shown[0].text,
                 QStringLiteral("A graph can not be plotted as the results file is empty"));
        QCOMPARE(scriptedMessages().shown[0].title, QStringLiteral("Database error"));
        QVERIFY(picture().items().empty());

        ReleaseResultsFile();
        QFile::remove(ResultsFilePath());
        try {
            PlotStoredResults();
            QFAIL("a missing file plotted");
        } catch (const RuntimeFault &f) {
            QCOMPARE(f.number(), 53);
        }
        QVERIFY(picture().items().empty());
    }

private:
    frmVn_Main *m_main = nullptr;
};

VORNISH_TEST_MAIN(ResultsPlotTest)
#include "tst_results_plot.moc"
