#include "dynamic/frmKinetics.h"

#include "dynamic/KineticsText.h"
#include "dynamic/LastRunKinetics.h"
#include "dynamic/ResultsPlot.h"
#include "graphing/PlotEngine.h"
#include "platform/ClipboardCommands.h"
#include "platform/Messages.h"
#include "platform/RuntimeFault.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmKinetics::frmKinetics()
    : ChildWindow(QStringLiteral("frmKinetics"), QStringLiteral("Kinetics Summary"))
{
    auto *content = new QWidget();
    auto *layout = new QVBoxLayout(content);

    txtSummary = new QPlainTextEdit(content);
    txtSummary->setObjectName(QStringLiteral("txtSummary"));
    txtSummary->setReadOnly(true);
    txtSummary->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(txtSummary, 1);

    chkShowReference = new QCheckBox(QStringLiteral("Draw the exact time course on the graph (dashed)"), content);
    chkShowReference->setObjectName(QStringLiteral("chkShowReference"));
    layout->addWidget(chkShowReference);

    auto *buttons = new QHBoxLayout();
    cmdCopy = new QPushButton(QStringLiteral("Copy"), content);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy->setToolTip(QStringLiteral("Copy the summary as text"));
    cmdClose = new QPushButton(QStringLiteral("Close"), content);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    buttons->addStretch(1);
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    setWidget(content);

    connect(cmdCopy, &QPushButton::clicked, this, &frmKinetics::cmdCopy_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmKinetics::cmdClose_Click);
    connect(chkShowReference, &QCheckBox::clicked, this, &frmKinetics::chkShowReference_Click);
}

void frmKinetics::ShowSummary()
{
    if (!m_placed) {
        m_placed = true;
        setTwipsGeometry(600, 300, 7200, 6600);
    }
    Refresh();
    showInFront();
}

void frmKinetics::Refresh()
{
    chkShowReference->setChecked(modKinetics::ShowReferenceCurve);
    if (!modKinetics::LastRunKinetics) {
        txtSummary->setPlainText(
            QStringLiteral("No simulation has been run in this session. Press Finish in the Dynamic Equilibrium "
                           "Wizard to run one; its kinetics are summarised here."));
        return;
    }
    const modKinetics::ConcentrationUnit unit{Session::current().concentrationUnit(),
                                              Session::current().concentrationFactor()};
    txtSummary->setPlainText(modKinetics::KineticsSummaryText(*modKinetics::LastRunKinetics, unit));
}

void frmKinetics::cmdCopy_Click()
{
    ClipboardCommands::copyText(txtSummary->toPlainText());
}

void frmKinetics::cmdClose_Click()
{
    hide();
}

void frmKinetics::chkShowReference_Click()
{
    modKinetics::ShowReferenceCurve = chkShowReference->isChecked();
    // The graph of the last run is drawn again with or without the curve;
    // the wizard stays where it is.
    if (!modKinetics::LastRunKinetics || Session::current().graphSource() != modPlot_Graph::DynamicTool)
        return;
    try {
        modVornish::ReplotResults();
    } catch (const RuntimeFault &failure) {
        Messages::show(failure.unexpectedErrorText(), Messages::Buttons::Ok, Messages::Icon::Critical);
    }
}
