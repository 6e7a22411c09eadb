#include "RunningProgram.h"
#include "TestMain.h"
#include "TextFit.h"

#include "competition/CompetitionFitPage.h"
#include "competition/frmCompetition.h"
#include "dynamic/UpdateAssistantGuidance.h"
#include "dynamic/frmDynVornish.h"
#include "dynamic/frmDynamVnTlAssistant.h"
#include "dynamic/frmKinetics.h"
#include "dynamic/frm_dbResults_DynamVn.h"
#include "equilibrium/CombinationChart.h"
#include "equilibrium/frmVnTlAssistant.h"
#include "fitting/FitDataTable.h"
#include "kineticsfit/frmKineticsFit.h"
#include "planning/frmAssayPlanner.h"
#include "platform/Twips.h"
#include "printing/frmPrintOptions.h"
#include "scatchard/SaturationFitPanel.h"
#include "scatchard/ScatchardInput.h"
#include "scatchard/frmSaturation.h"
#include "scatchard/frmScatchTlAssistant.h"
#include "scatchard/frmScatchard.h"
#include "session/Session.h"
#include "shell/frmStartMenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QTabWidget>

#include <cmath>

namespace {

// The controls the user sees in a window, in the window's coordinates.
QList<QPair<QWidget *, QRect>> shownControls(QMdiSubWindow *window)
{
    QList<QPair<QWidget *, QRect>> controls;
    for (QWidget *control : window->widget()->findChildren<QWidget *>()) {
        const bool leaf = control->findChildren<QWidget *>().isEmpty() && !qobject_cast<QGroupBox *>(control);
        if (leaf && control->isVisible())
            // Less a pixel: labels designed a pixel into each other's margins are not drawn over each other.
            controls.append(
                {control, QRect(control->mapTo(window, QPoint(0, 0)), control->size()).adjusted(1, 1, -1, -1)});
    }
    return controls;
}

// The part of a control not cut off by its parents up to the main window's
// work area, in the control's coordinates.
QRect unclipped(QWidget *control, QWidget *workArea)
{
    QRect seen = control->rect();
    for (QWidget *w = control; w != workArea; w = w->parentWidget())
        seen = seen.translated(w->pos()) & w->parentWidget()->rect();
    return seen.translated(-control->mapTo(workArea, QPoint(0, 0)));
}

// Every wrapped text shown in the window can be read whole: what the topic
// or guidance says at this moment.
void verifyTextsFit(ChildWindow *window, const QString &when)
{
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->isVisible() && label->wordWrap())
            QVERIFY2(TextFit::labelProblem(label).isEmpty(),
                     qPrintable(when + ": " + TextFit::labelProblem(label) + " in " + window->objectName()));
}

} // namespace

// Windows as the user sees them: texts whole, controls apart.
class WindowFitTest : public QObject
{
    Q_OBJECT

    RunningProgram program;

private slots:
    void init() { program.start(); }
    void cleanup() { program.stop(); }

    void textsFitTheirWindows()
    {
        AppWindows &w = appWindows();
        for (ChildWindow *assistant :
             std::initializer_list<ChildWindow *>{w.vornishAssistant, w.scatchardAssistant, w.dynamicAssistant}) {
            assistant->showInFront();
            QVERIFY2(TextFit::captionProblem(assistant).isEmpty(), qPrintable(TextFit::captionProblem(assistant)));
        }

        w.scatchardAssistant->lblBoundAndBoundFree_Click();
        for (QLabel *topic : {w.scatchardAssistant->lblTitle, w.scatchardAssistant->lblText})
            QVERIFY2(TextFit::labelProblem(topic).isEmpty(), qPrintable(TextFit::labelProblem(topic)));

        // The heading keeps one line, with "Value (nM)" over the field column.
        frmVornish &tool = program.vornish();
        tool.showInFront();
        QLabel *heading = tool.lblInputHeading;
        QVERIFY2(TextFit::labelProblem(heading).isEmpty(), qPrintable(TextFit::labelProblem(heading)));
        const QString text = heading->text();
        const int valueAt = heading->mapTo(tool.Frame1, heading->contentsRect().topLeft()).x()
                            + heading->fontMetrics().horizontalAdvance(text.left(text.indexOf("Value")));
        QVERIFY(valueAt >= tool.txtA->mapTo(tool.Frame1, QPoint(0, 0)).x());
    }

    // At the default size of the main window, every child window shows its
    // buttons without scrolling the work area: the work area's scroll bars
    // would hide the top of every other window.
    void buttonsInSightAtTheDefaultSize()
    {
        AppWindows &w = appWindows();
        QMdiArea *area = program.main->mdiArea;
        QCOMPARE(program.main->size(), QSize(Twips::toPixelsX(11310), Twips::toPixelsY(7340)));
        const auto verifyButtons = [&](ChildWindow *window, const QString &when) {
            QVERIFY2(window->isVisible(), qPrintable(when));
            for (QAbstractButton *button : window->widget()->findChildren<QAbstractButton *>()) {
                if (!button->isVisible() || button->objectName().isEmpty())
                    continue;
                const QRect seen = unclipped(button, area->viewport());
                QVERIFY2(seen == button->rect(),
                         qPrintable(QStringLiteral("%1 out of sight in %2: %3 of %4 x %5 seen in a %6 x %7 work area, "
                                                   "window %8 x %9 at %10, %11")
                                        .arg(button->objectName(), when)
                                        .arg(seen.height())
                                        .arg(button->width())
                                        .arg(button->height())
                                        .arg(area->viewport()->width())
                                        .arg(area->viewport()->height())
                                        .arg(window->width())
                                        .arg(window->height())
                                        .arg(window->x())
                                        .arg(window->y())));
            }
        };
        const auto hideAll = [&] {
            for (QMdiSubWindow *other : area->subWindowList())
                other->hide();
        };
        for (ChildWindow *window : std::initializer_list<ChildWindow *>{w.startMenu, w.vornish, w.vornishAssistant,
                                                                        w.scatchard, w.scatchardAssistant, w.dynamic,
                                                                        w.dynamicAssistant, w.graph, w.print}) {
            hideAll();
            window->showInFront();
            verifyButtons(window, window->objectName());
        }
        hideAll();
        w.results->ShowResults();
        verifyButtons(w.results, "the results table");
        hideAll();
        w.kinetics->ShowSummary();
        verifyButtons(w.kinetics, "the Kinetics Summary");
        hideAll();
        w.planner->showInFront();
        verifyButtons(w.planner, "the Assay Planner");
        for (int tab = frmOptions::TabGeneral; tab <= frmOptions::TabScatchard; ++tab) {
            hideAll();
            w.options->ShowOnTab(tab);
            verifyButtons(w.options, "Options on tab " + QString::number(tab));
        }
        // The Kinetics Fit window with a fit, and with the competitive model's fields.
        hideAll();
        w.kineticsFit->ShowWindow();
        KineticsFit::Trace trace;
        trace.concentration = 10;
        for (int i = 0; i <= 20; ++i) {
            trace.time.push_back(i);
            trace.signal.push_back(1 - std::exp(-0.3 * i));
        }
        QVERIFY(w.kineticsFit->SetTraces({trace, trace}));
        w.kineticsFit->cmdFit->click();
        verifyButtons(w.kineticsFit, "the Kinetics Fit window with its fit");
        w.kineticsFit->cmbModel->setCurrentIndex(w.kineticsFit->cmbModel->count() - 1);
        verifyButtons(w.kineticsFit, "the Kinetics Fit window for competition");
        verifyTextsFit(w.kineticsFit, "competition");
        // The fit frame widens the Scatchard window.
        hideAll();
        w.scatchard->showInFront();
        w.scatchard->fitPanel->cmdFitCurve->click();
        verifyButtons(w.scatchard, "the Scatchard window with its fit");
        // The Saturation Binding window with triplicates fitted and compared: the verdict's lines
        // and the warnings wrap within the results.
        hideAll();
        w.saturation->showInFront();
        verifyButtons(w.saturation, "the empty Saturation Binding window");
        QList<QStringList> rows;
        for (int i = 0; i < 10; ++i) {
            const double x = 0.5 * (i + 1), y = 100 * x / (2 + x);
            rows << QStringList{QString::number(x), QString::number(y * 1.02), QString::number(y * 0.97),
                                QString::number(y * 1.01)};
        }
        w.saturation->flgBinding->enterCells(rows);
        w.saturation->cmbCompare->setCurrentIndex(w.saturation->cmbCompare->findText("Two sites"));
        w.saturation->cmdFit->click();
        QVERIFY(!w.saturation->verdict().isEmpty());
        verifyButtons(w.saturation, "the Saturation Binding window with its fits");
        verifyTextsFit(w.saturation, "the Saturation Binding window with its fits");
        // The Competition Tool on each of its pages, the fit's on each of its tabs.
        hideAll();
        program.main->mnuCompetition_Click();
        for (int page = 0; page < w.competition->tabCompetition->count(); ++page) {
            w.competition->tabCompetition->setCurrentIndex(page);
            verifyButtons(w.competition, "the Competition Tool on page " + QString::number(page));
        }
        for (int tab = 0; tab < w.competition->pageFit->tabFit->count(); ++tab) {
            w.competition->pageFit->tabFit->setCurrentIndex(tab);
            verifyButtons(w.competition, "the Competition Tool's fit on tab " + QString::number(tab));
        }
    }

    void everyAssistantTopicFits()
    {
        AppWindows &w = appWindows();
        // The Equilibrium Tool Assistant: its guidance for none to all six fields, above the chart it points to.
        frmVornish &tool = program.vornish();
        tool.showInFront();
        w.vornishAssistant->showInFront();
        const QList<QLineEdit *> fields = {tool.txtA, tool.txtA_tot, tool.txtB, tool.txtB_tot, tool.txtAB, tool.txtKd};
        for (QLineEdit *single : fields) {
            for (QLineEdit *field : fields)
                field->setText(field == single ? "1" : "");
            modVornish::UpdateInputGuidance();
            verifyTextsFit(w.vornishAssistant, single->objectName());
        }
        for (int filled = 0; filled <= fields.size(); ++filled) {
            for (int i = 0; i < fields.size(); ++i)
                fields[i]->setText(i < filled ? "1" : "");
            modVornish::UpdateInputGuidance();
            verifyTextsFit(w.vornishAssistant, QString::number(filled) + " fields");
        }
        for (QLineEdit *field : fields)
            field->clear();
        modVornish::UpdateInputGuidance();
        QVERIFY(w.vornishAssistant->lblInputSuggestion->text().contains("See below"));
        const auto *chart = static_cast<CombinationChart *>(w.vornishAssistant->Picture1);
        QVERIFY(w.vornishAssistant->fraVnToolHelp->geometry().bottom()
                < w.vornishAssistant->fraInputCombinations->geometry().top());
        for (int column = 0; column + 1 < 11; ++column) // "10" and "11" read apart
            QVERIFY(chart->numberRect(column).right() + 2 < chart->numberRect(column + 1).left());

        // The Scatchard Analysis Assistant: its requirements and its three topics, in two units.
        w.scatchardAssistant->showInFront();
        using Rows = QList<modStatistics::DataRowText>;
        for (const Rows &rows : {Rows{}, Rows{{"1", "0.5"}}, Rows{{"1", ""}}, Rows{{"x", "0.5"}, {"2", "0.4"}}}) {
            w.scatchardAssistant->lblInputRequirements->setText(modStatistics::InputRequirementsText(rows));
            verifyTextsFit(w.scatchardAssistant, "requirements");
        }
        for (const auto &[unit, factor] : {std::pair<QString, double>{"\u00B5M", 1e-6}, {"nM", 1e-9}}) {
            Session::current().setConcentrationUnit(unit, factor);
            for (QLabel *topic : {w.scatchardAssistant->lblBoundAndBoundFree, w.scatchardAssistant->lblUnitsTopic,
                                  w.scatchardAssistant->lblNavigation}) {
                QTest::mouseClick(topic, Qt::LeftButton);
                verifyTextsFit(w.scatchardAssistant, topic->text());
            }
        }

        // The Dynamic Tool Assistant: its units in every time unit, the demonstration's steps, each step's guidance.
        w.dynamic->showInFront();
        w.dynamicAssistant->showInFront();
        for (const auto &[unit, factor] :
             {std::pair<QString, float>{"hr.", 3600.0f}, {"min.", 60.0f}, {"ms", 0.001f}}) {
            Session::current().setTimeUnit(unit, factor);
            w.dynamicAssistant->lblWhat_About_Units_Click();
            verifyTextsFit(w.dynamicAssistant, "Units in " + unit);
        }
        for (int step = 0; step < 3; ++step) {
            w.dynamic->ShowStep(step);
            modVornish::UpdateAssistantGuidance();
            verifyTextsFit(w.dynamicAssistant, "empty step " + QString::number(step + 1));
        }
        w.dynamicAssistant->lblWhat_About_a_Demo_Click();
        for (int step = 0; step < 3; ++step) {
            w.dynamic->ShowStep(step);
            modVornish::UpdateAssistantGuidance();
            w.dynamicAssistant->DemoStep();
            verifyTextsFit(w.dynamicAssistant, "demo step " + QString::number(step + 1));
        }
    }

    void tilingKeepsControlsApart()
    {
        AppWindows &w = appWindows();
        for (ChildWindow *window : std::initializer_list<ChildWindow *>{w.vornish, w.vornishAssistant, w.scatchard,
                                                                        w.scatchardAssistant, w.options, w.graph})
            window->showInFront();
        program.main->action("mnuWindowTileHorizontal")->trigger();
        for (QMdiSubWindow *window : program.main->mdiArea->subWindowList()) {
            if (!window->isVisible())
                continue;
            const QList<QPair<QWidget *, QRect>> controls = shownControls(window);
            for (int i = 0; i < controls.size(); ++i) {
                QVERIFY2(window->rect().contains(controls[i].second),
                         qPrintable(controls[i].first->objectName() + " cut in " + window->objectName()));
                for (int j = i + 1; j < controls.size(); ++j) {
                    QVERIFY2(!controls[i].second.intersects(controls[j].second),
                             qPrintable(controls[i].first->objectName() + " over " + controls[j].first->objectName()
                                        + " in " + window->objectName()));
                }
            }
        }
    }
};

VORNISH_TEST(WindowFitTest)

#include "tst_window_fit.moc"
