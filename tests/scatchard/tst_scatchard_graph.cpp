#include "ScatchardTesting.h"

#include "graphing/DisplayList.h"

#include "graphing/AxisTitleLabel.h"
#include "graphing/GraphPicture.h"
#include "graphing/PlotEngine.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "graphing/Units.h"
#include "platform/EditableGrid.h"
#include "scatchard/frmScatchTlAssistant.h"
#include "scatchard/frmScatchard.h"
#include "shell/AppWindows.h"
#include "shell/StatusText.h"
#include "shell/frmVn_Main.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <cmath>

namespace {

const QList<QStringList> kWorkedExample{{"1", "0.9"}, {"2", "0.8"}, {"3", "0.72"}, {"4", "0.6"}};

// Twips of a value on the axes X 1..4 and Y 0.6..1.0 of the worked example.
QPointF worked(double x, double y)
{
    return {std::round(2100 + (x - 1) * 3200 / 3), std::round(800 + 3200 - (y - 0.6) * 3200 / 0.4)};
}

} // namespace

class ScatchardGraphTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<frmVn_Main> main;
    frmScatchard *tool = nullptr;
    frmOptions *options = nullptr;

    void analyze(const QList<QStringList> &rows)
    {
        fillGrid(*tool->flgInputScatchard, rows);
        tool->cmdScatchard->click();
    }

    QList<QPointF> symbolCentres(DisplayItem::Kind kind) const
    {
        QList<QPointF> centres;
        for (const DisplayItem &item : appWindows().graph->PicGraph->displayList().items()) {
            if (item.kind == kind && kind == DisplayItem::Box)
                centres << QPointF((item.x1 + item.x2) / 2, (item.y1 + item.y2) / 2);
            else if (item.kind == kind && kind == DisplayItem::Circle)
                centres << QPointF(item.x1, item.y1);
        }
        return centres;
    }

    // A black line between the two points, as the fitted line is drawn.
    bool hasLine(QPointF from, QPointF to) const
    {
        for (const DisplayItem &item : appWindows().graph->PicGraph->displayList().items())
            if (item.kind == DisplayItem::Line && QPointF(item.x1, item.y1) == from && QPointF(item.x2, item.y2) == to
                && item.color == qRgb(0, 0, 0))
                return true;
        return false;
    }

private slots:
    void init()
    {
        TestFixture::resetFolders();
        resetMessages();
        main = std::make_unique<frmVn_Main>();
        main->ShowAfterSplash();
        main->mnuScatchard_Click();
        tool = appWindows().scatchard;
        options = appWindows().options;
    }

    void cleanup()
    {
        main.reset();
        modVnPublic::ConcentrationUnit = QStringLiteral("nM");
        modVnPublic::ConcentrationFactor = 1E-09;
    }

    void lineAndPointsOfTheWorkedExample()
    {
        frmScatchTlAssistant *assistant = appWindows().scatchardAssistant;
        tool->cmdScatchardAssistant->click();
        QVERIFY(assistant->isVisible());
        analyze(kWorkedExample);
        QVERIFY(scriptedMessages().shown.isEmpty());
        GraphPicture *picture = appWindows().graph->PicGraph;
        QCOMPARE(picture->tag(), QStringLiteral("2"));
        QVERIFY(appWindows().graph->isVisible());
        QCOMPARE(appWindows().graph->lblX_axis->text(), QStringLiteral("[Bound] (nM)"));
        QCOMPARE(StatusText::current(), QString());
        QVERIFY(!assistant->isVisible());

        // Open squares on the four points.
        QCOMPARE(symbolCentres(DisplayItem::Box),
                 (QList<QPointF>{worked(1, 0.9), worked(2, 0.8), worked(3, 0.72), worked(4, 0.6)}));
        // The fitted line from X min to X max.
        QVERIFY(hasLine(worked(1, 0.902), worked(4, 0.608)));
    }

    void symbolAxisOverridesAndApply()
    {
        options->optClosedCircle->setChecked(true);
        options->chkDoNotRemind->setChecked(true);
        analyze(kWorkedExample);
        QCOMPARE(symbolCentres(DisplayItem::Circle).size(), 4);
        QVERIFY(symbolCentres(DisplayItem::Box).isEmpty());

        // An X minimum above some Bound values hides those points; the line
        // is still the fit of all four rows.
        options->txtX_min->setText(QStringLiteral("2.5"));
        analyze(kWorkedExample);
        QCOMPARE(symbolCentres(DisplayItem::Circle).size(), 2);
        QCOMPARE(tool->lblOutputSlope->text(), QStringLiteral("-0.098"));

        // Reversed manual X limits: the line still runs over the whole axis.
        options->txtX_min->setText(QStringLiteral("4"));
        options->txtX_max->setText(QStringLiteral("1"));
        analyze(kWorkedExample);
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(symbolCentres(DisplayItem::Circle).size(), 4);
        QVERIFY(hasLine(worked(1, 0.902), worked(4, 0.608)));

        // Apply in the Options window runs the analysis again.
        options->txtX_min->clear();
        options->txtX_max->clear();
        tool->flgInputScatchard->setTextMatrix(5, 1, QStringLiteral("5"));
        tool->flgInputScatchard->setTextMatrix(5, 2, QStringLiteral("0.5"));
        options->cmdApply->click();
        QCOMPARE(tool->lblOutputdf->text(), QStringLiteral("3"));
        QCOMPARE(symbolCentres(DisplayItem::Circle).size(), 5);
    }

    void graphsOffOrCancelledDrawNothing()
    {
        frmScatchTlAssistant *assistant = appWindows().scatchardAssistant;
        tool->cmdScatchardAssistant->click();
        options->chkToPlotOrNot->setChecked(false);
        analyze(kWorkedExample);
        QCOMPARE(tool->lblOutputKd->text(), QStringLiteral("10.2041 nM"));
        QCOMPARE(appWindows().graph->PicGraph->tag(), QStringLiteral("0"));
        QVERIFY(!appWindows().graph->isVisible());
        QCOMPARE(StatusText::current(), QString());
        QVERIFY(assistant->isVisible());

        options->chkToPlotOrNot->setChecked(true);
        QCOMPARE(options->settingsChanged(), QStringLiteral("1"));
        resetMessages({Messages::Answer::Cancel});
        analyze(kWorkedExample);
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(scriptedMessages().shown.first().buttons, Messages::Buttons::YesNoCancel);
        QCOMPARE(appWindows().graph->PicGraph->tag(), QStringLiteral("0"));
        QCOMPARE(StatusText::current(), QString());

        // No restores the defaults and plots.
        resetMessages({Messages::Answer::No});
        analyze(kWorkedExample);
        QCOMPARE(appWindows().graph->PicGraph->tag(), QStringLiteral("2"));
        QCOMPARE(options->settingsChanged(), QStringLiteral("0"));
    }

    void optionsButtonAndActivation()
    {
        tool->cmdOptions->click();
        QVERIFY(options->isVisible());
        QCOMPARE(options->SSTab1->currentIndex(), int(frmOptions::TabScatchard));

        options->optLog->setChecked(true);
        QVERIFY(options->lblX_ScaleTitles->text().startsWith(QStringLiteral("Log(Min.)")));
        QVERIFY(!options->txtX_min->toolTip().isEmpty());
        main->mdiArea->setActiveSubWindow(tool);
        QCOMPARE(options->lblX_ScaleTitles->text(),
                 QStringLiteral("Low (Min.)") + QString(31, ' ') + QStringLiteral("High (Max.)") + QString(25, ' ')
                     + QStringLiteral("Tick distance"));
        QVERIFY(options->txtX_min->toolTip().isEmpty());
        QVERIFY(options->txtX_Tick->toolTip().isEmpty());
    }

    void unitChangesRescaleBoundOnly()
    {
        EditableGrid *grid = tool->flgInputScatchard;
        analyze({{"1000", "0.9"}, {"2000", "0.8"}, {"abc", "0.7"}, {"", ""}, {"5000", "0.5"}});
        const QString kd = tool->lblOutputKd->text();
        options->optMicromolar->click();
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("1.0"));
        QCOMPARE(grid->TextMatrix(2, 1), QStringLiteral("2.0"));
        QCOMPARE(grid->TextMatrix(3, 1), QStringLiteral("abc"));
        QCOMPARE(grid->TextMatrix(5, 1), QStringLiteral("5000"));
        QCOMPARE(grid->TextMatrix(1, 2), QStringLiteral("0.9"));
        QCOMPARE(tool->lblUnit->text(), QStringLiteral("(in \u00B5M )"));
        QCOMPARE(appWindows().scatchardAssistant->lblUnits->text(), QStringLiteral("\u00B5M (1E-06 Molar)"));
        QCOMPARE(tool->lblOutputKd->text(), kd);

        options->optNanomolar->click();
        QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("1000.0"));
        QCOMPARE(tool->lblUnit->text(), QStringLiteral("(in nM )"));
    }
};

int runScatchardGraphTests(int argc, char *argv[])
{
    ScatchardGraphTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scatchard_graph.moc"
