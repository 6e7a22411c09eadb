#include "scatchard/frmSaturation.h"

#include "exchange/CsvText.h"
#include "exchange/DataExport.h"
#include "exchange/FitResultsCsv.h"
#include "exchange/ToolData.h"
#include "fitting/FitDataTable.h"
#include "fitting/FitResultsPanel.h"
#include "fitting/FitTexts.h"
#include "fitting/ResidualGraph.h"
#include "graphing/PlotEngine.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "printing/FitReportList.h"
#include "scatchard/SaturationBindingGraph.h"
#include "scatchard/SaturationPlots.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

using namespace modStatistics;

namespace {

const QString kTitle = QStringLiteral("Saturation Binding");
constexpr int maxReportRows = 25;

void warn(const QString &text)
{
    Messages::show(text, Messages::Buttons::Ok, Messages::Icon::Exclamation, kTitle);
}

template <typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

const char *const kWeightings[] = {"No weighting", "Relative (1/Y²)", "Poisson (1/Y)"};

} // namespace

frmSaturation::frmSaturation()
    : ChildWindow(QStringLiteral("frmSaturation"), kTitle)
{
    BuildControls();
    ToolData::RegisterWindow(this, ToolData::Source::Saturation);
    ToolData::SetDataCommands(
        this, ToolData::Source::Saturation, [this] { cmdExport_Click(); },
        [this] { static_cast<FitDataTable *>(tabData->currentWidget())->openData(); });
    modPlot_Graph::SetReplotHandler(modPlot_Graph::SaturationTool, [this] { PlotGraph(); });
    ToolLists::SetReportSource(modPlot_Graph::SaturationTool, [this](const QString &) { return ReportList(); });
    setTwipsGeometry(0, 0, 11400, 7800);
}

void frmSaturation::BuildControls()
{
    auto *content = new QWidget();
    auto *columns = new QHBoxLayout(content);

    auto *left = new QVBoxLayout();
    tabData = named(new QTabWidget(content), "tabData");
    flgBinding = new FitDataTable(QStringLiteral("flgBinding"),
                                  QStringLiteral("Binding at each X: free ligand, or total ligand added for ligand "
                                                 "depletion"),
                                  QStringLiteral("X"), QStringLiteral("Y"), FitDataTable::MaxReplicates);
    flgNonspecific = new FitDataTable(QStringLiteral("flgNonspecific"),
                                      QStringLiteral("Nonspecific binding, for total and nonspecific fitted together"),
                                      QStringLiteral("X"), QStringLiteral("NS"), FitDataTable::MaxReplicates);
    for (FitDataTable *table : {flgBinding, flgNonspecific})
        table->lblTitle->setWordWrap(true);
    tabData->addTab(flgBinding, QStringLiteral("Binding"));
    tabData->addTab(flgNonspecific, QStringLiteral("Nonspecific"));
    left->addWidget(tabData, 1);
    left->addWidget(BuildModelFrame());
    columns->addLayout(left, 1);

    tabResults = named(new QTabWidget(content), "tabResults");
    auto *resultsPage = new QWidget();
    auto *resultsLayout = new QVBoxLayout(resultsPage);
    fitResults = new FitResultsPanel(QStringLiteral("Results"), resultsPage);
    resultsLayout->addWidget(fitResults, 1);
    picResiduals = new ResidualGraph(resultsPage);
    resultsLayout->addWidget(picResiduals, 0, Qt::AlignHCenter);
    tabResults->addTab(resultsPage, QStringLiteral("Results"));

    auto *viewPage = new QWidget();
    auto *viewLayout = new QVBoxLayout(viewPage);
    cmbView = named(new QComboBox(viewPage), "cmbView");
    cmbView->addItems(
        {QStringLiteral("Scatchard: Bound/Free against Bound"), QStringLiteral("Rosenthal: Bound against Bound/Free")});
    viewLayout->addWidget(cmbView);
    picView = new PlotPicture(QStringLiteral("picView"), 2600, viewPage);
    viewLayout->addWidget(picView, 0, Qt::AlignHCenter);
    viewLayout->addStretch(1);
    tabResults->addTab(viewPage, QStringLiteral("Scatchard / Rosenthal"));
    columns->addWidget(tabResults, 1);
    setWidget(content);

    connect(flgBinding, &FitDataTable::edited, this, &frmSaturation::DataChanged);
    connect(flgNonspecific, &FitDataTable::edited, this, &frmSaturation::DataChanged);
    connect(cmdFit, &QPushButton::clicked, this, &frmSaturation::cmdFit_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmSaturation::cmdExport_Click);
    connect(cmdClearForm, &QPushButton::clicked, this, &frmSaturation::cmdClearForm_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    connect(cmbModel, &QComboBox::currentIndexChanged, this, &frmSaturation::cmbModel_Click);
    connect(cmbView, &QComboBox::currentIndexChanged, this, &frmSaturation::cmbView_Click);
    // A change of what is fitted leaves the results of the earlier choice.
    for (QComboBox *choice : {cmbModel, cmbCompare, cmbWeighting, cmbReplicates})
        connect(choice, &QComboBox::currentIndexChanged, this, &frmSaturation::DataChanged);
    connect(txtSites, &QLineEdit::textEdited, this, &frmSaturation::DataChanged);
    cmbModel_Click();
}

QWidget *frmSaturation::BuildModelFrame()
{
    auto *frame = named(new QGroupBox(QStringLiteral("Model")), "fraModel");
    auto *form = new QFormLayout(frame);
    cmbModel = named(new QComboBox(frame), "cmbModel");
    cmbCompare = named(new QComboBox(frame), "cmbCompare");
    cmbCompare->addItem(QStringLiteral("(none)"));
    for (SaturationModel model : AllSaturationModels) {
        cmbModel->addItem(ModelName(model), int(model));
        cmbCompare->addItem(ModelName(model), int(model));
    }
    form->addRow(QStringLiteral("Model:"), cmbModel);
    lblEquation = named(new QLabel(frame), "lblEquation");
    lblEquation->setWordWrap(true);
    form->addRow(lblEquation);
    lblSites = named(new QLabel(QStringLiteral("Binding sites:"), frame), "lblSites");
    txtSites = named(new QLineEdit(frame), "txtSites");
    txtSites->setPlaceholderText(QStringLiteral("blank: fitted"));
    form->addRow(lblSites, txtSites);
    form->addRow(QStringLiteral("Compare with:"), cmbCompare);
    cmbWeighting = named(new QComboBox(frame), "cmbWeighting");
    for (const char *weighting : kWeightings)
        cmbWeighting->addItem(QString::fromUtf8(weighting));
    form->addRow(QStringLiteral("Weighting:"), cmbWeighting);
    cmbReplicates = named(new QComboBox(frame), "cmbReplicates");
    cmbReplicates->addItems({QStringLiteral("Each replicate a point"), QStringLiteral("Means, SD as error bars")});
    form->addRow(QStringLiteral("Replicates:"), cmbReplicates);
    txtYUnit = named(new QLineEdit(Session::current().concentrationUnit(), frame), "txtYUnit");
    form->addRow(QStringLiteral("Unit of Y:"), txtYUnit);

    auto *buttons = new QGridLayout();
    cmdFit = named(new QPushButton(QStringLiteral("Fit"), frame), "cmdFit");
    cmdFit->setDefault(true);
    cmdExport = named(new QPushButton(QStringLiteral("Export Results as CSV..."), frame), "cmdExport");
    cmdClearForm = named(new QPushButton(QStringLiteral("Clear Form"), frame), "cmdClearForm");
    cmdClose = named(new QPushButton(QStringLiteral("Close"), frame), "cmdClose");
    buttons->addWidget(cmdFit, 0, 0);
    buttons->addWidget(cmdExport, 0, 1);
    buttons->addWidget(cmdClearForm, 1, 0);
    buttons->addWidget(cmdClose, 1, 1);
    form->addRow(buttons);
    return frame;
}

SaturationModel frmSaturation::chosenModel() const
{
    return SaturationModel(cmbModel->currentData().toInt());
}

Fitting::FitOptions frmSaturation::options() const
{
    Fitting::FitOptions options;
    options.weighting = Fitting::Weighting(cmbWeighting->currentIndex());
    return options;
}

void frmSaturation::cmbModel_Click()
{
    const SaturationModel model = chosenModel();
    lblEquation->setText(ModelEquation(model));
    const bool depletion = model == SaturationModel::Depletion;
    lblSites->setEnabled(depletion);
    txtSites->setEnabled(depletion);
}

void frmSaturation::cmbView_Click()
{
    SaturationPlotData data{m_binding, m_nonspecific, false, QString(), QString()};
    const BindingView view = cmbView->currentIndex() == 0 ? BindingView::Scatchard : BindingView::Rosenthal;
    if (m_fits.empty() || !picView->showPlot(TransformedPlot(view, data, m_fits)))
        picView->clearPlot();
}

void frmSaturation::DataChanged()
{
    fitResults->markOutOfDate();
}

void frmSaturation::cmdClearForm_Click()
{
    flgBinding->clear();
    flgNonspecific->clear();
    txtSites->clear();
}

bool frmSaturation::ReadInput(SaturationData &data)
{
    QString problem;
    if (!flgBinding->table(m_binding, problem)) {
        warn(QStringLiteral("Binding table: ") + problem);
        return false;
    }
    if (!flgNonspecific->table(m_nonspecific, problem)) {
        warn(QStringLiteral("Nonspecific table: ") + problem);
        return false;
    }
    const bool means = cmbReplicates->currentIndex() == 1;
    data.binding = means ? Fitting::MeanPoints(m_binding) : Fitting::IndividualPoints(m_binding);
    data.nonspecific = means ? Fitting::MeanPoints(m_nonspecific) : Fitting::IndividualPoints(m_nonspecific);
    data.xUnit = Session::current().concentrationUnit();
    data.yUnit = txtYUnit->text().trimmed();
    data.sites = 0;
    const QString sites = txtSites->text().trimmed();
    if (chosenModel() == SaturationModel::Depletion && !sites.isEmpty()) {
        double value = 0;
        try {
            value = NumberText::dataFieldValue(sites);
        } catch (const RuntimeFault &) {
            value = 0;
        }
        if (!(value > 0 && std::isfinite(value))) {
            warn(QStringLiteral("Binding sites: enter a concentration greater than zero, or leave it blank to fit "
                                "it."));
            return false;
        }
        data.sites = value;
    }
    if (data.binding.x.empty()) {
        warn(QStringLiteral("Enter the binding data first: X and at least one Y in each row."));
        return false;
    }
    return true;
}

void frmSaturation::cmdFit_Click()
{
    SaturationData data;
    if (!ReadInput(data))
        return;
    StatusText::set(QStringLiteral("Fitting ..."));
    m_fits.clear();
    m_verdict.clear();
    m_fits.push_back(FitSaturationModel(chosenModel(), data, options()));
    if (cmbCompare->currentIndex() > 0) {
        const SaturationModel other = SaturationModel(cmbCompare->currentData().toInt());
        if (other != chosenModel()) {
            m_fits.push_back(FitSaturationModel(other, data, options()));
            m_verdict = CompareSaturationFits(m_fits[0], m_fits[1]).sentence;
        }
    }
    ShowFits();
    StatusText::clear();
}

void frmSaturation::ShowFits()
{
    const SaturationModelFit &fit = m_fits.front();
    QStringList notes;
    if (!m_verdict.isEmpty())
        notes << m_verdict;
    if (fit.problem.isEmpty()) {
        notes << SaturationWarnings(fit);
        fitResults->showResult(fit.result, notes.join(QLatin1Char('\n')));
        std::vector<std::vector<double>> x;
        for (const Fitting::FitDataSet &set : fit.sets)
            x.push_back(set.x);
        picResiduals->showResiduals(x, fit.result.residuals, {QStringLiteral("Binding"), QStringLiteral("Nonspecific")},
                                    {CurveColor(0), QColor(128, 128, 128)}, QStringLiteral("X"));
    } else {
        notes.prepend(fit.problem);
        fitResults->showNote(notes.join(QLatin1Char('\n')));
        picResiduals->clearPlot();
    }
    cmbView_Click();
    try {
        PlotGraph();
    } catch (const RuntimeFault &) {
        warn(QStringLiteral("The graph cannot be drawn: a value lies too far outside the axis ranges."));
    }
}

void frmSaturation::PlotGraph()
{
    if (m_fits.empty())
        return;
    const QString unit = QStringLiteral(" (") + Session::current().concentrationUnit() + QLatin1Char(')');
    const QString yUnit = txtYUnit->text().trimmed();
    SaturationPlotData data{m_binding, m_nonspecific, cmbReplicates->currentIndex() == 1,
                            (chosenModel() == SaturationModel::Depletion ? QStringLiteral("[Total ligand]")
                                                                         : QStringLiteral("[Free]"))
                                + unit,
                            QStringLiteral("Bound")
                                + (yUnit.isEmpty() ? QString() : QStringLiteral(" (") + yUnit + QLatin1Char(')'))};
    PlotSaturationBindingGraph(SaturationPlot(data, m_fits));
}

QString frmSaturation::CsvText() const
{
    std::string text;
    const SaturationModelFit &fit = m_fits.front();
    CsvText::appendField(text, QStringLiteral("# Saturation Binding: ") + ModelName(fit.model) + QStringLiteral(", ")
                                   + cmbWeighting->currentText() + QStringLiteral(", ") + cmbReplicates->currentText());
    CsvText::endRecord(text);
    text += FitResultsCsv::ParameterRows(fit.result);
    CsvText::endRecord(text);
    QStringList header{QStringLiteral("Table"), QStringLiteral("X")};
    for (int r = 1; r <= FitDataTable::MaxReplicates; ++r)
        header << QStringLiteral("Y%1").arg(r);
    text += CsvText::record(header);
    for (const auto &[name, table] :
         {std::pair{QStringLiteral("Binding"), &m_binding}, std::pair{QStringLiteral("Nonspecific"), &m_nonspecific}}) {
        for (size_t row = 0; row < table->x.size(); ++row) {
            CsvText::appendField(text, name);
            text += ',';
            CsvText::appendNumber(text, table->x[row]);
            for (double y : table->y[row]) {
                text += ',';
                CsvText::appendNumber(text, y);
            }
            CsvText::endRecord(text);
        }
    }
    return QString::fromStdString(text);
}

void frmSaturation::cmdExport_Click()
{
    if (m_fits.empty() || m_fits.front().result.outcome != Fitting::FitResult::Fitted) {
        warn(QStringLiteral("There are no results to export yet: press Fit first."));
        return;
    }
    if (fitResults->isOutOfDate()) {
        warn(QStringLiteral("The results are out of date: press Fit to fit the data as they stand, then export."));
        return;
    }
    DataExport::ExportCsvText(kTitle, CsvText().toStdString());
}

ReportColumns frmSaturation::ReportList() const
{
    ReportColumns list;
    if (m_fits.empty())
        return list;
    const SaturationModelFit &fit = m_fits.front();
    ToolLists::AppendRow(list, QStringLiteral("Model:"), ModelName(fit.model));
    ToolLists::AppendRow(list, QStringLiteral("Weighting:"), cmbWeighting->currentText());
    ToolLists::AppendRow(list, QStringLiteral("Replicates:"), cmbReplicates->currentText());
    if (fitResults->isOutOfDate())
        ToolLists::AppendRow(list, QString(), QStringLiteral("out of date: fit again"));
    if (fit.problem.isEmpty()) {
        const ReportColumns results = ToolLists::FitResultList(fit.result);
        ToolLists::AppendRow(list, results.labels, results.values);
    } else {
        ToolLists::AppendRow(list, QStringLiteral("No result:"), fit.problem);
    }
    if (!m_verdict.isEmpty())
        ToolLists::AppendRow(list, QStringLiteral("Comparison:"), m_verdict);
    for (const auto &[name, table] :
         {std::pair{QStringLiteral("Binding"), &m_binding}, std::pair{QStringLiteral("Nonspecific"), &m_nonspecific}}) {
        for (size_t row = 0; row < table->x.size() && row < size_t(maxReportRows); ++row) {
            QStringList values;
            for (double y : table->y[row])
                if (!std::isnan(y))
                    values << Fitting::FitNumberText(y);
            ToolLists::AppendRow(list, row == 0 ? name + QLatin1Char(':') : QString(),
                                 QStringLiteral("X ") + Fitting::FitNumberText(table->x[row]) + QStringLiteral(": ")
                                     + values.join(QStringLiteral(", ")));
        }
        if (table->x.size() > size_t(maxReportRows))
            ToolLists::AppendRow(list, QString(),
                                 QStringLiteral("... and %1 more rows").arg(table->x.size() - maxReportRows));
    }
    return list;
}
