#include "scatchard/frmScatchard.h"

#include "exchange/ToolData.h"
#include "platform/EditableGrid.h"
#include "platform/GridClipboard.h"
#include "platform/TwipsLayout.h"
#include "printing/ReportWindow.h"
#include "project/ProjectWindow.h"
#include "scatchard/SaturationFitPanel.h"
#include "scatchard/ScatchardAnalysis.h"
#include "scatchard/ScatchardGraph.h"
#include "scatchard/ScatchardWindows.h"
#include "scatchard/frmScatchTlAssistant.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kGridFormat = QStringLiteral("|^   [AB]  |^[AB]/[A];|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20");

} // namespace

using namespace TwipsLayout;

frmScatchard::frmScatchard()
    : ChildWindow(QStringLiteral("frmScatchard"), QStringLiteral("Scatchard Analysis"))
{
    BuildControls();
    Form_Load();
    modStatistics::RegisterScatchardHooks(*this);
    ToolData::RegisterWindow(this, ToolData::Source::Scatchard);
    ToolData::SetScatchardData(
        this,
        [this] {
            flgInputScatchard->CommitEdit();
            return gridRows();
        },
        [this](const QList<QStringList> &cells) { EnterData(cells); });
    ProjectWindow::Join(this, QStringLiteral("scatchard"),
                        ProjectWindow::TablesNamed(
                            {{QStringLiteral("flgInputScatchard"), QStringLiteral("Scatchard")}}));
    ReportDetails::SetDetailsSource(modPlot_Graph::ScatchardTool, [this] {
        return QList<ReportSection>{ReportWindow::TableSection(QStringLiteral("Data"), *flgInputScatchard)}
               + ReportWindow::FrameSections(*this, {QStringLiteral("fraResults")});
    });
}

void frmScatchard::EnterData(const QList<QStringList> &cells)
{
    showInFront();
    cmdClearForm_Click();
    GridClipboard::fillCells(*flgInputScatchard, 1, 1, cells);
    flgInputScatchard->setCurrent(1, 1);
    emit flgInputScatchard->cellCommitted(1, 1);
}

QString frmScatchard::UnitLabel(const QString &unit)
{
    return QStringLiteral("(in ") + unit + QStringLiteral(" )");
}

void frmScatchard::BuildControls()
{
    auto *content = new QWidget();
    // The layout's twips sizes are made for an 8-point dialog font.
    QFont small = content->font();
    small.setPointSize(8);
    content->setFont(small);
    lblReactionEquation = label(content, "lblReactionEquation", QStringLiteral("A + B <==> [A/B]"), 120, 60, 4700, 300);
    lblReactionEquation->setAlignment(Qt::AlignCenter);
    QFont bold = lblReactionEquation->font();
    bold.setBold(true);
    lblReactionEquation->setFont(bold);
    BuildInputFrame(content);
    BuildOutputs(content);
    fitPanel = new SaturationFitPanel(*this, content);
    setWidget(content);

    QWidget *order[] = {flgInputScatchard, cmdScatchardAssistant, cmdScatchard, cmdClearForm, cmdOptions, cmdClose};
    for (size_t i = 1; i < sizeof order / sizeof order[0]; ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    connect(cmdScatchard, &QPushButton::clicked, this, &frmScatchard::cmdScatchard_Click);
    connect(cmdClearForm, &QPushButton::clicked, this, &frmScatchard::cmdClearForm_Click);
    connect(cmdOptions, &QPushButton::clicked, this, &frmScatchard::cmdOptions_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmScatchard::cmdClose_Click);
    connect(cmdScatchardAssistant, &QPushButton::clicked, this, &frmScatchard::cmdScatchardAssistant_Click);
    connect(flgInputScatchard, &EditableGrid::cellCommitted, this, &frmScatchard::flgInputScatchard_CellCommitted);
    // Typing, pasting, Open Data and Clear Form all change the cells' texts.
    connect(flgInputScatchard->model(), &QAbstractItemModel::dataChanged, this,
            &frmScatchard::flgInputScatchard_DataChanged);
    connect(this, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if ((now & Qt::WindowActive) && !(before & Qt::WindowActive))
            Form_Activate();
    });
}

void frmScatchard::BuildInputFrame(QWidget *content)
{
    // The frame is the container of the grid and its editor.
    fraInput = frame(content, "fraInput", QStringLiteral("Input"), 120, 360, 2250, 3900);
    lblInputHeading = label(fraInput, "lblInputHeading", QStringLiteral("No. Bound Bound/Free"), 195, 300, 1935);
    lblUnit = label(fraInput, "lblUnit", QStringLiteral("(in nM)"), 195, 540, 1935);

    flgInputScatchard = new EditableGrid(QStringLiteral("flgInputScatchard"), kGridFormat, fraInput);
    flgInputScatchard->setGeometry(Twips::toPixels(195, 840, 1935, 2655));
    flgInputScatchard->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    flgInputScatchard->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    flgInputScatchard->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    flgInputScatchard->verticalHeader()->setMinimumSectionSize(Twips::toPixelsY(240));
    flgInputScatchard->verticalHeader()->setDefaultSectionSize(Twips::toPixelsY(255));
    flgInputScatchard->verticalHeader()->setFixedWidth(Twips::toPixelsX(330));
    txtEdit = flgInputScatchard->editor();

    cmdScatchardAssistant = button(fraInput, "cmdScatchardAssistant", QStringLiteral("Scatchard Assistant"), 195, 3540,
                                   1935, 300);
    cmdScatchardAssistant->setToolTip(
        QStringLiteral("How to enter the Scatchard Analysis data? The Scatchard Assistant helps..."));
}

void frmScatchard::BuildOutputs(QWidget *content)
{
    const double left = 2490, width = 2400;
    lblBestFitTitle = label(content, "lblBestFitTitle", QStringLiteral("Linear Regression"), left, 420, width);
    QFont bold = lblBestFitTitle->font();
    bold.setBold(true);
    lblBestFitTitle->setFont(bold);
    lblBestFit = label(content, "lblBestFit", QStringLiteral("Intercept:     Slope:"), left, 700, width);
    lblOutputIntercept = label(content, "lblOutputIntercept", QStringLiteral("a"), left, 960, 1140);
    lblOutputSlope = label(content, "lblOutputSlope", QStringLiteral("b"), left + 1200, 960, width - 1200);
    lblSEb = label(content, "lblSEb", QStringLiteral("Standard Error of the slope:"), left, 1320, width);
    lblOutputSEb = label(content, "lblOutputSEb", QStringLiteral("SE(b)"), left, 1560, width);
    lbldf = label(content, "lbldf", QStringLiteral("Degrees of freedom (df):"), left, 1920, width);
    lblOutputdf = label(content, "lblOutputdf", QStringLiteral("df"), left, 2160, width);

    cmdScatchard = button(content, "cmdScatchard", QStringLiteral("Analyze data"), left, 2640, width, 420);
    cmdClearForm = button(content, "cmdClearForm", QStringLiteral("Clear Form"), left, 3150, 1170);
    cmdOptions = button(content, "cmdOptions", QStringLiteral("Options"), left + 1230, 3150, 1170);
    cmdClose = button(content, "cmdClose", QStringLiteral("Close"), left, 3600, 1170);

    fraResults = frame(content, "fraResults", QStringLiteral("Results"), 120, 4320, 4770, 1080);
    lblKd = label(fraResults, "lblKd", QStringLiteral("Calculated  Kd:"), 120, 270, 1500);
    lblOutputKd = label(fraResults, "lblOutputKd", QStringLiteral("Kd"), 1680, 270, 2970);
    lblKdConfidence = label(fraResults, "lblKdConfidence", QStringLiteral("95% Confidence interval for Kd:"), 120, 530,
                            4530);
    lblOutputCI = label(fraResults, "lblOutputCI", QStringLiteral("xxx < Kd < xxx"), 360, 780, 4290);
    for (QLabel *output : {lblOutputIntercept, lblOutputSlope, lblOutputSEb, lblOutputdf, lblOutputKd, lblOutputCI})
        output->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void frmScatchard::Form_Load()
{
    setTwipsGeometry(0, 0, 5070, 5895);
    lblUnit->setText(UnitLabel(Session::current().concentrationUnit()));
    txtEdit->setText(QString());
}

void frmScatchard::Form_Activate()
{
    modStatistics::ShowLinearScaleTitles();
}

QList<modStatistics::DataRowText> frmScatchard::gridRows() const
{
    QList<modStatistics::DataRowText> rows;
    for (int row = 1; row < flgInputScatchard->Rows(); ++row)
        rows.append({flgInputScatchard->TextMatrix(row, 1), flgInputScatchard->TextMatrix(row, 2)});
    return rows;
}

void frmScatchard::cmdScatchard_Click()
{
    m_resultsOfGrid = modStatistics::AnalyzeScatchard(*this);
}

void frmScatchard::cmdClearForm_Click()
{
    flgInputScatchard->CommitEdit();
    for (int row = 1; row < flgInputScatchard->Rows(); ++row) {
        flgInputScatchard->setTextMatrix(row, 1, QString());
        flgInputScatchard->setTextMatrix(row, 2, QString());
    }
    // The current cell goes to the last row, but the view stays on the first,
    // where the next data is typed (also when the window is shown later).
    flgInputScatchard->setAutoScroll(false);
    flgInputScatchard->setCurrent(flgInputScatchard->Rows() - 1, 2);
    flgInputScatchard->setAutoScroll(true);
    flgInputScatchard->scrollToTop();
}

void frmScatchard::cmdOptions_Click()
{
    modStatistics::ShowScatchardGraphOptions();
}

void frmScatchard::cmdClose_Click()
{
    hide();
}

void frmScatchard::cmdScatchardAssistant_Click()
{
    if (frmScatchTlAssistant *assistant = scatchardWindows().scatchardAssistant) {
        assistant->hide();
        assistant->showInFront();
    }
    modStatistics::ShowInputRequirements();
}

void frmScatchard::flgInputScatchard_DataChanged()
{
    // The curve fit's results go at once; the regression outputs stay, but
    // the status bar says they belong to the earlier data.
    fitPanel->DataChanged();
    if (m_resultsOfGrid) {
        m_resultsOfGrid = false;
        StatusText::set(QStringLiteral("Data changed after Analyze data: the results are of the earlier data."));
    }
}

void frmScatchard::flgInputScatchard_CellCommitted()
{
    // Every value the editor writes (on leaving the cell, on Space or an
    // arrow key, on a click back into the grid) refreshes the guidance.
    modStatistics::RefreshInputRequirements();
}
