#include "TestMain.h"

#include "graphing/AxisRounding.h"
#include "graphing/DisplayList.h"
#include "graphing/DrawAxes.h"
#include "graphing/GraphHost.h"
#include "graphing/GraphState.h"
#include "graphing/PlotEngine.h"
#include "graphing/PlotGeometry.h"
#include "graphing/PlotPoint.h"
#include "graphing/TickScale.h"
#include "graphing/UnitTables.h"
#include "platform/RuntimeFault.h"
#include "session/Session.h"

#include "DisplayTexts.h"
#include "ScriptedMessages.h"

#include <QFontMetricsF>
#include <QTest>

using namespace modPlot_Graph;

namespace {

struct Label
{
    QString text;
    QPointF at;
};

QList<Label> labels(const DisplayList &list)
{
    QList<Label> found;
    for (const DisplayItem &item : list.items())
        if (item.kind == DisplayItem::Text)
            found.append({list.textOf(item), QPointF(item.x1, item.y1)});
    return found;
}

int faultNumber(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeFault &fault) {
        return fault.number();
    }
    return 0;
}

// Draws axes on a fresh list; Y from 0 to 8 unless given.
void drawAxes(DisplayList &list, double xMin, double xMax, double xTick, double yMin = 0, double yMax = 8,
              double yTick = 1, bool decades = false)
{
    DrawAxes(list, ScreenLeft, PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, xTick, yTick, decades);
}

// The graph picture of these tests: a plain list.
struct PictureSurface
{
    DisplayList list;
    PictureSurface() { SetGraphSurface(&list); }
    ~PictureSurface() { SetGraphSurface(nullptr); }
};

// The windows around the engine, reduced to what it asks of them.
struct RecordingHost : GraphHost
{
    QStringList calls;
    RecordingHost() { modPlot_Graph::SetGraphHost(this); }
    ~RecordingHost() override { modPlot_Graph::SetGraphHost(nullptr); }
    void clearPicture(bool pastedToo) override { calls << (pastedToo ? "clear with paste" : "clear"); }
    void showGraph() override { calls << "show"; }
    void showAxisTitles(const modPlot_Graph::AxisTitles &titles) override { calls << titles.x + " | " + titles.y; }
    void restoreDefaultPreferences() override { calls << "defaults"; }
    TitleBox xAxisTitle() const override { return {}; }
    TitleBox yAxisTitle() const override { return {}; }
};

} // namespace

class PlotEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void axisRounding_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("up");
        QTest::addColumn<double>("down");
        QTest::newRow("2345") << 2345.0 << 2400.0 << 2300.0;
        QTest::newRow("2400 is a multiple") << 2400.0 << 2400.0 << 2400.0;
        QTest::newRow("1000 is a boundary") << 1000.0 << 1000.0 << 1000.0;
        QTest::newRow("12345 is beyond the bands") << 12345.0 << 12345.0 << 12345.0;
        QTest::newRow("345.6") << 345.6 << 350.0 << 340.0;
        QTest::newRow("7.2984") << 7.2984 << 8.0 << 7.0;
        QTest::newRow("0.7 stays") << 0.7 << 0.7 << 0.7;
        QTest::newRow("0.0345") << 0.0345 << 0.04 << 0.03;
        QTest::newRow("0.00012") << 0.00012 << 0.0002 << 0.0001;
        QTest::newRow("0.00005 is beyond the bands") << 0.00005 << 0.00005 << 0.00005;
        QTest::newRow("-2345") << -2345.0 << -2300.0 << -2400.0;
        QTest::newRow("-0.0345") << -0.0345 << -0.03 << -0.04;
        QTest::newRow("0") << 0.0 << 0.0 << 0.0;
    }

    void axisRounding()
    {
        QFETCH(double, value);
        QFETCH(double, up);
        QFETCH(double, down);
        double v = value;
        RoundUpAxisMaximum(v);
        QCOMPARE(v, up);
        v = value;
        RoundDownAxisMinimum(v);
        QCOMPARE(v, down);
    }

    void tickDistances()
    {
        double tick = -1;
        ComputeTickDistance("x", 0, 80, tick);
        QCOMPARE(tick, 10.0);
        ComputeTickDistance("x", 0, 0.5, tick); // 6 divisions give 0.0833, whose class asks for 5
        QCOMPARE(tick, 0.1);
        ComputeTickDistance("y", 0, 0.5, tick); // 0.5 / 8 would label 0.1875 "0.188": a round step
        QCOMPARE(tick, 0.1);
        ComputeTickDistance("x", 0, 80, tick, "2.5 and letters");
        QCOMPARE(tick, 2.5);
        ComputeTickDistance("y", 0, 80, tick, "letters first");
        QCOMPARE(tick, 0.0);
        tick = 7;
        ComputeTickDistance("z", 0, 80, tick);
        QCOMPARE(tick, 7.0);

        ComputeTickDistance("x", -9, -3, tick); // 0.75 has class 5: 6 divisions
        QCOMPARE(tick, 1.0);
        QCOMPARE(DecadeTickDistance(0.5), 1.0);
        QCOMPARE(DecadeTickDistance(2.5), 3.0);
        QCOMPARE(DecadeTickDistance(-2), 2.0);
    }

    // 0 to 80 by 10 on both axes; a Y label of 0 after a negative minimum
    // keeps the format of the tick before it; a large narrow range keeps
    // the format of its width, never scientific.
    void tickLabelFormats()
    {
        DisplayList list;
        drawAxes(list, 0, 80, 10, 0, 80, 10);
        const QString tens = "0 10 20 30 40 50 60 70 80";
        QCOMPARE(displayTexts(list).join(' '), tens + ' ' + tens);
        QCOMPARE(list.penPosition(), QPointF(5700, 4000)); // the pen rests one tick beyond the last

        list.clear();
        drawAxes(list, -0.3, 0.3, 0.1, -0.3, 0.3, 0.1);
        QCOMPARE(displayTexts(list).join(' '), QString("-0.3 -0.2 -0.1 0.0 0.1 0.2 0.3 -0.3 -0.2 -0.1 0 0.1 0.2 0.3"));

        list.clear();
        drawAxes(list, 0, 8, 1, 60000, 60050, 50.0 / 8);
        QCOMPARE(displayTexts(list).first(), QString("60000")); // "###0", the format of the range 50
        QVERIFY(!displayTexts(list).join(' ').contains('E'));
    }

    void decadeLabelsStandRaised()
    {
        DisplayList list;
        list.setFont("Arial", 9, false);
        drawAxes(list, -9, -3, 1, 0, 8, 1, true);
        const QList<Label> all = labels(list).mid(9);
        QCOMPARE(all.size(), 14);
        QCOMPARE(all[0].text, QString("10"));
        QCOMPARE(all[0].at, QPointF(2100 - 40 - 100, 4300));
        QCOMPARE(all[1].text, QString("-9"));
        QCOMPARE(all[1].at.y(), 4200.0);
        QCOMPARE(all[1].at.x(), 1960 + list.textWidth("10"));
        QCOMPARE(all[13].text, QString("-3"));
    }

    void crowdedLabelsStayReadable()
    {
        // Totals of 5000 tick every 625; scientific Y labels are wider than their place.
        for (const double left : {ScreenLeft, PrinterLeft}) {
            DisplayList list;
            list.setFont("Arial", 9, false);
            double xMax = 5000;
            DrawAxes(list, left, PlotWidth, PlotHeight, 0, xMax, -2.5e-5, 0, 625, 2.5e-5 / 8, false);
            QList<QRectF> boxes;
            QList<QLineF> lines;
            for (const DisplayItem &item : list.items()) {
                if (item.kind == DisplayItem::Line)
                    lines << QLineF(item.x1, item.y1, item.x2, item.y2);
                if (item.kind != DisplayItem::Text)
                    continue;
                const QFontMetricsF metrics(DisplayList::twipsFont(list.fontOf(item)));
                boxes << QRectF(item.x1, item.y1, metrics.horizontalAdvance(list.textOf(item)), metrics.height());
            }
            QCOMPARE(lines.size(), 2 + 9 + 9); // every tick keeps its mark
            for (int i = 0; i < boxes.size(); ++i) {
                for (int j = i + 1; j < boxes.size(); ++j)
                    QVERIFY(!boxes[i].intersects(boxes[j]));
                for (const QLineF &line : lines) { // axes and ticks are straight up or across
                    const bool across = line.dy() == 0;
                    const QRectF stroke = QRectF(line.p1(), line.p2())
                                              .normalized()
                                              .adjusted(across ? 0 : -0.5, across ? -0.5 : 0, across ? 0 : 0.5,
                                                        across ? 0.5 : 0);
                    QVERIFY(!boxes[i].intersects(stroke));
                }
            }
            QCOMPARE(displayTexts(list).mid(displayTexts(list).size() - 5),
                     QString("0 1250 2500 3750 5000").split(' '));
        }
    }

    void axisFaults()
    {
        DisplayList list;
        QCOMPARE(faultNumber([&] { drawAxes(list, 5, 5, 0); }), int(RuntimeFault::DivisionByZero));
        QVERIFY(!list.items().empty()); // the axis lines drawn before the fault stay
        QCOMPARE(faultNumber([&] { drawAxes(list, 5, 5, 1); }), int(RuntimeFault::DivisionByZero));
        QCOMPARE(faultNumber([&] { drawAxes(list, 0, 80, 10, 0, 8, 0); }), int(RuntimeFault::DivisionByZero));
        // A tick so small that the axis would need millions of labels.
        QCOMPARE(faultNumber([&] { drawAxes(list, 0, 80, 1e-6); }), int(RuntimeFault::Overflow));
        // A tick against the axis's direction: a negative count of ticks.
        QCOMPARE(faultNumber([&] { drawAxes(list, 0, 80, 10, 0, 8, -1e-300); }), int(RuntimeFault::Overflow));
        QCOMPARE(faultNumber([&] { drawAxes(list, 0, 80, -10); }), int(RuntimeFault::Overflow));
    }

    void coordinateOverflowIsAFault()
    {
        PictureSurface picture;
        QCOMPARE(faultNumber([] { PlotPoint(100, 0, 3200, 3200, 0, 10, 0, 10, PlotDot, 0); }),
                 int(RuntimeFault::Overflow)); // x lands at 34100 twips
        QCOMPARE(faultNumber([] { PlotPoint(0, 0, 3200, 3200, 0, 0, 0, 10, PlotDot, 0); }),
                 int(RuntimeFault::DivisionByZero));
        // A symbol whose corner would leave the coordinate range.
        const double edge = (32767 - 2100 - 20) / 3200.0;
        QCOMPARE(faultNumber([&] { PlotPoint(edge, 0, 3200, 3200, 0, 1, 0, 10, PlotClosedSquare, 0); }),
                 int(RuntimeFault::Overflow));
        QVERIFY(picture.list.items().empty());
    }

    void rescaledConcentrations()
    {
        using modVnPublic::RescaledConcentrationText;
        const float toMicro = float(1E-09 / 1E-06);
        const float toNano = float(1E-06 / 1E-09);
        QCOMPARE(RescaledConcentrationText("1000", toMicro), QString("1.0"));
        QCOMPARE(RescaledConcentrationText("1.0", toNano), QString("1000.0"));
        QCOMPARE(RescaledConcentrationText("7.298438", toMicro), QString("0.007298"));
        QCOMPARE(RescaledConcentrationText("", toMicro), QString());
        QCOMPARE(RescaledConcentrationText("abc", toMicro), QString("abc"));
        QCOMPARE(RescaledConcentrationText("1E308", toNano), QString("1E308"));
    }

    // A tool's plot from the session alone: the changed-settings question,
    // the graph source, a reversed manual range swapped and written back.
    void plotProtocolWithoutWindows()
    {
        using namespace modPlot_Graph;
        Session &session = Session::current();
        session.reset();
        PictureSurface picture;
        RecordingHost host;
        GraphPreferences prefs;
        prefs.xMin = "80";
        prefs.xMax = "0";
        session.setGraphPreferences(prefs);
        session.setSettingsChanged(true);

        resetMessages({Messages::Answer::Cancel});
        QVERIFY(!BeginToolGraph(EquilibriumTool));
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(session.graphSource(), NoTool);

        resetMessages({Messages::Answer::No});
        QVERIFY(BeginToolGraph(EquilibriumTool));
        QCOMPARE(session.graphSource(), EquilibriumTool);
        QCOMPARE(host.calls, QStringList{"defaults"});

        double xMin = 80, xMax = 0, yMin = 0, yMax = 80;
        SetUpGraph(xMin, xMax, yMin, yMax, EquilibriumTool);
        QCOMPARE(xMin, 0.0);
        QCOMPARE(xMax, 80.0);
        QCOMPARE(session.graphPreferences().xMin, QString("0"));
        QCOMPARE(session.graphPreferences().xMax, QString("80"));
        QCOMPARE(host.calls, (QStringList{"defaults", "clear", "show", "[Total A] (nM) | [A/B complex] (nM)"}));
        QCOMPARE(labels(picture.list).size(), 18); // the axes of 0 to 80 by 10, as drawn alone
    }
};

VORNISH_TEST(PlotEngineTest)

#include "tst_plot_engine.moc"
