#include "equilibrium/frmVornish.h"

#include "equilibrium/EquilibriumGraph.h"
#include "equilibrium/EquilibriumRecord.h"
#include "equilibrium/EquilibriumWindows.h"
#include "equilibrium/SolveEquilibrium.h"
#include "equilibrium/frmVnTlAssistant.h"
#include "exchange/ToolData.h"
#include "graphing/ChooseNumberFormat.h"
#include "graphing/GraphWindows.h"
#include "graphing/PlotEngine.h"
#include "graphing/UnitDisplays.h"
#include "graphing/frmOptions.h"
#include "platform/Messages.h"
#include "platform/RuntimeFault.h"
#include "printing/ToolLists.h"
#include "project/ProjectWindow.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace modVornish;

namespace {

void showMessage(const InputProblemMessage &message)
{
    Messages::show(message.text, Messages::Buttons::Ok, Messages::Icon::Exclamation, message.title);
}

} // namespace

frmVornish::frmVornish()
    : ChildWindow(QStringLiteral("frmVornish"), QStringLiteral("Equilibrium Tool"))
{
    ToolData::RegisterWindow(this, ToolData::Source::Equilibrium);
    BuildControls();
    JoinSharedPreferences();
    Form_Load();
    ProjectWindow::Join(this, QStringLiteral("equilibrium"));
}

void frmVornish::JoinSharedPreferences()
{
    modPlot_Graph::SetReplotHandler(modPlot_Graph::EquilibriumTool, [this] { cmdVornish_Click(); });
    modVnPublic::UnitDisplay display;
    display.rescaleConcentrations = [this](const modVnPublic::RescaleText &rescale) {
        for (QLineEdit *field : {txtA, txtA_tot, txtB, txtB_tot, txtAB, txtKd}) {
            const QString rescaled = rescale(field->text());
            if (rescaled != field->text())
                field->setText(rescaled);
        }
    };
    display.showConcentrationUnit = [this](const modVnPublic::ConcentrationUnitTexts &texts) {
        lblInputHeading->setText(InputHeading(texts.unit));
    };
    modVnPublic::SetUnitDisplay(modVnPublic::UnitDisplayWindow::Equilibrium, display);
    ToolLists::SetReportSource(modPlot_Graph::EquilibriumTool, [this](const QString &unit) {
        return ToolLists::EquilibriumToolList({txtA->text(), txtA_tot->text(), txtB->text(), txtB_tot->text(),
                                               txtAB->text(), txtKd->text()},
                                              unit);
    });
}

QString frmVornish::InputHeading(const QString &unit)
{
    return QStringLiteral("Component   Concentration /                       Value (") + unit + QLatin1Char(')');
}

void frmVornish::BuildControls()
{
    auto *content = new QWidget();
    // The window's twips size is made for an 8-point dialog font.
    QFont small = content->font();
    small.setPointSize(8);
    content->setFont(small);
    auto *outer = new QVBoxLayout(content);
    outer->setContentsMargins(6, 6, 6, 6);

    Frame1 = new QGroupBox(QStringLiteral("A + B <=> [A/B]"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(Frame1);
    grid->setContentsMargins(6, 6, 6, 6);
    lblInputHeading = new QLabel();
    lblInputHeading->setObjectName(QStringLiteral("lblInputHeading"));
    // One line: its blanks put "Value" over the field column, which a wrap would undo.
    grid->addWidget(lblInputHeading, 0, 0, 1, 2);

    const auto addRow = [&](int row, QLabel *&label, QLineEdit *&field, const char *labelName, const char *fieldName,
                            const QString &caption, void (frmVornish::*changeHandler)()) {
        label = new QLabel(caption);
        label->setObjectName(QLatin1String(labelName));
        field = new QLineEdit();
        field->setObjectName(QLatin1String(fieldName));
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        connect(field, &QLineEdit::textChanged, this, changeHandler);
        connect(field, &QLineEdit::returnPressed, this, &frmVornish::cmdVornish_Click);
    };
    addRow(1, lblA, txtA, "lblA", "txtA", QStringLiteral(" A"), &frmVornish::txtA_Change);
    addRow(2, lblA_tot, txtA_tot, "lblA_tot", "txtA_tot", QStringLiteral("Total A (A + AB)"),
           &frmVornish::txtA_tot_Change);
    addRow(3, lblB, txtB, "lblB", "txtB", QStringLiteral(" B"), &frmVornish::txtB_Change);
    addRow(4, lblB_tot, txtB_tot, "lblB_tot", "txtB_tot", QStringLiteral("Total B (B+ AB)"),
           &frmVornish::txtB_tot_Change);
    addRow(5, lblAB, txtAB, "lblAB", "txtAB", QStringLiteral("[A/B]"), &frmVornish::txtAB_Change);
    addRow(6, lblKd, txtKd, "lblKd", "txtKd", QStringLiteral("Kd"), &frmVornish::txtKd_Change);
    outer->addWidget(Frame1);

    const auto button = [&](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    cmdVornish = button("cmdVornish", QStringLiteral("Vornish"));
    cmdVornish->setDefault(true);
    cmdOptions = button("cmdOptions", QStringLiteral("Options"));
    cmdClearForm = button("cmdClearForm", QStringLiteral("Clear Form"));
    cmdClose = button("cmdClose", QStringLiteral("Close"));
    cmdVnTlAssistant = button("cmdVnTlAssistant", QStringLiteral("Equilibrium Tool Assistant"));
    cmdVnTlAssistant->setToolTip(QStringLiteral("How to vornish? The Equilibrium Tool Assistant helps..."));

    auto *row1 = new QHBoxLayout();
    row1->addWidget(cmdVornish);
    row1->addWidget(cmdOptions);
    auto *row2 = new QHBoxLayout();
    row2->addWidget(cmdClearForm);
    row2->addWidget(cmdClose);
    outer->addLayout(row1);
    outer->addLayout(row2);
    outer->addWidget(cmdVnTlAssistant);
    setWidget(content);

    QWidget *order[] = {txtA,       txtA_tot,   txtB,         txtB_tot, txtAB,           txtKd,
                        cmdVornish, cmdOptions, cmdClearForm, cmdClose, cmdVnTlAssistant};
    for (size_t i = 1; i < sizeof order / sizeof order[0]; ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    connect(cmdVornish, &QPushButton::clicked, this, &frmVornish::cmdVornish_Click);
    connect(cmdClearForm, &QPushButton::clicked, this, &frmVornish::cmdClearForm_Click);
    connect(cmdOptions, &QPushButton::clicked, this, &frmVornish::cmdOptions_Click);
    connect(cmdVnTlAssistant, &QPushButton::clicked, this, &frmVornish::cmdVnTlAssistant_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmVornish::cmdClose_Click);
    connect(this, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if ((now & Qt::WindowActive) && !(before & Qt::WindowActive))
            Form_Activate();
    });
}

void frmVornish::Form_Load()
{
    setTwipsGeometry(0, 0, 5070, 5895);
    lblInputHeading->setText(InputHeading(Session::current().concentrationUnit()));
}

void frmVornish::Form_Activate()
{
    // The log scale belongs to this tool's graph: the Options window's X
    // fields speak of exponents while it is chosen.
    if (frmOptions *options = graphWindows().options)
        options->ShowXScaleTitles(!options->optLinear->isChecked());
}

EquilibriumFields frmVornish::fields() const
{
    return {txtA->text(), txtA_tot->text(), txtB->text(), txtB_tot->text(), txtAB->text(), txtKd->text()};
}

void frmVornish::txtA_Change()
{
    RefreshGuidance();
}
void frmVornish::txtA_tot_Change()
{
    RefreshGuidance();
}
void frmVornish::txtB_Change()
{
    RefreshGuidance();
}
void frmVornish::txtB_tot_Change()
{
    RefreshGuidance();
}
void frmVornish::txtAB_Change()
{
    RefreshGuidance();
}
void frmVornish::txtKd_Change()
{
    RefreshGuidance();
}

void frmVornish::RefreshGuidance()
{
    frmVnTlAssistant *assistant = equilibriumWindows().vornishAssistant;
    if (assistant && assistant->isVisible())
        UpdateInputGuidance();
}

void frmVornish::ShowResults(double A, double Atot, double B, double Btot, double AB, double Kd)
{
    const std::pair<QLineEdit *, double> results[] = {{txtA, A},        {txtA_tot, Atot}, {txtB, B},
                                                      {txtB_tot, Btot}, {txtAB, AB},      {txtKd, Kd}};
    for (const auto &[field, molar] : results)
        field->setText(
            modPlot_Graph::FormatConcentration(fault::divide(molar, Session::current().concentrationFactor())));
}

void frmVornish::cmdVornish_Click()
{
    StatusText::set(QStringLiteral("Vornishing ..."));
    try {
        EquilibriumInput in = ReadEquilibriumInput(fields(), Session::current().concentrationFactor());
        if (in.problem != InputProblem::None) {
            showMessage(MessageOfInputProblem(in.problem));
            StatusText::clear();
            return;
        }
        SolveEquilibrium(in.A, in.Atot, in.B, in.Btot, in.AB, in.Kd, in.code);
        ShowResults(in.A, in.Atot, in.B, in.Btot, in.AB, in.Kd);
        LastEquilibrium() = {true, in.A, in.Atot, in.B, in.Btot, in.AB, in.Kd};
        DrawEquilibriumGraph(*this, in.Atot, in.Btot, in.Kd);
    } catch (const RuntimeFault &) {
        showMessage({ArithmeticFaultText(), QStringLiteral("Input is not valid")});
        StatusText::clear();
    }
}

void frmVornish::cmdClearForm_Click()
{
    for (QLineEdit *field : {txtA, txtA_tot, txtB, txtB_tot, txtAB, txtKd})
        field->clear();
}

void frmVornish::cmdOptions_Click()
{
    if (frmOptions *options = graphWindows().options)
        options->ShowOnTab(frmOptions::TabEquilibrium);
}

void frmVornish::cmdVnTlAssistant_Click()
{
    frmVnTlAssistant *assistant = equilibriumWindows().vornishAssistant;
    if (!assistant)
        return;
    assistant->hide();
    assistant->showInFront();
    UpdateInputGuidance();
}

void frmVornish::cmdClose_Click()
{
    hide();
}
