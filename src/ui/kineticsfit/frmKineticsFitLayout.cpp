#include "kineticsfit/frmKineticsFit.h"

#include "fitting/FitDataTable.h"
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
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The plots of the window, lower than a graph window's; the residuals below
// the traces scroll with them.
constexpr double tracesPlotHeight = 2600;

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
    auto *layout = new QVBoxLayout(content);
    auto *columns = new QHBoxLayout();
    auto *left = new QVBoxLayout();
    left->addWidget(buildTraces(), 1);
    left->addWidget(buildModel());
    columns->addLayout(left);
    columns->addWidget(buildResults(), 1);
    layout->addLayout(columns, 1);
    layout->addLayout(buildButtons());
    setWidget(content);
    connectHandlers();
    cmbModel_Click();
    TraceData_Edited();
    joinReport();
    joinProject();
}

QWidget *frmKineticsFit::buildTraces()
{
    tabTraces = named(new QTabWidget(), "tabTraces");
    auto *listPage = new QWidget();
    auto *layout = new QVBoxLayout(listPage);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    auto *buttons = new QHBoxLayout();
    cmdOpenTraces = button(listPage, "cmdOpenTraces", QStringLiteral("Open..."));
    cmdOpenTraces->setToolTip(QStringLiteral("Open traces from a CSV or tab-separated file"));
    cmdPasteTraces = button(listPage, "cmdPasteTraces", QStringLiteral("Paste"));
    cmdPasteTraces->setToolTip(QStringLiteral("Paste traces copied from a spreadsheet, with their header"));
    cmdFromSimulation = button(listPage, "cmdFromSimulation", QStringLiteral("From Simulation"));
    cmdFromSimulation->setToolTip(QStringLiteral("Take the complex of the last simulation as a trace"));
    buttons->addWidget(cmdOpenTraces);
    buttons->addWidget(cmdPasteTraces);
    buttons->addWidget(cmdFromSimulation);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    auto *unitRow = new QHBoxLayout();
    unitRow->addWidget(new QLabel(QStringLiteral("Time unit:"), listPage));
    cmbTimeUnit = named(new QComboBox(listPage), "cmbTimeUnit");
    cmbTimeUnit->addItems({QStringLiteral("s"), QStringLiteral("min"), QStringLiteral("h")});
    unitRow->addWidget(cmbTimeUnit);
    unitRow->addStretch(1);
    layout->addLayout(unitRow);
    flgTraces = named(new QTableWidget(0, 4, listPage), "flgTraces");
    flgTraces->verticalHeader()->hide();
    // Rows of one line, and the columns sharing the list's width: every
    // column whole in sight, no scrolling sideways.
    flgTraces->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    flgTraces->verticalHeader()->setDefaultSectionSize(flgTraces->fontMetrics().height() + 6);
    flgTraces->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView *columns = flgTraces->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::ResizeToContents);
    columns->setSectionResizeMode(1, QHeaderView::Stretch);
    columns->setSectionResizeMode(2, QHeaderView::Stretch);
    flgTraces->setToolTip(QStringLiteral("Each trace of the table: include it or not, its concentration, and the "
                                         "time its dissociation starts (empty for association alone)"));
    layout->addWidget(flgTraces, 1);
    tabTraces->addTab(listPage, QStringLiteral("Traces"));
    flgTraceData = new FitDataTable(QStringLiteral("flgTraceData"),
                                    QStringLiteral("Time, then one signal column per trace"), QStringLiteral("Time"),
                                    QStringLiteral("Trace"), MaxTraces);
    tabTraces->addTab(flgTraceData, QStringLiteral("Table"));
    return tabTraces;
}

QWidget *frmKineticsFit::buildModel()
{
    auto *frame = named(new QGroupBox(QStringLiteral("Model")), "fraModel");
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(4);
    cmbModel = named(new QComboBox(frame), "cmbModel");
    for (KineticsFit::Model m :
         {KineticsFit::Model::PseudoFirstOrder, KineticsFit::Model::AssociationThenDissociation,
          KineticsFit::Model::Dissociation, KineticsFit::Model::Exact, KineticsFit::Model::Competitive})
        cmbModel->addItem(KineticsFit::ModelName(m), int(m));
    grid->addWidget(cmbModel, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Scale:"), frame), 1, 0);
    cmbScale = named(new QComboBox(frame), "cmbScale");
    cmbScale->addItems({QStringLiteral("Per trace"), QStringLiteral("Shared")});
    grid->addWidget(cmbScale, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Baseline:"), frame), 1, 2);
    cmbBaseline = named(new QComboBox(frame), "cmbBaseline");
    cmbBaseline->addItems({QStringLiteral("Per trace"), QStringLiteral("Shared"), QStringLiteral("Zero")});
    grid->addWidget(cmbBaseline, 1, 3);
    lblTotalB = named(new QLabel(QStringLiteral("Total B:"), frame), "lblTotalB");
    txtTotalB = named(new QLineEdit(frame), "txtTotalB");
    txtTotalB->setToolTip(QStringLiteral("The binding sites, in the concentration unit of the traces"));
    chkFitTotalB = named(new QCheckBox(QStringLiteral("Fit"), frame), "chkFitTotalB");
    grid->addWidget(lblTotalB, 2, 0);
    grid->addWidget(txtTotalB, 2, 1);
    grid->addWidget(chkFitTotalB, 2, 2, 1, 2);
    // Competition: the labelled ligand's concentration and its known rates,
    // in the rows Total B leaves free.
    lblLigand = named(new QLabel(QStringLiteral("Labelled ligand, its k_ass (M-1 per time unit) and k_diss:"), frame),
                      "lblLigand");
    lblLigand->setWordWrap(true);
    grid->addWidget(lblLigand, 3, 0, 1, 4);
    auto *ligandRow = new QHBoxLayout();
    txtLigand = named(new QLineEdit(frame), "txtLigand");
    txtLigand->setPlaceholderText(QStringLiteral("[L]"));
    txtLigandKAss = named(new QLineEdit(frame), "txtLigandKAss");
    txtLigandKAss->setPlaceholderText(QStringLiteral("k_ass"));
    txtLigandKDiss = named(new QLineEdit(frame), "txtLigandKDiss");
    txtLigandKDiss->setPlaceholderText(QStringLiteral("k_diss"));
    for (QLineEdit *field : {txtLigand, txtLigandKAss, txtLigandKDiss})
        ligandRow->addWidget(field);
    grid->addLayout(ligandRow, 4, 0, 1, 4);
    return frame;
}

QWidget *frmKineticsFit::buildResults()
{
    tabResults = named(new QTabWidget(), "tabResults");
    // The traces and their residuals scroll together when the window is low.
    auto *tracesScroll = new QScrollArea();
    tracesScroll->setFrameShape(QFrame::NoFrame);
    tracesScroll->setWidgetResizable(true);
    auto *tracesPage = new QWidget();
    auto *tracesLayout = new QVBoxLayout(tracesPage);
    tracesLayout->setContentsMargins(0, 0, 0, 0);
    picTraces = new PlotPicture(QStringLiteral("picTraces"), tracesPlotHeight, tracesPage);
    picResiduals = new ResidualGraph(tracesPage);
    tracesLayout->addWidget(picTraces, 0, Qt::AlignHCenter);
    tracesLayout->addWidget(picResiduals, 0, Qt::AlignHCenter);
    tracesLayout->addStretch(1);
    tracesScroll->setWidget(tracesPage);
    tabResults->addTab(tracesScroll, QStringLiteral("Traces"));
    fitResults = new FitResultsPanel(QStringLiteral("Results"));
    tabResults->addTab(fitResults, QStringLiteral("Results"));
    auto *kObsPage = new QWidget();
    auto *kObsLayout = new QVBoxLayout(kObsPage);
    picKObs = new PlotPicture(QStringLiteral("picKObs"), tracesPlotHeight, kObsPage);
    kObsLayout->addWidget(picKObs, 0, Qt::AlignHCenter);
    kObsLayout->addStretch(1);
    tabResults->addTab(kObsPage, QStringLiteral("k_obs"));
    // Never narrower than the plots: the results scroll up and down only.
    tabResults->setMinimumWidth(picTraces->width() + tracesScroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                                + 12);
    return tabResults;
}

QLayout *frmKineticsFit::buildButtons()
{
    auto *buttons = new QHBoxLayout();
    cmdFit = button(nullptr, "cmdFit", QStringLiteral("Fit"));
    cmdSimulate = button(nullptr, "cmdSimulate", QStringLiteral("Simulate these constants"));
    cmdExportParameters = button(nullptr, "cmdExportParameters", QStringLiteral("Export Parameters..."));
    cmdExportCurves = button(nullptr, "cmdExportCurves", QStringLiteral("Export Curves..."));
    cmdClose = button(nullptr, "cmdClose", QStringLiteral("Close"));
    for (QPushButton *b : {cmdFit, cmdSimulate, cmdExportParameters, cmdExportCurves})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    return buttons;
}

void frmKineticsFit::connectHandlers()
{
    connect(cmdOpenTraces, &QPushButton::clicked, this, &frmKineticsFit::cmdOpenTraces_Click);
    connect(cmdPasteTraces, &QPushButton::clicked, this, &frmKineticsFit::cmdPasteTraces_Click);
    connect(cmdFromSimulation, &QPushButton::clicked, this, &frmKineticsFit::cmdFromSimulation_Click);
    connect(flgTraceData, &FitDataTable::edited, this, &frmKineticsFit::TraceData_Edited);
    connect(cmdFit, &QPushButton::clicked, this, &frmKineticsFit::cmdFit_Click);
    connect(cmbModel, &QComboBox::currentIndexChanged, this, &frmKineticsFit::cmbModel_Click);
    connect(cmdSimulate, &QPushButton::clicked, this, &frmKineticsFit::cmdSimulate_Click);
    connect(cmdExportParameters, &QPushButton::clicked, this, &frmKineticsFit::cmdExportParameters_Click);
    connect(cmdExportCurves, &QPushButton::clicked, this, &frmKineticsFit::cmdExportCurves_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmKineticsFit::cmdClose_Click);
}
