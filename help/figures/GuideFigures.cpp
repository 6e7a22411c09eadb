#include "GuideFigures.h"
#include "competition/frmCompetition.h"

#include "FigureMessages.h"

#include "dynamic/BindingTimeCourse.h"
#include "dynamic/frmDynVornish.h"
#include "dynamic/frmDynamVnTlAssistant.h"
#include "dynamic/frmKinetics.h"
#include "dynamic/frm_dbResults_DynamVn.h"
#include "equilibrium/frmVornish.h"
#include "fitting/FitDataTable.h"
#include "fitting/FitResultsPanel.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "kineticsfit/frmKineticsFit.h"
#include "planning/frmAssayPlanner.h"
#include "platform/EditableGrid.h"
#include "printing/frmPrintOptions.h"
#include "scatchard/frmSaturation.h"
#include "scatchard/frmScatchard.h"
#include "session/Session.h"
#include "shell/frmStartMenu.h"
#include "shell/frmVn_Main.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include <random>
#include <stdexcept>

GuideFigures::GuideFigures(frmVn_Main &main, FigureMessages &messages, const QDir &folder)
    : m_main(main)
    , m_messages(messages)
    , m_folder(folder)
{
}

QStringList GuideFigures::makeAll()
{
    try {
        toolMenu();
        titration();
        superimposedTitrations();
        competition();
        scatchardExample();
        saturationExample();
        optionsWindow();
        demonstrationWizard();
        demonstrationRun();
        speciesTogether();
        maximisedGraph();
        printWindow();
        kineticsFit();
        assayPlanner();
    } catch (const std::exception &missing) {
        m_faults << QString::fromUtf8(missing.what());
    }
    return m_faults;
}

template <typename Window>
Window &GuideFigures::window() const
{
    auto *found = m_main.findChild<Window *>();
    if (!found)
        throw std::logic_error(std::string("the main window has no ") + Window::staticMetaObject.className());
    return *found;
}

void GuideFigures::save(QWidget &widget, const QString &name)
{
    QApplication::processEvents(); // layouts and pending repaints settle first
    const QString path = m_folder.filePath(name);
    if (!widget.isVisible())
        m_faults << name + QStringLiteral(": ") + widget.objectName() + QStringLiteral(" is not shown");
    else if (!widget.grab().save(path, "PNG"))
        m_faults << name + QStringLiteral(": cannot write ") + path;
}

void GuideFigures::expectMessages(const QStringList &titles, const QString &scene)
{
    const QStringList shown = m_messages.takeShown();
    QStringList shownTitles;
    for (const QString &message : shown)
        shownTitles << message.section(QStringLiteral(": "), 0, 0);
    if (shownTitles != titles)
        m_faults << scene + QStringLiteral(": unexpected messages: ") + shown.join(QStringLiteral(" | "));
}

void GuideFigures::expectText(const QString &shown, const QString &quoted, const QString &scene)
{
    if (!shown.contains(quoted))
        m_faults << scene + QStringLiteral(": the guide says \"") + quoted + QStringLiteral("\", the window \"") + shown
                        + QStringLiteral("\"");
}

// The main window as it opens, with the Tool menu.
void GuideFigures::toolMenu()
{
    save(m_main, QStringLiteral("tool-menu.png"));
    window<frmStartMenu>().hide(); // taller than the docked tools: it would show below them in the next figures
}

// The competition example: Total A 5 nM, Total B 30 nM, Kd 17.92 nM, Total C
// 20 nM, Ki 10 nM; then the IC50 of that Ki converted back by the four methods.
void GuideFigures::competition()
{
    m_main.mnuCompetition_Click();
    frmCompetition &tool = window<frmCompetition>();
    const std::pair<QLineEdit *, const char *> typed[] = {{tool.txtTotalA, "5"},
                                                          {tool.txtTotalB, "30"},
                                                          {tool.txtKd, "17.92"},
                                                          {tool.txtTotalC, "20"},
                                                          {tool.txtKi, "10"}};
    for (const auto &[field, text] : typed)
        field->setText(QLatin1String(text));
    tool.cmdCalculate_Click();
    tool.cmdIc50FromKi_Click();
    m_main.mnuWindowsDocking_Click();
    expectMessages({}, QStringLiteral("competition"));
    expectText(tool.txtIc50OfSetUp->text(), QStringLiteral("47.815"), QStringLiteral("competition"));
    expectText(tool.lblKiChengPrusoff->text(), QStringLiteral("37.38"), QStringLiteral("competition"));
    expectText(tool.lblKiExact->text(), QStringLiteral("10.0"), QStringLiteral("competition"));
    save(m_main, QStringLiteral("competition.png"));
}

// Total A 10 nM, Total B 10 nM, Kd 1 nM: the tool at the left, its titration curve at the right.
void GuideFigures::titration()
{
    m_main.mnuVnVornish_Click();
    frmVornish &tool = window<frmVornish>();
    tool.txtA_tot->setText(QStringLiteral("10"));
    tool.txtB_tot->setText(QStringLiteral("10"));
    tool.txtKd->setText(QStringLiteral("1"));
    tool.cmdVornish_Click();
    m_main.mnuWindowsDocking_Click();
    expectMessages({}, QStringLiteral("titration"));
    expectText(tool.txtA->text(), QStringLiteral("2.701562"), QStringLiteral("titration"));
    expectText(tool.txtAB->text(), QStringLiteral("7.298438"), QStringLiteral("titration"));
    save(m_main, QStringLiteral("titration.png"));
}

// Triplicate total and nonspecific binding fitted together, the results beside the tables.
void GuideFigures::saturationExample()
{
    m_main.mnuSaturation_Click();
    frmSaturation &tool = window<frmSaturation>();
    const QList<QStringList> total = {{"0.5", "26.9", "24.5", "25.6"},   {"1", "44.9", "47.0", "45.2"},
                                      {"2", "73.2", "72.8", "69.7"},     {"3", "92.1", "94.6", "87.3"},
                                      {"5", "123.9", "122.8", "120.1"},  {"7.5", "149.9", "142.1", "146.9"},
                                      {"10", "162.7", "158.0", "162.1"}, {"15", "189.9", "189.7", "186.7"},
                                      {"20", "207.1", "210.0", "214.8"}, {"30", "244.3", "241.9", "245.0"},
                                      {"45", "279.4", "283.0", "279.7"}, {"60", "316.6", "315.2", "312.7"}};
    const QList<QStringList> nonspecific = {{"0.5", "10.8", "7.0", "14.2"},  {"1", "13.2", "11.4", "13.0"},
                                            {"2", "15.8", "14.2", "14.5"},   {"3", "17.6", "16.5", "14.5"},
                                            {"5", "18.5", "19.3", "18.9"},   {"7.5", "21.4", "25.2", "26.9"},
                                            {"10", "30.5", "29.5", "29.5"},  {"15", "40.5", "41.3", "41.2"},
                                            {"20", "48.2", "50.9", "49.3"},  {"30", "71.5", "69.9", "70.8"},
                                            {"45", "98.3", "99.3", "102.1"}, {"60", "127.7", "130.4", "130.3"}};
    tool.flgBinding->enterCells(total);
    tool.flgNonspecific->enterCells(nonspecific);
    tool.cmbModel->setCurrentIndex(tool.cmbModel->findText(QStringLiteral("One site, total and nonspecific")));
    tool.cmdFit_Click();
    m_main.mnuWindowsDocking_Click();
    tool.showInFront();
    const QString scene = QStringLiteral("saturation example");
    expectMessages({}, scene);
    const QTableWidgetItem *kd = tool.fitResults->tblParameters->item(1, 1);
    expectText(kd ? kd->text() : QString(), QStringLiteral("4.98205"), scene);
    save(m_main, QStringLiteral("saturation-example.png"));
}

// The titration of Kd 1 nM with two more Kd superimposed: colours, line styles and the legend.
void GuideFigures::superimposedTitrations()
{
    frmOptions &options = window<frmOptions>();
    frmVornish &tool = window<frmVornish>();
    options.chkClearPrevGraph->click(); // keep the titration: Yes
    for (const QString &kd : {QStringLiteral("5"), QStringLiteral("25")}) {
        tool.txtKd->setText(kd);
        tool.cmdVornish_Click();
    }
    const QString scene = QStringLiteral("superimposed titrations");
    // Keeping the graph, then the changed settings asked about before each curve.
    expectMessages({QStringLiteral("Superimpose multiple graphs"), QStringLiteral("Warning"),
                    QStringLiteral("Warning")},
                   scene);
    save(window<frmGraph>(), QStringLiteral("superimposed-graph.png"));
    options.chkClearPrevGraph->click(); // each graph alone again
    options.hide();
    tool.txtKd->setText(QStringLiteral("1"));
    Session::current().setSettingsChanged(false); // as the scenes after this one expect
}

// The four measurements of the Scatchard example, analysed, beside their plot.
void GuideFigures::scatchardExample()
{
    m_main.mnuScatchard_Click();
    frmScatchard &tool = window<frmScatchard>();
    const QList<QStringList> rows = {{"1", "0.9"}, {"2", "0.8"}, {"3", "0.72"}, {"4", "0.6"}};
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 2; ++c)
            tool.flgInputScatchard->setTextMatrix(r + 1, c + 1, rows[r][c]);
    tool.cmdScatchard_Click();
    m_main.mnuWindowsDocking_Click();
    const QString scene = QStringLiteral("Scatchard example");
    expectMessages({}, scene);
    expectText(tool.lblOutputKd->text(), QStringLiteral("10.2041 nM"), scene);
    expectText(tool.lblOutputCI->text(), QStringLiteral("8.2804 nM < Kd < 13.2922 nM"), scene);
    save(m_main, QStringLiteral("scatchard-example.png"));
}

// The wizard filled by the demonstration, with its assistant, alone in the frame.
void GuideFigures::demonstrationWizard()
{
    m_main.mnuFileNew_Click(); // hides the other tools and the graph
    window<frmStartMenu>().hide();
    m_main.mnuDynamVn_Click();
    frmDynVornish &wizard = window<frmDynVornish>();
    wizard.cmdDynamVnTlAssistant_Click();
    window<frmDynamVnTlAssistant>().lblWhat_About_a_Demo_Click();
    expectMessages({}, QStringLiteral("demonstration"));
    save(m_main, QStringLiteral("demonstration-wizard.png"));
}

// The demonstration run to its end: its graph, its stored samples and its kinetics.
void GuideFigures::demonstrationRun()
{
    frmOptions &options = window<frmOptions>();
    if (!options.chkShowTable->isChecked())
        options.chkShowTable->click(); // the results table opens after the run
    frmDynVornish &wizard = window<frmDynVornish>();
    wizard.cmdGo_Click();
    wizard.cmdGo_Click();
    wizard.cmdGo_Click(); // Finish
    // The minute samples cannot show the fast approach after B is added; the run says so.
    expectMessages({QStringLiteral("Accuracy check")}, QStringLiteral("demonstration run"));
    expectText(wizard.txtK_diss_rate->text(), QStringLiteral("8.00E-04"), QStringLiteral("demonstration run"));
    save(window<frmGraph>(), QStringLiteral("demonstration-graph.png"));
    save(window<frm_dbResults_DynamVn>(), QStringLiteral("results-table.png"));
    wizard.cmdKinetics_Click();
    save(window<frmKinetics>(), QStringLiteral("kinetics-summary.png"));
    expectMessages({}, QStringLiteral("kinetics"));
}

// The demonstration's A, B and [A/B] together on a logarithmic time axis.
void GuideFigures::speciesTogether()
{
    frmOptions &options = window<frmOptions>();
    options.optDyn_YTogether->setChecked(true);
    options.chkDynLogTime->setChecked(true);
    options.cmdApply_Click();
    save(window<frmGraph>(), QStringLiteral("species-together.png"));
    options.optDyn_YAB->setChecked(true);
    options.chkDynLogTime->setChecked(false);
    options.cmdApply_Click();
    options.hide();
    m_messages.takeShown();
}

// The demonstration's graph in a maximised Graph window: drawn larger to fill it.
void GuideFigures::maximisedGraph()
{
    frmGraph &graph = window<frmGraph>();
    graph.showMaximized();
    QApplication::processEvents();
    save(graph, QStringLiteral("maximised-graph.png"));
    graph.showNormal();
}

// The Options window with the switches as they are at the first start.
void GuideFigures::optionsWindow()
{
    frmOptions &options = window<frmOptions>();
    options.ShowOnTab(frmOptions::TabGeneral);
    save(options, QStringLiteral("options-window.png"));
    options.hide();
}

// The Print Options window with an annotation typed.
void GuideFigures::printWindow()
{
    frmPrintOptions &print = window<frmPrintOptions>();
    print.showInFront();
    print.chkPrintComments->setChecked(true);
    print.txtPrintComments->setPlainText(QStringLiteral("Demonstration run, 45 minutes"));
    save(print, QStringLiteral("print-window.png"));
    print.hide();
}

// The guide's worked kinetics fit: association traces at five
// concentrations simulated from the exact course (k_ass 1e6 per M per s,
// k_diss 1e-3 per s, Total B 2 nM), 2 % noise of a fixed seed, fitted back
// with the pseudo-first-order model, which the exact one then checks.
void GuideFigures::kineticsFit()
{
    std::vector<KineticsFit::Trace> traces;
    std::mt19937 generator(21);
    std::normal_distribution<double> noise(0.0, 0.02);
    for (double ligand : {1.0, 3.0, 10.0, 30.0, 100.0}) { // nM
        KineticsFit::Trace trace;
        trace.concentration = ligand;
        const modKinetics::BindingTimeCourse course(ligand * 1e-9, 2e-9, 0.0, 1e6, 1e-3);
        for (int i = 0; i <= 60; ++i) {
            trace.time.push_back(30.0 * i);
            trace.signal.push_back(course.complexAt(30.0 * i) / 2e-9 + noise(generator));
        }
        traces.push_back(trace);
    }
    frmKineticsFit &fit = window<frmKineticsFit>();
    fit.ShowWindow();
    fit.SetTraces(traces);
    fit.txtTotalB->setText(QStringLiteral("2"));
    fit.cmdFit->click();
    expectMessages({}, QStringLiteral("kinetics fit"));
    fit.tabResults->setCurrentIndex(0); // the traces with their curves
    save(fit, QStringLiteral("kinetics-fit.png"));
    fit.hide();
}

// The guide's worked plan: Kd 2 nM expected, binding sites 50 pM, no rate
// constant known, 5 % scatter; 8 points in duplicate against 12 in singlet.
void GuideFigures::assayPlanner()
{
    m_main.mnuAssayPlanner_Click();
    frmAssayPlanner &planner = window<frmAssayPlanner>();
    planner.txtKd->setText(QStringLiteral("2"));
    planner.txtSites->setText(QStringLiteral("0.05"));
    planner.cmdPlan->click();
    expectMessages({}, QStringLiteral("assay planner"));
    expectText(planner.txtNotes->toPlainText(), QStringLiteral("binding regime"), QStringLiteral("assay planner"));
    expectText(planner.txtNotes->toPlainText(), QStringLiteral("Incubation: 22.3 min"),
               QStringLiteral("assay planner"));
    save(planner, QStringLiteral("assay-planner.png"));
    planner.cmdPrecision->click();
    while (planner.precisionRunning())
        QApplication::processEvents();
    planner.showInFront(); // the events of the run may have raised another window
    planner.tabResults->setCurrentIndex(2);
    save(planner, QStringLiteral("assay-planner-curves.png"));
    planner.tabResults->setCurrentIndex(1);
    save(planner, QStringLiteral("assay-planner-precision.png"));
    planner.hide();
}
