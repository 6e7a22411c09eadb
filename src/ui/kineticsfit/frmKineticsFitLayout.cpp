#include "kineticsfit/frmKineticsFit.h"

#include "fitting/FitResultsPanel.h"
#include "fitting/PlotPicture.h"
#include "fitting/ResidualGraph.h"
#include "kineticsfit/KineticsFitTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    return named(new QPushButton(caption, parent), name);
}

} // namespace

frmKineticsFit::frmKineticsFit()
    : ChildWindow(QStringLiteral("frmKineticsFit"), QStringLiteral("Kinetics Fit"))
{
    auto *content = new QWidget();
    auto *layout = new QHBoxLayout(content);
    auto *left = new QWidget(content);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    buildTraces(left);
    buildModel(left);
    layout->addWidget(left, 0);
    buildResults(content);
    setWidget(content);
    connectHandlers();
    cmbModel_Click();
    clearResult();
}

void frmKineticsFit::buildTraces(QWidget *content)
{
    auto *frame = named(new QGroupBox(QStringLiteral("Traces"), content), "fraTraces");
    auto *layout = new QVBoxLayout(frame);
    auto *buttons = new QHBoxLayout();
    cmdOpenTraces = button(frame, "cmdOpenTraces", QStringLiteral("Open..."));
    cmdOpenTraces->setToolTip(QStringLiteral("Open traces from a CSV or tab-separated file"));
    cmdPasteTraces = button(frame, "cmdPasteTraces", QStringLiteral("Paste"));
    cmdPasteTraces->setToolTip(QStringLiteral("Paste traces copied from a spreadsheet"));
    cmdFromSimulation = button(frame, "cmdFromSimulation", QStringLiteral("From Simulation"));
    cmdFromSimulation->setToolTip(QStringLiteral("Take the complex of the last simulation as a trace"));
    buttons->addWidget(cmdOpenTraces);
    buttons->addWidget(cmdPasteTraces);
    buttons->addWidget(cmdFromSimulation);
    layout->addLayout(buttons);
    auto *unitRow = new QHBoxLayout();
    unitRow->addWidget(new QLabel(QStringLiteral("Time unit:"), frame));
    cmbTimeUnit = named(new QComboBox(frame), "cmbTimeUnit");
    cmbTimeUnit->addItems({QStringLiteral("s"), QStringLiteral("min"), QStringLiteral("h")});
    unitRow->addWidget(cmbTimeUnit);
    unitRow->addStretch(1);
    layout->addLayout(unitRow);
    flgTraces = named(new QTableWidget(0, 3, frame), "flgTraces");
    flgTraces->verticalHeader()->hide();
    flgTraces->horizontalHeader()->setStretchLastSection(true);
    flgTraces->setMinimumHeight(140);
    layout->addWidget(flgTraces, 1);
    content->layout()->addWidget(frame);
}

void frmKineticsFit::buildModel(QWidget *content)
{
    auto *frame = named(new QGroupBox(QStringLiteral("Model"), content), "fraModel");
    auto *grid = new QGridLayout(frame);
    cmbModel = named(new QComboBox(frame), "cmbModel");
    for (KineticsFit::Model m :
         {KineticsFit::Model::PseudoFirstOrder, KineticsFit::Model::AssociationThenDissociation,
          KineticsFit::Model::Dissociation, KineticsFit::Model::Exact, KineticsFit::Model::Competitive})
        cmbModel->addItem(KineticsFit::ModelName(m), int(m));
    grid->addWidget(cmbModel, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Scale:"), frame), 1, 0);
    cmbScale = named(new QComboBox(frame), "cmbScale");
    cmbScale->addItems({QStringLiteral("Per trace"), QStringLiteral("Shared")});
    grid->addWidget(cmbScale, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Baseline:"), frame), 2, 0);
    cmbBaseline = named(new QComboBox(frame), "cmbBaseline");
    cmbBaseline->addItems({QStringLiteral("Per trace"), QStringLiteral("Shared"), QStringLiteral("Zero")});
    grid->addWidget(cmbBaseline, 2, 1, 1, 2);
    lblTotalB = named(new QLabel(QStringLiteral("Total B:"), frame), "lblTotalB");
    txtTotalB = named(new QLineEdit(frame), "txtTotalB");
    txtTotalB->setToolTip(QStringLiteral("The binding sites, in the concentration unit of the traces"));
    chkFitTotalB = named(new QCheckBox(QStringLiteral("Fit"), frame), "chkFitTotalB");
    grid->addWidget(lblTotalB, 3, 0);
    grid->addWidget(txtTotalB, 3, 1);
    grid->addWidget(chkFitTotalB, 3, 2);
    lblLigand = named(new QLabel(QStringLiteral("Labelled ligand, its k_ass (M-1 per time unit) and k_diss:"), frame),
                      "lblLigand");
    lblLigand->setWordWrap(true);
    grid->addWidget(lblLigand, 4, 0, 1, 3);
    txtLigand = named(new QLineEdit(frame), "txtLigand");
    txtLigandKAss = named(new QLineEdit(frame), "txtLigandKAss");
    txtLigandKDiss = named(new QLineEdit(frame), "txtLigandKDiss");
    grid->addWidget(txtLigand, 5, 0);
    grid->addWidget(txtLigandKAss, 5, 1);
    grid->addWidget(txtLigandKDiss, 5, 2);
    cmdFit = button(frame, "cmdFit", QStringLiteral("Fit"));
    grid->addWidget(cmdFit, 6, 0, 1, 3);
    content->layout()->addWidget(frame);
}

void frmKineticsFit::buildResults(QWidget *content)
{
    auto *right = new QWidget(content);
    auto *layout = new QVBoxLayout(right);
    layout->setContentsMargins(0, 0, 0, 0);
    tabResults = named(new QTabWidget(right), "tabResults");
    auto *tracesPage = new QWidget();
    auto *tracesLayout = new QVBoxLayout(tracesPage);
    picTraces = new PlotPicture(QStringLiteral("picTraces"), 2600, tracesPage);
    picResiduals = new ResidualGraph(tracesPage);
    tracesLayout->addWidget(picTraces, 0, Qt::AlignHCenter);
    tracesLayout->addWidget(picResiduals, 0, Qt::AlignHCenter);
    tracesLayout->addStretch(1);
    tabResults->addTab(tracesPage, QStringLiteral("Traces"));
    fitResults = new FitResultsPanel(QStringLiteral("Results"));
    tabResults->addTab(fitResults, QStringLiteral("Results"));
    auto *kObsPage = new QWidget();
    auto *kObsLayout = new QVBoxLayout(kObsPage);
    picKObs = new PlotPicture(QStringLiteral("picKObs"), 2600, kObsPage);
    kObsLayout->addWidget(picKObs, 0, Qt::AlignHCenter);
    kObsLayout->addStretch(1);
    tabResults->addTab(kObsPage, QStringLiteral("k_obs"));
    layout->addWidget(tabResults, 1);
    auto *buttons = new QHBoxLayout();
    cmdSimulate = button(right, "cmdSimulate", QStringLiteral("Simulate these constants"));
    cmdExportParameters = button(right, "cmdExportParameters", QStringLiteral("Export Parameters..."));
    cmdExportCurves = button(right, "cmdExportCurves", QStringLiteral("Export Curves..."));
    cmdClose = button(right, "cmdClose", QStringLiteral("Close"));
    buttons->addWidget(cmdSimulate);
    buttons->addWidget(cmdExportParameters);
    buttons->addWidget(cmdExportCurves);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    content->layout()->addWidget(right);
    static_cast<QHBoxLayout *>(content->layout())->setStretchFactor(right, 1);
}

void frmKineticsFit::connectHandlers()
{
    connect(cmdOpenTraces, &QPushButton::clicked, this, &frmKineticsFit::cmdOpenTraces_Click);
    connect(cmdPasteTraces, &QPushButton::clicked, this, &frmKineticsFit::cmdPasteTraces_Click);
    connect(cmdFromSimulation, &QPushButton::clicked, this, &frmKineticsFit::cmdFromSimulation_Click);
    connect(cmdFit, &QPushButton::clicked, this, &frmKineticsFit::cmdFit_Click);
    connect(cmbModel, &QComboBox::activated, this, &frmKineticsFit::cmbModel_Click);
    connect(cmdSimulate, &QPushButton::clicked, this, &frmKineticsFit::cmdSimulate_Click);
    connect(cmdExportParameters, &QPushButton::clicked, this, &frmKineticsFit::cmdExportParameters_Click);
    connect(cmdExportCurves, &QPushButton::clicked, this, &frmKineticsFit::cmdExportCurves_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmKineticsFit::cmdClose_Click);
}
