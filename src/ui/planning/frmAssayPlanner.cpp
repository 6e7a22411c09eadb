#include "planning/frmAssayPlanner.h"

#include "equilibrium/EquilibriumInput.h"
#include "exchange/DataExport.h"
#include "exchange/PlanCsv.h"
#include "exchange/ToolData.h"
#include "fitting/PlotPicture.h"
#include "graphing/UnitDisplays.h"
#include "planning/PlanPlot.h"
#include "planning/PlanTable.h"
#include "planning/PlanText.h"
#include "planning/PrecisionRun.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "printing/ReportDetails.h"
#include "printing/ReportWindow.h"
#include "printing/ToolLists.h"
#include "project/ProjectWindow.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <cmath>
#include <tuple>

using namespace Planning;

namespace {

const QString kTitle = QStringLiteral("Assay Planner");
constexpr int experimentsPerDesign = 300;
constexpr int depletedColumn = 4;

void showProblem(const QString &text)
{
    Messages::show(text, Messages::Buttons::Ok, Messages::Icon::Exclamation, kTitle);
}

QString heading(const QString &unit)
{
    return QStringLiteral("Concentrations in %1").arg(unit);
}

// A field read as a number (0 when empty); false, after the message with
// the field's caption, when it is no number or not finite.
bool readNumber(QLineEdit *field, const QString &caption, double factor, double &value)
{
    const QString text = field->text().trimmed();
    value = 0;
    if (text.isEmpty())
        return true;
    try {
        if (NumberText::isNumeric(text)) {
            value = fault::checkedFinite(NumberText::numericValue(text) * factor);
            return true;
        }
    } catch (const RuntimeFault &) {
    }
    showProblem(QStringLiteral("Enter a number for %1.").arg(caption));
    field->setFocus();
    field->selectAll();
    return false;
}

// A whole number from lowest to highest; empty is fallback.
bool readCount(QLineEdit *field, const QString &caption, int lowest, int highest, int fallback, int &count)
{
    double v = 0;
    if (!readNumber(field, caption, 1, v))
        return false;
    if (field->text().trimmed().isEmpty())
        v = fallback;
    if (v != std::floor(v) || v < lowest || v > highest) {
        showProblem(QStringLiteral("%1 must be a whole number from %2 to %3.").arg(caption).arg(lowest).arg(highest));
        field->setFocus();
        field->selectAll();
        return false;
    }
    count = int(v);
    return true;
}

QString cell(double v)
{
    return QString::number(v, 'g', 4);
}

QTableWidgetItem *item(const QString &text)
{
    auto *i = new QTableWidgetItem(text);
    i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return i;
}

} // namespace

frmAssayPlanner::frmAssayPlanner()
    : ChildWindow(QStringLiteral("frmAssayPlanner"), kTitle)
{
    ToolData::RegisterWindow(this, ToolData::Source::Planner);
    BuildControls();
    m_run = new PrecisionRun(this);
    connect(m_run, &PrecisionRun::progressed, this,
            [this](int done, int total) { prgPrecision->setValue(total > 0 ? 100 * done / total : 0); });
    connect(m_run, &PrecisionRun::finished, this, &frmAssayPlanner::ShowPrecision);
    connect(cmbExperiment, &QComboBox::currentIndexChanged, this, &frmAssayPlanner::cmbExperiment_Click);
    connect(cmdPlan, &QPushButton::clicked, this, &frmAssayPlanner::cmdPlan_Click);
    connect(cmdPrecision, &QPushButton::clicked, this, &frmAssayPlanner::cmdPrecision_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAssayPlanner::cmdCancel_Click);
    connect(cmdSimulate, &QPushButton::clicked, this, &frmAssayPlanner::cmdSimulate_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmAssayPlanner::cmdExport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmAssayPlanner::cmdClose_Click);
    JoinProgram();
    cmbExperiment_Click();
    ClearResults();
    setTwipsGeometry(0, 0, 11000, 6400);
}

void frmAssayPlanner::JoinProgram()
{
    ToolData::SetDataCommands(this, ToolData::Source::Planner, [this] { cmdExport_Click(); }, {});
    lblHeading->setText(heading(Session::current().concentrationUnit()));
    modVnPublic::UnitDisplay display;
    display.rescaleConcentrations = [this](const modVnPublic::RescaleText &rescale) {
        for (QLineEdit *f : {txtKd, txtSites, txtLabelled, txtKi, txtLowest, txtHighest}) {
            const QString rescaled = rescale(f->text());
            if (rescaled != f->text())
                f->setText(rescaled);
        }
        ClearResults();
    };
    display.showConcentrationUnit = [this](const modVnPublic::ConcentrationUnitTexts &texts) {
        lblHeading->setText(heading(texts.unit));
    };
    modVnPublic::SetUnitDisplay(modVnPublic::UnitDisplayWindow::Planner, display);
    ProjectWindow::Extras extras;
    extras.afterTake = [this](const Project::PartState &) { ClearResults(); };
    ProjectWindow::Join(this, QStringLiteral("planner"), extras);
    ToolLists::SetReportSource(modPlot_Graph::PlannerTool, [this](const QString &unit) {
        ReportColumns list;
        ToolLists::AppendRow(list, QStringLiteral("Experiment"), cmbExperiment->currentText());
        const std::pair<QString, QLineEdit *> fields[] = {{QStringLiteral("Expected Kd (%1)").arg(unit), txtKd},
                                                          {QStringLiteral("Binding sites (%1)").arg(unit), txtSites},
                                                          {QStringLiteral("k_ass (per M per s)"), txtKAss},
                                                          {QStringLiteral("k_diss (per s)"), txtKDiss},
                                                          {QStringLiteral("Labelled ligand (%1)").arg(unit),
                                                           txtLabelled},
                                                          {QStringLiteral("Competitor's Ki (%1)").arg(unit), txtKi},
                                                          {QStringLiteral("Lowest (%1)").arg(unit), txtLowest},
                                                          {QStringLiteral("Highest (%1)").arg(unit), txtHighest},
                                                          {QStringLiteral("Points"), txtPoints},
                                                          {QStringLiteral("Replicates"), txtReplicates},
                                                          {QStringLiteral("Scatter (% CV)"), txtCv}};
        for (const auto &[label, field] : fields)
            if (!field->text().trimmed().isEmpty())
                ToolLists::AppendRow(list, label, field->text().trimmed());
        if (hasPlan())
            for (const PlanFact &fact : PlanFacts(m_plan, m_input))
                ToolLists::AppendRow(list, fact.name, fact.value);
        return list;
    });
    ReportDetails::SetDetailsSource(modPlot_Graph::PlannerTool, [this] {
        QList<ReportSection> sections;
        if (!hasPlan())
            return sections;
        sections << ReportWindow::TableSection(QStringLiteral("Plan"), *flgPlan);
        ReportSection notes{QStringLiteral("Warnings and controls"), {}};
        for (const QString &note : m_plan.notes)
            notes.rows << QStringList{note};
        sections << notes;
        if (!m_run->estimates().empty())
            sections << ReportWindow::TableSection(QStringLiteral("Predicted precision"), *flgPrecision);
        return sections;
    });
}

bool frmAssayPlanner::precisionRunning() const
{
    return m_run->running();
}

void frmAssayPlanner::cmbExperiment_Click()
{
    const bool competition = cmbExperiment->currentIndex() == int(Experiment::Competition);
    for (QLineEdit *f : {txtLabelled, txtKi})
        f->setEnabled(competition);
    ClearResults();
}

bool frmAssayPlanner::ReadInput(PlanInput &input)
{
    const double factor = Session::current().concentrationFactor();
    input = PlanInput();
    input.experiment = Experiment(cmbExperiment->currentIndex());
    const std::tuple<QLineEdit *, QString, double, double *> numbers[] = {
        {txtKd, QStringLiteral("the expected Kd"), factor, &input.kd},
        {txtSites, QStringLiteral("the binding sites"), factor, &input.sites},
        {txtKAss, QStringLiteral("k_ass"), 1.0, &input.kAss},
        {txtKDiss, QStringLiteral("k_diss"), 1.0, &input.kDiss},
        {txtLowest, QStringLiteral("the lowest concentration"), factor, &input.lowest},
        {txtHighest, QStringLiteral("the highest concentration"), factor, &input.highest},
        {txtLabelled, QStringLiteral("the labelled ligand"), factor, &input.labelled},
        {txtKi, QStringLiteral("Ki"), factor, &input.ki}};
    for (const auto &[field, caption, scale, value] : numbers)
        if (field->isEnabled() && !readNumber(field, caption, scale, *value))
            return false;
    if (!txtPoints->text().trimmed().isEmpty()
        && !readCount(txtPoints, QStringLiteral("The number of points"), 3, 100, 12, input.points))
        return false;
    const QString problem = PlanInputProblem(input);
    if (!problem.isEmpty()) {
        showProblem(problem);
        return false;
    }
    return true;
}

void frmAssayPlanner::cmdPlan_Click()
{
    PlanInput input;
    if (!ReadInput(input))
        return;
    StatusText::set(QStringLiteral("Planning ..."));
    try {
        AssayPlan plan = MakePlan(input);
        ClearResults();
        m_input = input;
        m_plan = std::move(plan);
        ShowPlan();
    } catch (const RuntimeFault &) {
        showProblem(modVornish::ArithmeticFaultText());
    }
    StatusText::clear();
}

void frmAssayPlanner::ShowPlan()
{
    const QString unit = Session::current().concentrationUnit();
    const double factor = Session::current().concentrationFactor();
    const QStringList headers = PlanHeaders(m_input.experiment, unit);
    flgPlan->setColumnCount(int(headers.size()));
    flgPlan->setHorizontalHeaderLabels(headers);
    flgPlan->setRowCount(int(m_plan.rows.size()));
    for (int r = 0; r < int(m_plan.rows.size()); ++r) {
        const std::vector<double> values = PlanValues(m_plan.rows[size_t(r)], m_input.experiment, factor);
        for (int c = 0; c < int(values.size()); ++c)
            flgPlan->setItem(r, c,
                             item(c == depletedColumn ? (values[size_t(c)] > 0 ? QStringLiteral("yes") : QString())
                                                      : cell(values[size_t(c)])));
    }
    flgPlan->resizeColumnsToContents();
    flgPlan->selectRow(int(m_plan.rows.size()) / 2);
    // What the plan says first, then its warnings and controls.
    QStringList lines;
    for (const PlanFact &fact : PlanFacts(m_plan, m_input))
        lines << fact.name + QStringLiteral(": ") + fact.value;
    lines << QString() << m_plan.notes;
    txtNotes->setPlainText(lines.join(QLatin1Char('\n')));
    for (QPushButton *b : {cmdSimulate, cmdExport})
        b->setEnabled(true);
    cmdPrecision->setEnabled(m_input.experiment == Experiment::Saturation);
    tabResults->setCurrentIndex(0);
}

bool frmAssayPlanner::ReadDesigns(std::vector<PrecisionDesign> &designs)
{
    double cv = 0;
    int replicates = 1, pointsB = 12, replicatesB = 1;
    if (!readNumber(txtCv, QStringLiteral("the scatter"), 0.01, cv)
        || !readCount(txtReplicates, QStringLiteral("Replicates"), 1, 20, 1, replicates)
        || !readCount(txtPointsB, QStringLiteral("The second design's points"), 3, 100, 12, pointsB)
        || !readCount(txtReplicatesB, QStringLiteral("The second design's replicates"), 1, 20, 1, replicatesB))
        return false;
    if (!(cv >= 0 && cv <= 1)) {
        showProblem(QStringLiteral("The scatter must be a percentage from 0 to 100."));
        txtCv->setFocus();
        return false;
    }
    PlanInput second = m_input;
    second.points = pointsB;
    designs = {{PlannedConcentrations(m_input), replicates, cv}, {PlannedConcentrations(second), replicatesB, cv}};
    return true;
}

void frmAssayPlanner::ShowCurves(const std::vector<PrecisionDesign> &designs)
{
    std::vector<PlottedDesign> plotted;
    for (const PrecisionDesign &d : designs)
        plotted.push_back({QStringLiteral("%1 points x %2").arg(d.ligand.size()).arg(d.replicates), d});
    try {
        picCurves->showPlot(PlannedCurvePlot(m_input.kd, m_input.sites, plotted));
    } catch (const RuntimeFault &) {
        picCurves->clearPlot();
    }
}

void frmAssayPlanner::cmdPrecision_Click()
{
    if (!hasPlan() || m_input.experiment != Experiment::Saturation || m_run->running())
        return;
    std::vector<PrecisionDesign> designs;
    if (!ReadDesigns(designs))
        return;
    m_designs = designs;
    ShowCurves(designs);
    flgPrecision->clearContents();
    prgPrecision->setValue(0);
    cmdPrecision->setEnabled(false);
    cmdCancel->setEnabled(true);
    tabResults->setCurrentIndex(1);
    StatusText::set(QStringLiteral("Predicting the precision ..."));
    m_run->start(m_input.kd, m_input.sites, designs, experimentsPerDesign);
}

void frmAssayPlanner::cmdCancel_Click()
{
    if (!m_run->running())
        return;
    m_run->cancel();
    prgPrecision->setValue(0);
    cmdCancel->setEnabled(false);
    cmdPrecision->setEnabled(hasPlan());
    StatusText::set(QStringLiteral("The prediction is canceled."));
}

void frmAssayPlanner::ShowPrecision()
{
    const std::vector<PrecisionEstimate> &estimates = m_run->estimates();
    for (int d = 0; d < int(estimates.size()) && d < int(m_designs.size()); ++d) {
        const PrecisionEstimate &e = estimates[size_t(d)];
        const QString texts[] = {QString::number(m_designs[size_t(d)].ligand.size()),
                                 QString::number(m_designs[size_t(d)].replicates),
                                 e.failed < e.experiments ? PercentText(e.medianWidth) : QStringLiteral("no interval"),
                                 e.failed < e.experiments ? cell(e.medianKd) : QString(), PercentText(e.failedShare())};
        for (int r = 0; r < 5; ++r)
            flgPrecision->setItem(r, d, item(texts[r]));
    }
    cmdCancel->setEnabled(false);
    cmdPrecision->setEnabled(true);
    StatusText::clear();
}

void frmAssayPlanner::ClearResults()
{
    if (m_run)
        m_run->cancel();
    m_plan = AssayPlan();
    flgPlan->clear();
    flgPlan->setRowCount(0);
    flgPlan->setColumnCount(0);
    flgPrecision->clearContents();
    txtNotes->setPlainText(QStringLiteral("Enter what you know and click Plan."));
    picCurves->clearPlot();
    prgPrecision->setValue(0);
    for (QPushButton *b : {cmdSimulate, cmdExport, cmdPrecision, cmdCancel})
        b->setEnabled(false);
}

void frmAssayPlanner::cmdSimulate_Click()
{
    if (!hasPlan())
        return;
    const int row = std::max(0, flgPlan->currentRow());
    const PlanRow &point = m_plan.rows[size_t(std::min(row, int(m_plan.rows.size()) - 1))];
    // A competition point is simulated as its labelled ligand with the sites.
    const double ligand = m_input.experiment == Experiment::Competition ? m_input.labelled : point.ligand;
    emit simulateRequested(ligand, m_input.sites, m_plan.kAss, m_plan.kDiss / m_plan.kAss, 2 * point.t99);
}

void frmAssayPlanner::cmdExport_Click()
{
    if (!hasPlan()) {
        showProblem(QStringLiteral("There is no plan to export yet. Click Plan first."));
        return;
    }
    DataExport::ExportCsvText(kTitle, PlanCsv::Text(m_plan, m_input, Session::current().concentrationUnit(),
                                                    Session::current().concentrationFactor()));
}

void frmAssayPlanner::cmdClose_Click()
{
    hide();
}
