#include "competition/frmCompetition.h"

#include "competition/CompetitionFitPage.h"
#include "competition/CompetitionGraph.h"
#include "competition/CompetitionMessages.h"
#include "competition/CompetitionRecord.h"
#include "competition/CompetitionReport.h"
#include "competition/Ic50Conversion.h"
#include "equilibrium/EquilibriumInput.h"
#include "exchange/ToolData.h"
#include "fitting/FitDataTable.h"
#include "fitting/FitResultsPanel.h"
#include "graphing/ChooseNumberFormat.h"
#include "graphing/GraphWindows.h"
#include "graphing/PlotEngine.h"
#include "graphing/UnitDisplays.h"
#include "graphing/frmOptions.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "printing/ReportDetails.h"
#include "printing/ToolLists.h"
#include "project/ProjectWindow.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace modCompetition;

namespace {

void showProblem(const QString &text)
{
    Messages::show(text, Messages::Buttons::Ok, Messages::Icon::Exclamation, CompetitionMessages::title());
}

// The Equilibrium Tool's size; the fit's page is as wide as that tool and
// its graph beside it.
constexpr double kNarrowWidth = 5070, kWideWidth = 11130, kHeight = 5895;

QString heading(const QString &unit)
{
    return QStringLiteral("Concentrations in ") + unit;
}

// A molar concentration as the fields show it, in the shown unit.
QString shown(double molar)
{
    return modPlot_Graph::FormatConcentration(fault::divide(molar, Session::current().concentrationFactor()));
}

// A ratio or fraction: four significant digits.
QString ratioText(double v)
{
    return QString::number(fault::checkedFinite(v), 'g', 4);
}

QLineEdit *field(const char *name, bool readOnly = false)
{
    auto *f = new QLineEdit();
    f->setObjectName(QLatin1String(name));
    f->setReadOnly(readOnly);
    if (readOnly) // Tab goes from input to input
        f->setFocusPolicy(Qt::ClickFocus);
    return f;
}

QLabel *label(const char *name, const QString &text = QString())
{
    auto *l = new QLabel(text);
    l->setObjectName(QLatin1String(name));
    return l;
}

// As narrow as its caption needs, not the style's least button width: the
// four in a row then keep the tool as narrow as the Equilibrium Tool, clear
// of the graph beside it.
QPushButton *button(const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    const QFontMetrics metrics = b->fontMetrics();
    b->setMinimumWidth(metrics.horizontalAdvance(caption) + 2 * metrics.averageCharWidth());
    return b;
}

} // namespace

frmCompetition::frmCompetition()
    : ChildWindow(QStringLiteral("frmCompetition"), QStringLiteral("Competition Tool"))
{
    ToolData::RegisterWindow(this, ToolData::Source::Competition);
    BuildControls();
    // File › Open Data... fills the fit's table; the export is the data export's own.
    ToolData::SetDataCommands(this, ToolData::Source::Competition, {}, [this] {
        tabCompetition->setCurrentWidget(pageFit);
        pageFit->flgCompetitionData->openData();
    });
    JoinSharedPreferences();
    JoinProject();
    ReportDetails::SetDetailsSource(modPlot_Graph::CompetitionTool,
                                    [this] { return CompetitionReportSections(*this); });
    setTwipsPosition(0, 0);
    txtTotalA->setFocus(); // where typing starts when the window first shows
}

void frmCompetition::JoinProject()
{
    // The conversions are kept as shown; the fits are made again from the
    // restored table and fields.
    QLabel *const conversions[] = {lblKiChengPrusoff, lblKiMunsonRodbard,   lblKiNikolovskaColeska,
                                   lblKiExact,        lblChengPrusoffError, lblRegime};
    ProjectWindow::Extras extras = ProjectWindow::TablesNamed(
        {{QStringLiteral("flgCompetitionData"), QStringLiteral("Competition")}});
    extras.give = [this, conversions](Project::PartState &state) {
        // The results panels' tables are made again by the fit.
        state.tables.erase(std::remove_if(state.tables.begin(), state.tables.end(),
                                          [](const Project::DataTable &t) {
                                              return t.name != QLatin1String("Competition");
                                          }),
                           state.tables.end());
        for (const QLabel *l : conversions)
            state.values.insert(l->objectName(), l->text());
        state.values.insert(QStringLiteral("titrationZone"), lblTitrationZone->isVisibleTo(fraIc50));
        state.values.insert(QStringLiteral("fitted"), pageFit->shownFit() && !pageFit->fraExact->isOutOfDate());
        state.values.insert(QStringLiteral("page"), tabCompetition->currentIndex());
    };
    extras.afterTake = [this, conversions](const Project::PartState &state) {
        for (QLabel *l : conversions)
            l->setText(state.values.value(l->objectName()).toString());
        lblTitrationZone->setText(CompetitionMessages::titrationZone());
        lblTitrationZone->setVisible(state.values.value(QStringLiteral("titrationZone")).toBool());
        pageFit->clearFits();
        if (state.values.value(QStringLiteral("fitted")).toBool())
            pageFit->cmdFit_Click();
        tabCompetition->setCurrentIndex(state.values.value(QStringLiteral("page")).toInt());
    };
    ProjectWindow::Join(this, QStringLiteral("competition"), extras);
}

void frmCompetition::JoinSharedPreferences()
{
    modPlot_Graph::SetReplotHandler(modPlot_Graph::CompetitionTool, [this] { cmdCalculate_Click(); });
    modVnPublic::UnitDisplay display;
    display.rescaleConcentrations = [this](const modVnPublic::RescaleText &rescale) {
        for (QLineEdit *f : {txtTotalA, txtTotalB, txtKd, txtTotalC, txtKi, txtFreeA, txtFreeB, txtFreeC, txtComplexA,
                             txtComplexC, txtIc50OfSetUp, txtIc50}) {
            const QString rescaled = rescale(f->text());
            if (rescaled != f->text())
                f->setText(rescaled);
        }
        ClearConversions();
    };
    display.showConcentrationUnit = [this](const modVnPublic::ConcentrationUnitTexts &texts) {
        lblInputHeading->setText(heading(texts.unit));
    };
    modVnPublic::SetUnitDisplay(modVnPublic::UnitDisplayWindow::Competition, display);
    ToolLists::SetReportSource(modPlot_Graph::CompetitionTool, [this](const QString &unit) {
        return ToolLists::CompetitionToolList({txtTotalA->text(), txtTotalB->text(), txtKd->text(), txtTotalC->text(),
                                               txtKi->text(), txtFreeA->text(), txtFreeB->text(), txtFreeC->text(),
                                               txtComplexA->text(), txtComplexC->text(), txtFractionBound->text(),
                                               txtIc50OfSetUp->text()},
                                              unit);
    });
}

void frmCompetition::BuildControls()
{
    auto *content = new QWidget();
    // The window's twips size is made for an 8-point dialog font.
    QFont small = content->font();
    small.setPointSize(8);
    content->setFont(small);
    auto *outer = new QVBoxLayout(content);
    outer->setContentsMargins(6, 6, 6, 6);

    fraCompetition = new QGroupBox(QStringLiteral("A + B <=> [A/B],  C + B <=> [C/B]"));
    fraCompetition->setObjectName(QStringLiteral("fraCompetition"));
    m_inputGrid = new QGridLayout(fraCompetition);
    m_inputGrid->setContentsMargins(6, 4, 6, 4);
    m_inputGrid->setVerticalSpacing(4);
    lblInputHeading = label("lblInputHeading", heading(Session::current().concentrationUnit()));
    txtTotalA = field("txtTotalA");
    txtTotalB = field("txtTotalB");
    txtKd = field("txtKd");
    txtTotalC = field("txtTotalC");
    txtKi = field("txtKi");
    const std::pair<const char *, QString> captions[] = {{"lblTotalA", QStringLiteral("Total A")},
                                                         {"lblTotalB", QStringLiteral("Total B")},
                                                         {"lblKd", QStringLiteral("Kd")},
                                                         {"lblTotalC", QStringLiteral("Total C")},
                                                         {"lblKi", QStringLiteral("Ki")}};
    QLineEdit *const inputs[] = {txtTotalA, txtTotalB, txtKd, txtTotalC, txtKi};
    for (int i = 0; i < 5; ++i) {
        QLabel *l = label(captions[i].first, captions[i].second);
        l->setBuddy(inputs[i]);
        m_inputPairs.push_back({l, inputs[i]});
        connect(inputs[i], &QLineEdit::returnPressed, this, &frmCompetition::cmdCalculate_Click);
    }

    cmdCalculate = button("cmdCalculate", QStringLiteral("Calculate"));
    cmdCalculate->setDefault(true);
    cmdOptions = button("cmdOptions", QStringLiteral("Options"));
    cmdClearForm = button("cmdClearForm", QStringLiteral("Clear Form"));
    cmdClose = button("cmdClose", QStringLiteral("Close"));
    m_buttons = new QGridLayout();
    m_top = new QBoxLayout(QBoxLayout::TopToBottom);
    m_top->addWidget(fraCompetition);
    m_top->addLayout(m_buttons);
    outer->addLayout(m_top);

    pageFit = new CompetitionFitPage([this](AssayConditions &assay) {
        if (!ReadAssay(assay))
            return false;
        const double factor = Session::current().concentrationFactor();
        assay = {assay.totalA / factor, assay.totalB / factor, assay.kd / factor};
        return true;
    });
    tabCompetition = new QTabWidget();
    tabCompetition->setObjectName(QStringLiteral("tabCompetition"));
    tabCompetition->addTab(BuildResultsPage(), QStringLiteral("Equilibrium"));
    tabCompetition->addTab(BuildIc50Page(), QStringLiteral("IC50 <-> Ki"));
    tabCompetition->addTab(pageFit, QStringLiteral("Fit a Curve"));
    outer->addWidget(tabCompetition, 1);
    setWidget(content);
    ArrangeForPage();

    connect(tabCompetition, &QTabWidget::currentChanged, this, &frmCompetition::ArrangeForPage);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmCompetition::cmdCalculate_Click);
    connect(cmdOptions, &QPushButton::clicked, this, &frmCompetition::cmdOptions_Click);
    connect(cmdClearForm, &QPushButton::clicked, this, &frmCompetition::cmdClearForm_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmCompetition::cmdClose_Click);
    connect(cmdKiFromIc50, &QPushButton::clicked, this, &frmCompetition::cmdKiFromIc50_Click);
    connect(cmdIc50FromKi, &QPushButton::clicked, this, &frmCompetition::cmdIc50FromKi_Click);
    connect(txtIc50, &QLineEdit::returnPressed, this, &frmCompetition::cmdKiFromIc50_Click);
}

QWidget *frmCompetition::BuildResultsPage()
{
    fraResults = new QWidget();
    fraResults->setObjectName(QStringLiteral("fraResults"));
    auto *results = new QGridLayout(fraResults);
    results->setVerticalSpacing(4);
    txtFreeA = field("txtFreeA", true);
    txtFreeB = field("txtFreeB", true);
    txtFreeC = field("txtFreeC", true);
    txtComplexA = field("txtComplexA", true);
    txtComplexC = field("txtComplexC", true);
    txtFractionBound = field("txtFractionBound", true);
    txtIc50OfSetUp = field("txtIc50OfSetUp", true);
    // Free species on the left, what binds on the right.
    const std::pair<const char *, QLineEdit *> rows[] = {{"A", txtFreeA},
                                                         {"[A/B]", txtComplexA},
                                                         {"B", txtFreeB},
                                                         {"[C/B]", txtComplexC},
                                                         {"C", txtFreeC},
                                                         {"IC50", txtIc50OfSetUp},
                                                         {"A bound", txtFractionBound}};
    for (int i = 0; i < 7; ++i) {
        auto *caption = new QLabel(QLatin1String(rows[i].first));
        caption->setBuddy(rows[i].second);
        results->addWidget(caption, i / 2, (i % 2) * 2);
        results->addWidget(rows[i].second, i / 2, (i % 2) * 2 + 1);
    }
    txtFractionBound->setToolTip(QStringLiteral("The fraction of A bound"));
    results->setRowStretch(4, 1);
    return fraResults;
}

QWidget *frmCompetition::BuildIc50Page()
{
    fraIc50 = new QWidget();
    fraIc50->setObjectName(QStringLiteral("fraIc50"));
    fraIc50->setToolTip(QStringLiteral("With Total A, Total B and Kd above"));
    auto *grid = new QGridLayout(fraIc50);
    grid->setVerticalSpacing(2);
    txtIc50 = field("txtIc50");
    QLabel *ic50 = label("lblIc50", QStringLiteral("IC50"));
    ic50->setBuddy(txtIc50);
    cmdKiFromIc50 = button("cmdKiFromIc50", QStringLiteral("Ki from IC50"));
    cmdIc50FromKi = button("cmdIc50FromKi", QStringLiteral("IC50 from Ki"));
    cmdIc50FromKi->setToolTip(QStringLiteral("The exact IC50 of the Ki above"));
    auto *entry = new QHBoxLayout();
    entry->setSpacing(6);
    ic50->setToolTip(QStringLiteral("The measured IC50; Ki below"));
    entry->addWidget(ic50);
    entry->addWidget(txtIc50, 1);
    entry->addWidget(cmdKiFromIc50);
    entry->addWidget(cmdIc50FromKi);
    grid->addLayout(entry, 0, 0, 1, 2);
    lblKiChengPrusoff = label("lblKiChengPrusoff");
    lblKiMunsonRodbard = label("lblKiMunsonRodbard");
    lblKiNikolovskaColeska = label("lblKiNikolovskaColeska");
    lblKiExact = label("lblKiExact");
    // Ki by each method, one to a line: two to a line do not fit the page,
    // which is as narrow as the Equilibrium Tool.
    const std::pair<const char *, QLabel *> methods[] = {{"Cheng-Prusoff", lblKiChengPrusoff},
                                                         {"Munson-Rodbard", lblKiMunsonRodbard},
                                                         {"Nikolovska-Coleska", lblKiNikolovskaColeska},
                                                         {"Exact", lblKiExact}};
    for (int i = 0; i < 4; ++i) {
        auto *caption = new QLabel(QLatin1String(methods[i].first));
        caption->setToolTip(QStringLiteral("Ki by ") + caption->text());
        methods[i].second->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, 1 + i, 0);
        grid->addWidget(methods[i].second, 1 + i, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setContentsMargins(4, 2, 4, 2);
    int row = 5;
    lblChengPrusoffError = label("lblChengPrusoffError");
    lblRegime = label("lblRegime");
    lblTitrationZone = label("lblTitrationZone");
    for (QLabel *l : {lblChengPrusoffError, lblRegime, lblTitrationZone}) {
        l->setWordWrap(true);
        grid->addWidget(l, row++, 0, 1, 2);
    }
    lblTitrationZone->setStyleSheet(QStringLiteral("color: #a02000"));
    lblTitrationZone->hide();
    grid->setRowStretch(row, 1);
    return fraIc50;
}

void frmCompetition::ArrangeForPage()
{
    // The fit needs room for its table, results and plots: the window
    // widens over the graph beside it and lays its fields out in one row.
    const bool wide = tabCompetition->currentWidget() == pageFit;
    for (const auto &[caption, input] : m_inputPairs) {
        m_inputGrid->removeWidget(caption);
        m_inputGrid->removeWidget(input);
    }
    // Narrow: the fields in two columns, the heading in the free place
    // under Ki, the buttons in a row. Wide: the fields in a row under the
    // heading, the buttons two by two beside them.
    m_inputGrid->removeWidget(lblInputHeading);
    if (wide)
        m_inputGrid->addWidget(lblInputHeading, 0, 0, 1, 10);
    else
        m_inputGrid->addWidget(lblInputHeading, 2, 2, 1, 2);
    for (int i = 0; i < int(m_inputPairs.size()); ++i) {
        const int row = wide ? 1 : i % 3, column = wide ? 2 * i : 2 * (i / 3);
        m_inputGrid->addWidget(m_inputPairs[size_t(i)].first, row, column);
        m_inputGrid->addWidget(m_inputPairs[size_t(i)].second, row, column + 1);
    }
    QPushButton *const buttons[] = {cmdCalculate, cmdOptions, cmdClearForm, cmdClose};
    for (int i = 0; i < 4; ++i) {
        m_buttons->removeWidget(buttons[i]);
        m_buttons->addWidget(buttons[i], wide ? i / 2 : 0, wide ? i % 2 : i);
    }
    m_top->setDirection(wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    // Only the page shown sets the window's least size: the fit's page
    // would keep the others wide.
    for (int i = 0; i < tabCompetition->count(); ++i) {
        const QSizePolicy::Policy policy = i == tabCompetition->currentIndex() ? QSizePolicy::Preferred
                                                                               : QSizePolicy::Ignored;
        tabCompetition->widget(i)->setSizePolicy(policy, policy);
    }
    // The pages' least sizes now, not at the next pass of events.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    setTwipsSize(wide ? kWideWidth : kNarrowWidth, kHeight);
}

CompetitionFieldTexts frmCompetition::fields() const
{
    return {txtTotalA->text(), txtTotalB->text(), txtKd->text(), txtTotalC->text(), txtKi->text()};
}

bool frmCompetition::ReadFields(CompetitionInput &input)
{
    const FieldsRead read = ReadCompetitionFields(fields(), Session::current().concentrationFactor());
    if (!read.problem.isEmpty()) {
        showProblem(read.problem);
        QLineEdit *const order[] = {txtTotalA, txtTotalB, txtKd, txtTotalC, txtKi};
        order[read.field]->setFocus();
        return false;
    }
    input = read.input;
    return true;
}

void frmCompetition::cmdCalculate_Click()
{
    CompetitionInput in;
    if (!ReadFields(in))
        return;
    StatusText::set(QStringLiteral("Calculating ..."));
    try {
        const CompetitionSpecies s = SolveCompetition(in);
        const double ic50 = ExactIc50({in.totalA, in.totalB, in.kd}, in.ki);
        // Every text formed before any is shown: a fault leaves the fields as they were.
        const QString texts[] = {shown(s.A),  shown(s.B),  shown(s.C),
                                 shown(s.AB), shown(s.CB), ratioText(s.fractionABound),
                                 shown(ic50)};
        QLineEdit *const targets[] = {txtFreeA,    txtFreeB,         txtFreeC,      txtComplexA,
                                      txtComplexC, txtFractionBound, txtIc50OfSetUp};
        for (int i = 0; i < 7; ++i)
            targets[i]->setText(texts[i]);
        LastCompetition() = {true, in, s, ic50, QString(), {}};
        if (tabCompetition->currentWidget() == fraIc50)
            tabCompetition->setCurrentWidget(fraResults);
        DrawCompetitionGraph(in, ic50);
    } catch (const RuntimeFault &) {
        showProblem(modVornish::ArithmeticFaultText());
    }
    StatusText::clear();
}

void frmCompetition::ClearConversions()
{
    for (QLabel *l :
         {lblKiChengPrusoff, lblKiMunsonRodbard, lblKiNikolovskaColeska, lblKiExact, lblChengPrusoffError, lblRegime})
        l->clear();
    lblTitrationZone->hide();
}

bool frmCompetition::ReadAssay(AssayConditions &assay)
{
    // Total C and Ki are not needed: a problem there is no problem.
    CompetitionFieldTexts texts = fields();
    texts.totalC = QStringLiteral("0");
    texts.ki = QStringLiteral("1");
    const FieldsRead read = ReadCompetitionFields(texts, Session::current().concentrationFactor());
    if (!read.problem.isEmpty()) {
        showProblem(read.problem);
        return false;
    }
    assay = {read.input.totalA, read.input.totalB, read.input.kd};
    return true;
}

void frmCompetition::cmdKiFromIc50_Click()
{
    AssayConditions assay;
    if (!ReadAssay(assay))
        return;
    const double factor = Session::current().concentrationFactor();
    double ic50 = 0;
    const QString problem = ReadPositiveField(txtIc50->text(), QStringLiteral("IC50"), factor, ic50);
    if (!problem.isEmpty()) {
        showProblem(problem);
        txtIc50->setFocus();
        return;
    }
    try {
        const Ic50Reading r = KiFromIc50(assay, ic50);
        if (r.problem == Ic50Problem::NotAboveTightest) {
            showProblem(CompetitionMessages::belowTightest(shown(r.half.tightestIc50) + QLatin1Char(' ')
                                                           + Session::current().concentrationUnit()));
            return;
        }
        const QString unit = QLatin1Char(' ') + Session::current().concentrationUnit();
        const QString texts[] = {
            shown(r.ki.chengPrusoff) + unit,
            shown(r.ki.munsonRodbard) + unit,
            shown(r.ki.nikolovskaColeska) + unit,
            shown(r.ki.exact) + unit,
            QStringLiteral("Cheng-Prusoff gives %1 times the exact Ki.").arg(ratioText(r.ki.chengPrusoff / r.ki.exact)),
            QStringLiteral("Total B / Kd = %1,  Total B / Ki = %2,  fraction of A bound without competitor = %3.")
                .arg(ratioText(assay.totalB / assay.kd), ratioText(assay.totalB / r.ki.exact),
                     ratioText(r.boundFractionA0))};
        QLabel *const targets[] = {lblKiChengPrusoff, lblKiMunsonRodbard,   lblKiNikolovskaColeska,
                                   lblKiExact,        lblChengPrusoffError, lblRegime};
        for (int i = 0; i < 6; ++i)
            targets[i]->setText(texts[i]);
        lblTitrationZone->setText(CompetitionMessages::titrationZone());
        lblTitrationZone->setVisible(r.titrationZone);
        // The wrapped lines take their height now, not at the next layout pass.
        fraIc50->layout()->activate();
    } catch (const RuntimeFault &) {
        showProblem(modVornish::ArithmeticFaultText());
    }
}

void frmCompetition::cmdIc50FromKi_Click()
{
    CompetitionInput in;
    if (!ReadFields(in))
        return;
    try {
        txtIc50->setText(shown(ExactIc50({in.totalA, in.totalB, in.kd}, in.ki)));
    } catch (const RuntimeFault &) {
        showProblem(modVornish::ArithmeticFaultText());
        return;
    }
    cmdKiFromIc50_Click();
}

void frmCompetition::cmdClearForm_Click()
{
    for (QLineEdit *f : {txtTotalA, txtTotalB, txtKd, txtTotalC, txtKi, txtFreeA, txtFreeB, txtFreeC, txtComplexA,
                         txtComplexC, txtFractionBound, txtIc50OfSetUp, txtIc50})
        f->clear();
    ClearConversions();
    pageFit->clear();
}

void frmCompetition::cmdOptions_Click()
{
    if (frmOptions *options = graphWindows().options)
        options->ShowOnTab(frmOptions::TabEquilibrium);
}

void frmCompetition::cmdClose_Click()
{
    hide();
}
