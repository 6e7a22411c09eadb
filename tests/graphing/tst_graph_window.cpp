#include "DisplayTexts.h"
#include "RunningProgram.h"
#include "TestMain.h"

#include "equilibrium/frmVnTlAssistant.h"
#include "graphing/AxisTitleLabel.h"
#include "graphing/GraphPicture.h"
#include "graphing/GraphState.h"
#include "graphing/PlotEngine.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>

namespace {

RunningProgram program;

// The lines of the curve (black, after the axes and their ticks).
QList<QLineF> curveLines(const DisplayList &list)
{
    QList<QLineF> lines;
    bool axesDone = false;
    for (const DisplayItem &item : list.items()) {
        if (item.kind == DisplayItem::Point)
            axesDone = true;
        if (axesDone && item.kind == DisplayItem::Line && item.color == qRgb(0, 0, 0))
            lines << QLineF(item.x1, item.y1, item.x2, item.y2);
    }
    return lines;
}

int countOf(const DisplayList &list, DisplayItem::Kind kind)
{
    return int(std::count_if(list.items().begin(), list.items().end(),
                             [kind](const DisplayItem &item) { return item.kind == kind; }));
}

} // namespace

class GraphWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { program.start(); }

    void cleanup() { program.stop(); }

    void equilibriumGraphOfTheWorkedExample()
    {
        appWindows().vornishAssistant->showInFront();
        program.vornish("10", "10", "1");
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(program.vornish().txtAB->text(), QString("7.298438"));

        QVERIFY(program.graph().isVisible());
        QVERIFY(!appWindows().vornishAssistant->isVisible());
        QCOMPARE(Session::current().graphSource(), modPlot_Graph::EquilibriumTool);
        QCOMPARE(program.graph().lblX_axis->text(), QString("[Total A] (nM)"));
        QCOMPARE(program.graph().lblY_axis->text(), QString("[A/B complex] (nM)"));
        QVERIFY(StatusText::current().isEmpty());

        // 0 .. 10 on both axes: ticks of 1.25 (the labels' class 4 keeps 8 divisions).
        const DisplayList &list = program.picture().displayList();
        const QString labels = "0 1.25 2.5 3.75 5 6.25 7.5 8.75 10";
        QCOMPARE(displayTexts(list).join(' '), labels + ' ' + labels);
        // A dot, then 200 segments, each with its two light shadows.
        QCOMPARE(countOf(list, DisplayItem::Point), 5);
        // 0 plus 200 steps of 0.05 may pass 10 by rounding: the last point can drop out.
        const QList<QLineF> curve = curveLines(list);
        QVERIFY(curve.size() == 200 || curve.size() == 199);
        QCOMPARE(curve.first().p1(), QPointF(2100, 4000));
        const double last = curve.size() == 200 ? 10 : 9.95;
        QCOMPARE(curve.last().p2().x(), 2100 + last * 320);
        for (const QLineF &segment : curve)
            QVERIFY(segment.p2().y() <= segment.p1().y()); // [A/B] only grows with Total A
    }

    void logScaleSpansFourDecades()
    {
        program.options().optMicromolar->setChecked(true);
        program.options().optLog->setChecked(true);
        program.vornish("5", "5", "1");
        // The changed units ask first; Yes keeps them.
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(scriptedMessages().shown[0].title, QString("Warning"));
        QCOMPARE(scriptedMessages().shown[0].buttons, Messages::Buttons::YesNoCancel);

        // log10(5e-6) = -5.3 rounds up to -5; one decade above it, four below that.
        // After the Y labels 0 .. 5 by 1 (a round step: 1.875 would read "1.88").
        const QStringList labels = displayTexts(program.picture().displayList()).mid(6);
        QCOMPARE(labels.join(' '), QString("10 -8 10 -7 10 -6 10 -5 10 -4"));
        QCOMPARE(program.graph().lblX_axis->text(), QString("[Total A] (M)"));
        QCOMPARE(program.graph().lblY_axis->text(), QString("[A/B complex] (\u00B5M)"));
        QCOMPARE(curveLines(program.picture().displayList()).size(), 200);
    }

    void manualRangesAndLeftOutPoints()
    {
        frmOptions &options = program.options();
        options.txtX_max->setText("8 nM");
        options.txtY_min->setText("3");
        options.txtY_max->setText("5");
        options.chkDoNotRemind->setChecked(true);
        program.vornish("10", "10", "1");
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(options.txtX_max->text(), QString("8")); // rewritten as its number
        QCOMPARE(options.txtY_max->text(), QString("5"));

        const DisplayList &list = program.picture().displayList();
        QCOMPARE(displayTexts(list).last(), QString("8"));
        // Only points with 3/1.01 <= y <= 5/0.99 are drawn: the curve starts
        // with a dot inside the plot and stays inside it.
        QCOMPARE(countOf(list, DisplayItem::Point), 5);
        const QList<QLineF> curve = curveLines(list);
        QVERIFY(!curve.isEmpty());
        for (const QLineF &segment : curve) {
            QVERIFY(segment.x1() >= 2100 && segment.x2() <= 5300);
            QVERIFY(segment.y2() >= 800 - 0.06 * 1600 && segment.y2() <= 4000 + 0.03 * 1600);
        }
    }

    void equalManualLimitsEndInTheToolsMessage()
    {
        program.options().txtX_min->setText("5");
        program.options().txtX_max->setText("5");
        program.options().chkDoNotRemind->setChecked(true);
        program.vornish("10", "10", "1");
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(scriptedMessages().shown[0].text, QString("Enter numeric values."));
        QCOMPARE(scriptedMessages().shown[0].title, QString("Input is not valid"));
        QCOMPARE(program.vornish().txtAB->text(), QString("7.298438"));
        QVERIFY(StatusText::current().isEmpty());
        QVERIFY(!program.picture().displayList().items().empty()); // the axis lines drawn stay
    }

    void graphsOffDrawNothing()
    {
        program.options().chkToPlotOrNot->setChecked(false);
        program.vornish("10", "10", "1");
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(program.vornish().txtAB->text(), QString("7.298438"));
        QVERIFY(!program.graph().isVisible());
        QVERIFY(program.picture().displayList().items().empty());
        QCOMPARE(Session::current().graphSource(), modPlot_Graph::NoTool);
    }

    void changedSettingsQuestion()
    {
        frmOptions &options = program.options();
        options.optMicromolar->setChecked(true);
        resetMessages({Messages::Answer::Cancel});
        program.vornish("10", "10", "1");
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QVERIFY(program.picture().displayList().items().empty());
        QVERIFY(StatusText::current().isEmpty());
        QCOMPARE(program.vornish().txtA_tot->text(), QString("10.0"));

        // No restores the defaults: the unit returns to nM, converting the shown values.
        resetMessages({Messages::Answer::No});
        program.vornish().cmdVornish_Click();
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(Session::current().concentrationUnit(), QString("nM"));
        QCOMPARE(program.vornish().txtA_tot->text(), QString("1.00E+04"));
        QCOMPARE(program.graph().lblX_axis->text(), QString("[Total A] (nM)"));
        QCOMPARE(displayTexts(program.picture().displayList()).last(), QString("1.00E+04"));
        QCOMPARE(Session::current().settingsChanged(), false);

        resetMessages();
        program.vornish().cmdVornish_Click();
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    void superimposedCurvesAreToldApart()
    {
        frmOptions &options = program.options();
        options.chkClearPrevGraph->click(); // superimpose, before any graph: no question
        options.chkDoNotRemind->setChecked(true);
        program.vornish("10", "10", "1");
        program.vornish("10", "10", "5");
        program.vornish("10", "10", "25");
        QVERIFY(scriptedMessages().shown.isEmpty());

        // The legend: for each curve a sample in its colour, then what differs.
        const DisplayList &list = program.picture().displayList();
        QCOMPARE(legendEntries(list), QStringList({"Kd = 1 nM #000000", "Kd = 5 nM #e69f00", "Kd = 25 nM #56b4e9"}));
        // The later curves are drawn in their colours.
        const auto drawnIn = [&](QRgb colour) {
            return std::count_if(list.items().begin(), list.items().end(),
                                 [&](const DisplayItem &item) { return item.color == colour; });
        };
        QVERIFY(drawnIn(qRgb(230, 159, 0)) > 20);
        QVERIFY(drawnIn(qRgb(86, 180, 233)) > 20);

        // Black and white: the next curve is black, not bluish green; no legend when it is off.
        options.chkBlackAndWhite->setChecked(true);
        options.chkShowLegend->setChecked(false);
        program.vornish("10", "10", "125");
        QVERIFY(list.legendItems().empty());
        QCOMPARE(drawnIn(qRgb(0, 158, 115)), 0);
        // Both switches are kept for the next start, beside the earlier ones.
        QCOMPARE(SettingsStore::readShort("Vornish", "Settings", "BlackAndWhite", 0), short(1));
        QCOMPARE(SettingsStore::readShort("Vornish", "Settings", "ShowLegend", 1), short(0));
    }

    void maximisedGraphFillsItsWindow()
    {
        program.vornish("10", "10", "1");
        frmGraph &graph = program.graph();
        GraphPicture &picture = program.picture();
        QCOMPARE(picture.viewScale(), 1.0);
        const QRect titleAtFirst = graph.lblX_axis->geometry();
        const size_t items = picture.displayList().items().size();

        program.main->resize(1200, 900); // a main window with room to spare
        graph.showMaximized();
        QTRY_VERIFY(picture.viewScale() > 1.5);
        QVERIFY(graph.isVisible() && graph.lblX_axis->isVisible());
        // The same drawing, larger: the X axis ends further right, the title moved with it.
        QCOMPARE(picture.displayList().items().size(), items);
        const QImage shown = picture.grab().toImage();
        const QRect axisEnd = picture.toPixels(5300 - 30, 4000, 0, 0);
        int darkest = 255; // the axis line, a pixel wide, within two of where it belongs
        for (int dy = -2; dy <= 2; ++dy)
            darkest = std::min(darkest, QColor(shown.pixel(axisEnd.topLeft() + QPoint(0, dy))).value());
        QVERIFY(darkest < 128);
        QVERIFY(axisEnd.x() > Twips::toPixelsX(5300) * 1.2);
        QVERIFY(graph.lblX_axis->geometry().left() > titleAtFirst.left() * 1.2);
        QCOMPARE(graph.lblX_axis->twipsLeft(), 2880.0); // its place on the graph is the same

        graph.showNormal();
        QTRY_COMPARE(picture.viewScale(), 1.0);
    }

    void yTitleStandsClearOfWideLabels()
    {
        frmOptions &options = program.options();
        options.txtY_min->setText("-0.000025");
        options.txtY_max->setText("0");
        options.chkDoNotRemind->setChecked(true);
        program.vornish("10", "10", "1");
        const DisplayList &list = program.picture().displayList();
        double labelsLeft = 1e9;
        for (const DisplayItem &item : list.items())
            if (item.kind == DisplayItem::Text && item.y1 < 4000 - 150) // a Y label
                labelsLeft = std::min(labelsLeft, double(item.x1));
        const AxisTitleLabel &title = *program.graph().lblY_axis;
        QVERIFY(title.isVisible());
        QVERIFY2(title.twipsLeft() + title.twipsWidth() < labelsLeft,
                 qPrintable(QString("title ends at %1, labels begin at %2")
                                .arg(title.twipsLeft() + title.twipsWidth())
                                .arg(labelsLeft)));
        // Its text still fits its box.
        QVERIFY(title.heightForWidth(title.width()) <= title.height());
    }

    void titlesDragAndResize()
    {
        frmGraph &graph = program.graph();
        AxisTitleLabel *x = graph.lblX_axis;
        AxisTitleLabel *y = graph.lblY_axis;
        QCOMPARE(QRectF(x->twipsLeft(), x->twipsTop(), x->twipsWidth(), x->twipsHeight()),
                 QRectF(2880, 4680, 1875, 375));

        // 5 twips from the right edge: resize; the middle: drag.
        graph.lblX_axis_MouseDown(Qt::LeftButton, {}, 1870, 100);
        QVERIFY(x->inResizeMode());
        QVERIFY(!graph.dragSource());
        graph.lblX_axis_MouseMove(Qt::LeftButton, {}, 2500, 100);
        QCOMPARE(x->mousePointer(), int(AxisTitleLabel::PointerSizeWE));
        QCOMPARE(x->twipsWidth(), 2500.0);
        graph.lblX_axis_MouseUp(Qt::LeftButton, {}, 2600, 100);
        QVERIFY(!x->inResizeMode());
        QCOMPARE(x->twipsWidth(), 2600.0);

        graph.lblY_axis_MouseDown(Qt::LeftButton, {}, 500, 300);
        QCOMPARE(graph.dragSource(), y);
        graph.PicGraph_DragDrop(y, -100, 6000); // partly outside the picture: it stays there
        QCOMPARE(QPointF(y->twipsLeft(), y->twipsTop()), QPointF(-600, 5700));

        // The bottom-right corner dragged up and left past the top-left corner.
        y->setTwipsGeometry(120, 1680, 1185, 720);
        graph.lblY_axis_MouseDown(Qt::LeftButton, {}, 1180, 715);
        graph.lblY_axis_MouseMove(Qt::LeftButton, {}, 1180, 715);
        QCOMPARE(y->mousePointer(), int(AxisTitleLabel::PointerSizeNWSE));
        graph.PicGraph_MouseMove(Qt::LeftButton, {}, 20, 1280);
        QCOMPARE(QSizeF(y->twipsWidth(), y->twipsHeight()), QSizeF(100, 400));
        graph.PicGraph_MouseUp(Qt::LeftButton, {}, 0, 1000);
        QVERIFY(!y->inResizeMode());
        QCOMPARE(QSizeF(y->twipsWidth(), y->twipsHeight()), QSizeF(120, 680));
        QVERIFY(!appWindows().options->isVisible()); // that release ended a resize only

        // A real drag with the mouse: the grabbed point stays under the pointer.
        x->setTwipsGeometry(2880, 4680, 1875, 375);
        const QPoint grab(x->width() / 2, x->height() / 2);
        QTest::mousePress(x, Qt::LeftButton, {}, grab);
        QTest::mouseMove(x, grab + QPoint(-60, -120));
        QTest::mouseRelease(x, Qt::LeftButton, {}, grab + QPoint(-60, -120));
        QCOMPARE(x->pos(), QPoint(Twips::toPixelsX(2880), Twips::toPixelsY(4680)) + QPoint(-60, -120));
    }

    void clicksOnTheGraph()
    {
        program.graph().showInFront();
        QTest::mouseClick(&program.picture(), Qt::RightButton, {}, QPoint(20, 20));
        QVERIFY(program.main->mnuGraph->isVisible());
        program.main->mnuGraph->hide();
        QVERIFY(!program.options().isVisible());

        QTest::mouseClick(&program.picture(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(program.options().isVisible());
        QCOMPARE(program.options().SSTab1->currentIndex(), int(frmOptions::TabAxis));
    }

    void copyPutsTheGraphOnTheClipboard()
    {
        program.vornish("10", "10", "1");
        QApplication::setActiveWindow(program.main.get());
        program.graph().showInFront();
        program.picture().setFocus();
        QCOMPARE(QApplication::focusWidget(), &program.picture());
        program.main->action("mnuGraphCopy")->trigger();
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), program.picture().size());

        // A pasted picture goes with the next graph.
        program.picture().setPicture(copied);
        QCOMPARE(Session::current().graphPicturePasted(), true);
        program.vornish().cmdVornish_Click();
        QVERIFY(!program.picture().hasPastedPicture());
        QCOMPARE(Session::current().graphPicturePasted(), false);
    }
};

VORNISH_TEST(GraphWindowTest)

#include "tst_graph_window.moc"
