#include "TestMain.h"

#include "exchange/GraphDrawing.h"
#include "exchange/GraphFiles.h"
#include "graphing/CurveStyles.h"
#include "graphing/DisplayList.h"
#include "graphing/DrawAxes.h"
#include "graphing/GraphFigure.h"
#include "graphing/GraphState.h"
#include "graphing/PlotGeometry.h"
#include "graphing/SeriesPlot.h"
#include "graphing/TickScale.h"
#include "platform/NumberText.h"
#include "session/Session.h"

#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
#include <map>
#include <set>

using namespace modPlot_Graph;

namespace {

// A label and the value of the tick mark drawn just before it, read from
// the mark's position on the axis.
struct LabelledTick
{
    QString text;
    double value;
};

std::vector<LabelledTick> labelledTicks(const DisplayList &list, double xMin, double xMax, double yMin, double yMax)
{
    const double bottom = PlotTop + PlotHeight;
    std::vector<LabelledTick> found;
    double markValue = 0;
    for (const DisplayItem &item : list.items()) {
        if (item.kind == DisplayItem::Line && item.y1 == item.y2 && item.x1 == float(ScreenLeft) && item.x2 < item.x1)
            markValue = yMin + (bottom - item.y1) * (yMax - yMin) / PlotHeight; // a Y tick, to the left
        else if (item.kind == DisplayItem::Line && item.x1 == item.x2 && item.y1 == float(bottom) && item.y2 > bottom)
            markValue = xMin + (item.x1 - ScreenLeft) * (xMax - xMin) / PlotWidth; // an X tick, downward
        else if (item.kind == DisplayItem::Text)
            found.push_back({list.textOf(item), markValue});
    }
    return found;
}

// Draws the axes for the ranges with the ticks given (0: the automatic
// ones) and checks that every label shows its tick's value.
void checkLabelsShowTheirTicks(double min, double max, double xTick, double yTick)
{
    DisplayList list;
    double xMax = max;
    DrawAxes(list, ScreenLeft, PlotWidth, PlotHeight, min, xMax, min, max, xTick, yTick, false);
    const std::vector<LabelledTick> ticks = labelledTicks(list, min, xMax, min, max);
    QVERIFY(ticks.size() >= 2);
    for (const LabelledTick &tick : ticks) {
        const double shown = NumberText::leadingNumber(tick.text);
        if (std::fabs(shown - tick.value) > (max - min) * 1e-6)
            QFAIL(qPrintable(QString("%1 .. %2 by %3/%4: label %5 at a tick of %6")
                                 .arg(min)
                                 .arg(max)
                                 .arg(xTick)
                                 .arg(yTick)
                                 .arg(tick.text)
                                 .arg(tick.value, 0, 'g', 17)));
    }
}

struct PictureList
{
    DisplayList list;
    PictureList() { SetGraphSurface(&list); }
    ~PictureList() { SetGraphSurface(nullptr); }
};

} // namespace

class CurvesAndTicksTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Session::current().reset(); }

    void tickLabelsShowTheirTicks()
    {
        const std::pair<double, double> ranges[] = {{0, 135},       {0, 180},   {0, 0.35},      {-2.5e-5, 0},
                                                    {60000, 60050}, {0, 1},     {-3, 7},        {0.001, 0.0037},
                                                    {1000, 10000},  {0, 22.5},  {0.3, 1.7},     {0, 4e-6},
                                                    {-0.3, 0.3},    {2, 2.075}, {1e5, 1.875e5}, {0, 0.5}};
        for (const auto &[min, max] : ranges) {
            for (const int divisions : {3, 5, 6, 7, 8, 9, 12, 16})
                checkLabelsShowTheirTicks(min, max, (max - min) / divisions, (max - min) / divisions);
            double xTick = 0, yTick = 0;
            ComputeTickDistance("x", min, max, xTick);
            ComputeTickDistance("y", min, max, yTick);
            checkLabelsShowTheirTicks(min, max, xTick, yTick);
        }
    }

    void automaticTicksTakeRoundStepsWhereLabelsWouldRound()
    {
        double tick = 0;
        ComputeTickDistance("y", 0, 135, tick); // 16.875 would read "17"
        QCOMPARE(tick, 20.0);
        ComputeTickDistance("x", 0, 180, tick); // 22.5 would read "23"
        QCOMPARE(tick, 25.0);
        ComputeTickDistance("y", 0, 10, tick); // 1.25 reads as it is
        QCOMPARE(tick, 1.25);
        QCOMPARE(RoundTickStep(0.04375), 0.05);
        QCOMPARE(RoundTickStep(2.1), 2.5);
        QCOMPARE(RoundTickStep(1000), 1000.0);
        // A manual tick prints the digits it needs.
        QCOMPARE(TickLabelText(16.875, "###0", 16.875), QString("16.875"));
        QCOMPARE(TickLabelText(3.125e-6, "Scientific", 3.125e-6), QString("3.125E-06"));
    }

    void curvesAreToldApart()
    {
        std::set<QRgb> colours;
        std::set<LineDash> dashes;
        for (int i = 0; i < 6; ++i) {
            colours.insert(CurveStyleAt(i, false).color.rgb());
            dashes.insert(CurveStyleAt(i, true).dash);
            QCOMPARE(CurveStyleAt(i, true).color, QColor(Qt::black));
        }
        QCOMPARE(colours.size(), size_t(6));
        QCOMPARE(dashes.size(), size_t(6));
        QCOMPARE(CurveStyleAt(0, false).color, QColor(Qt::black));   // a lone curve stays black
        QCOMPARE(CurveStyleAt(1, false).color, QColor(230, 159, 0)); // Okabe-Ito orange

        // The legend names what differs, with the digits that tell it apart.
        const QString nM = "nM";
        QCOMPARE(LegendTexts({{{"Kd", 5, nM}, {"Total B", 10, nM}}, {{"Kd", 50, nM}, {"Total B", 10, nM}}}),
                 QStringList({"Kd = 5 nM", "Kd = 50 nM"}));
        QCOMPARE(LegendTexts({{{"Kd", 1.00001, nM}}, {{"Kd", 1.00002, nM}}, {{"Kd", 1.00001, nM}}}),
                 QStringList({"Kd = 1.00001 nM", "Kd = 1.00002 nM", "Kd = 1.00001 nM"}));
        QCOMPARE(LegendTexts({{{"Kd", 5, nM}, {"Total B", 10, nM}}, {{"Kd", 5, nM}, {"Total B", 20, nM}}}),
                 QStringList({"Total B = 10 nM", "Total B = 20 nM"}));
        QCOMPARE(LegendTexts({{{"Kd", 5, nM}, {"Total B", 10, nM}}}), QStringList({"Kd = 5 nM, Total B = 10 nM"}));
    }

    // A fit window's plot: its legend covers no point and no curve, whether
    // a corner is free (points rising to a plateau leave the bottom right)
    // or the data fill every corner (the Y axis then makes room above them).
    void aPlotsLegendLeavesTheDataInSight()
    {
        const auto approach = [](double rate, double top, int points) {
            PlotSeries series;
            series.legend = QStringLiteral("rate %1").arg(rate);
            for (int i = 0; i <= points; ++i) {
                series.x.push_back(i);
                series.y.push_back(top * (1 - std::exp(-rate * i)));
            }
            return series;
        };
        const auto verifyLegendFree = [](const SeriesPlot &plot) {
            DisplayList list;
            QVERIFY(DrawSeriesPlot(list, plot));
            QRectF box;
            for (const DisplayItem &item : list.legendItems())
                if (item.kind == DisplayItem::Box)
                    box = QRectF(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2)).normalized();
            QVERIFY(!box.isEmpty());
            for (const DisplayItem &item : list.items()) {
                if (item.kind == DisplayItem::Circle)
                    QVERIFY2(!box.contains(item.x1, item.y1), "a point under the legend");
                if (item.kind == DisplayItem::Line && item.color != qRgb(0, 0, 0) && item.color != qRgb(128, 128, 128))
                    for (double f = 0; f <= 1; f += 0.1)
                        QVERIFY2(!box.contains(item.x1 + f * (item.x2 - item.x1), item.y1 + f * (item.y2 - item.y1)),
                                 "a curve under the legend");
            }
        };
        SeriesPlot rising;
        for (double rate : {0.5, 0.2, 0.1}) {
            rising.series.push_back(approach(rate, 1, 30));
            rising.series.back().color = QColor(0, 114, 178);
        }
        verifyLegendFree(rising);

        // Curves at every level from corner to corner, and points on both sides.
        SeriesPlot full;
        full.plotHeight = 2000;
        for (double level : {0.0, 0.25, 0.5, 0.75, 1.0}) {
            PlotSeries flat;
            flat.kind = PlotSeries::Curve;
            flat.legend = QStringLiteral("level %1").arg(level);
            flat.color = QColor(213, 94, 0);
            flat.x = {0, 30};
            flat.y = {level, level};
            full.series.push_back(flat);
        }
        verifyLegendFree(full);
        SeriesPlot residuals = full;
        residuals.symmetricY = true;
        residuals.series.resize(2);
        residuals.series[0].y = {-1, -1};
        verifyLegendFree(residuals);
    }

    void legendOfTheSvgExportNamesEachCurveInItsColour()
    {
        // Three curves superimposed, as three runs of the Equilibrium Tool would draw them.
        PictureList picture;
        Session &session = Session::current();
        GraphPreferences prefs = session.graphPreferences();
        prefs.clearPrevGraph = 0;
        prefs.xMin = "0", prefs.xMax = "100", prefs.yMin = "0", prefs.yMax = "10";
        session.setGraphPreferences(prefs);
        const double kds[] = {5, 50, 500};
        for (const double kd : kds) {
            FigureCurve curve;
            curve.parameters = {{"Kd", kd, "nM"}, {"Total B", 10, "nM"}};
            for (int i = 0; i <= 50; ++i)
                curve.points.emplace_back(2.0 * i, 10 * 2.0 * i / (kd + 2.0 * i));
            GraphFigure figure{EquilibriumTool, 0, 100, 0, 10, {curve}};
            DrawFigure(figure);
        }

        GraphDrawing drawing;
        drawing.list = picture.list;
        drawing.twipsSize = QSizeF(5940, 5415);
        QXmlStreamReader svg(GraphFiles::svgData(drawing));
        // Each legend text follows its sample line; a group's stroke is its colour.
        std::map<QString, QString> legend; // text -> colour of the line before it
        std::map<QString, int> strokes;    // colour -> drawn elements
        QString stroke, lineStroke;
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (svg.name() == QLatin1String("g") && svg.attributes().hasAttribute("stroke"))
                stroke = svg.attributes().value("stroke").toString().toLower();
            else if (svg.name() == QLatin1String("polyline") || svg.name() == QLatin1String("path"))
                ++strokes[lineStroke = stroke];
            else if (svg.name() == QLatin1String("text"))
                legend[svg.readElementText()] = lineStroke;
        }
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        std::map<QString, QString> kdEntries;
        for (const auto &[text, colour] : legend)
            if (text.startsWith("Kd"))
                kdEntries[text] = colour;
        const std::map<QString, QString> expected = {{"Kd = 5 nM", "#000000"},
                                                     {"Kd = 50 nM", "#e69f00"},
                                                     {"Kd = 500 nM", "#56b4e9"}};
        QCOMPARE(kdEntries, expected);
        // The curves themselves are drawn in those colours.
        QVERIFY(strokes["#e69f00"] > 10);
        QVERIFY(strokes["#56b4e9"] > 10);

        // Legend off: no entry.
        prefs.showLegend = false;
        prefs.clearPrevGraph = 1;
        session.setGraphPreferences(prefs);
        GraphFigure figure{
            EquilibriumTool, 0, 100, 0, 10, {{{{0, 0}, {100, 5}}, "A", {}}, {{{0, 0}, {100, 9}}, "B", {}}}};
        DrawFigure(figure);
        QVERIFY(picture.list.legendItems().empty());
    }
};

VORNISH_TEST(CurvesAndTicksTest)

#include "tst_curves_and_ticks.moc"
