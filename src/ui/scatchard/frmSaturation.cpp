#include "scatchard/frmSaturation.h"

#include "exchange/CsvText.h"
#include "exchange/DataExport.h"
#include "exchange/FitResultsCsv.h"
#include "exchange/ToolData.h"
#include "fitting/FitDataTable.h"
#include "fitting/FitResultsPanel.h"
#include "fitting/ResidualGraph.h"
#include "graphing/PlotEngine.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "project/ProjectWindow.h"
#include "scatchard/SaturationBindingGraph.h"
#include "scatchard/SaturationReport.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QComboBox>
#include <QGraphicsOpacityEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

using namespace modStatistics;

namespace {

const QString kTitle = QStringLiteral("Saturation Binding");
const QString kFittedKey = QStringLiteral("fitted");
constexpr double fitPlotHeight = 2400; // twips
constexpr double fadedOpacity = 0.35;  // pictures of results out of date

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

// A page that scrolls when the window is smaller than it is: the window
// fits the main window's work area, whatever the page's wrapped notes or
// pictures need.
QScrollArea *scrolled(QWidget *page)
{
    auto *area = new QScrollArea();
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    return area;
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
    ReportDetails::SetDetailsSource(modPlot_Graph::SaturationTool, [this] {
        return SaturationReportSections({m_binding, m_nonspecific, m_fits, m_comparison});
    });
    JoinProject();
    setTwipsGeometry(0, 0, 11400, 7800);
}

void frmSaturation::BuildControls()
{
    // The data, the choices and the buttons on the left, what the fit gives
    // on the right: the window fits the main window's work area at its
    // default size, the results and pictures scrolling in their tabs where
    // they need more room.
    auto *content = new QWidget();
    auto *columns = new QHBoxLayout(content);
    columns->setContentsMargins(6, 6, 6, 6);

    auto *left = new QVBoxLayout();
    tabData = named(new QTabWidget(content), "tabData");
    flgBinding = new FitDataTable(QStringLiteral("flgBinding"),
                                  QStringLiteral("X: free ligand (total added for ligand depletion)"),
                                  QStringLiteral("X"), QStringLiteral("Y"), FitDataTable::MaxReplicates);
    flgNonspecific = new FitDataTable(QStringLiteral("flgNonspecific"),
                                      QStringLiteral("Fitted with the total binding by its model"), QStringLiteral("X"),
                                      QStringLiteral("NS"), FitDataTable::MaxReplicates);
    tabData->addTab(flgBinding, QStringLiteral("Binding"));
    tabData->addTab(flgNonspecific, QStringLiteral("Nonspecific"));
    left->addWidget(tabData, 1);
    left->addLayout(BuildChoices(content));
    columns->addLayout(left, 2);

    columns->addWidget(BuildResultTabs(content), 3);
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

QWidget *frmSaturation::BuildResultTabs(QWidget *content)
{
    tabResults = named(new QTabWidget(content), "tabResults");
    // The results with their export below them.
    auto *resultsPage = new QWidget();
    auto *resultsLayout = new QVBoxLayout(resultsPage);
    resultsLayout->setContentsMargins(0, 0, 0, 6);
    fitResults = new FitResultsPanel(QStringLiteral("Results"));
    resultsLayout->addWidget(scrolled(fitResults), 1);
    cmdExport = named(new QPushButton(QStringLiteral("Export Results as CSV..."), resultsPage), "cmdExport");
    resultsLayout->addWidget(cmdExport, 0, Qt::AlignRight);
    tabResults->addTab(resultsPage, QStringLiteral("Results"));

    auto *curvesPage = new QWidget();
    auto *curvesLayout = new QVBoxLayout(curvesPage);
    picFit = new PlotPicture(QStringLiteral("picFit"), fitPlotHeight, curvesPage);
    picResiduals = new ResidualGraph(curvesPage);
    curvesLayout->addWidget(picFit, 0, Qt::AlignHCenter);
    curvesLayout->addWidget(picResiduals, 0, Qt::AlignHCenter);
    curvesLayout->addStretch(1);
    tabResults->addTab(scrolled(curvesPage), QStringLiteral("Curves and Residuals"));

    auto *viewPage = new QWidget();
    auto *viewLayout = new QVBoxLayout(viewPage);
    cmbView = named(new QComboBox(viewPage), "cmbView");
    cmbView->addItems(
        {QStringLiteral("Scatchard: Bound/Free against Bound"), QStringLiteral("Rosenthal: Bound against Bound/Free")});
    viewLayout->addWidget(cmbView, 0, Qt::AlignLeft);
    picView = new PlotPicture(QStringLiteral("picView"), fitPlotHeight, viewPage);
    viewLayout->addWidget(picView, 0, Qt::AlignHCenter);
    viewLayout->addStretch(1);
    tabResults->addTab(scrolled(viewPage), QStringLiteral("Scatchard / Rosenthal"));
    return tabResults;
}

QGridLayout *frmSaturation::BuildChoices(QWidget *content)
{
    auto *grid = new QGridLayout();
    const auto addRow = [&](int row, const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, content);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1, 1, 3);
    };
    cmbModel = named(new QComboBox(content), "cmbModel");
    cmbCompare = named(new QComboBox(content), "cmbCompare");
    cmbCompare->addItem(QStringLiteral("(none)"));
    // Each model's equation is its tooltip in the lists, and heads its results.
    for (SaturationModel model : AllSaturationModels)
        for (QComboBox *list : {cmbModel, cmbCompare}) {
            list->addItem(ModelName(model), int(model));
            list->setItemData(list->count() - 1, ModelEquation(model), Qt::ToolTipRole);
        }
    addRow(0, QStringLiteral("&Model:"), cmbModel);
    addRow(2, QStringLiteral("Com&pare:"), cmbCompare);
    cmbWeighting = named(new QComboBox(content), "cmbWeighting");
    for (const char *weighting : kWeightings)
        cmbWeighting->addItem(QString::fromUtf8(weighting));
    addRow(3, QStringLiteral("&Weighting:"), cmbWeighting);
    cmbReplicates = named(new QComboBox(content), "cmbReplicates");
    cmbReplicates->addItems({QStringLiteral("Each replicate a point"), QStringLiteral("Means, SD as error bars")});
    addRow(4, QStringLiteral("&Replicates:"), cmbReplicates);
    lblSites = named(new QLabel(QStringLiteral("Sites:"), content), "lblSites");
    txtSites = named(new QLineEdit(content), "txtSites");
    txtSites->setPlaceholderText(QStringLiteral("fitted"));
    txtSites->setToolTip(QStringLiteral("The binding-site concentration for ligand depletion; blank to fit it"));
    lblSites->setBuddy(txtSites);
    txtYUnit = named(new QLineEdit(Session::current().concentrationUnit(), content), "txtYUnit");
    auto *lblYUnit = new QLabel(QStringLiteral("Unit of Y:"), content);
    lblYUnit->setBuddy(txtYUnit);
    grid->addWidget(lblSites, 5, 0);
    grid->addWidget(txtSites, 5, 1);
    grid->addWidget(lblYUnit, 5, 2);
    grid->addWidget(txtYUnit, 5, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    cmdFit = named(new QPushButton(QStringLiteral("Fit"), content), "cmdFit");
    cmdFit->setDefault(true);
    cmdClearForm = named(new QPushButton(QStringLiteral("Clear Form"), content), "cmdClearForm");
    cmdClose = named(new QPushButton(QStringLiteral("Close"), content), "cmdClose");
    auto *buttons = new QHBoxLayout();
    for (QPushButton *button : {cmdFit, cmdClearForm, cmdClose})
        buttons->addWidget(button);
    grid->addLayout(buttons, 6, 0, 1, 4);
    return grid;
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
    cmbModel->setToolTip(ModelEquation(model));
    const bool depletion = model == SaturationModel::Depletion;
    lblSites->setEnabled(depletion);
    txtSites->setEnabled(depletion);
}

void frmSaturation::cmbView_Click()
{
    const BindingView view = cmbView->currentIndex() == 0 ? BindingView::Scatchard : BindingView::Rosenthal;
    if (m_fits.empty() || !picView->showPlot(TransformedPlot(view, PlotData(), m_fits)))
        picView->clearPlot();
}

void frmSaturation::DataChanged()
{
    fitResults->markOutOfDate();
    FadePictures(fitResults->isOutOfDate());
}

void frmSaturation::FadePictures(bool fade)
{
    // Faded as the results are greyed: the curves no longer belong to the data.
    for (PlotPicture *picture : {picFit, picView, static_cast<PlotPicture *>(picResiduals)}) {
        auto *effect = qobject_cast<QGraphicsOpacityEffect *>(picture->graphicsEffect());
        if (!effect) {
            effect = new QGraphicsOpacityEffect(picture);
            effect->setOpacity(fadedOpacity);
            picture->setGraphicsEffect(effect);
        }
        effect->setEnabled(fade);
    }
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
    if (!FitData())
        return;
    try {
        PlotGraph();
    } catch (const RuntimeFault &) {
        warn(QStringLiteral("The graph cannot be drawn: a value lies too far outside the axis ranges."));
    }
    // The graph window holds the graph for printing; the results stay in sight.
    showInFront();
}

bool frmSaturation::FitData()
{
    SaturationData data;
    if (!ReadInput(data))
        return false;
    StatusText::set(QStringLiteral("Fitting ..."));
    m_fits.clear();
    m_comparison = SaturationVerdict();
    m_fits.push_back(FitSaturationModel(chosenModel(), data, options()));
    if (cmbCompare->currentIndex() > 0) {
        const SaturationModel other = SaturationModel(cmbCompare->currentData().toInt());
        if (other != chosenModel()) {
            m_fits.push_back(FitSaturationModel(other, data, options()));
            m_comparison = CompareSaturationFits(m_fits[0], m_fits[1]);
        }
    }
    ShowFits();
    StatusText::clear();
    return true;
}

void frmSaturation::ShowFits()
{
    const SaturationModelFit &fit = m_fits.front();
    QStringList notes{ModelEquation(fit.model)};
    if (!verdict().isEmpty())
        notes << verdict();
    if (fit.problem.isEmpty()) {
        for (const QStringList &test : SaturationTestRows(fit))
            notes << test.join(QLatin1Char(' '));
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
    if (!picFit->showPlot(SaturationPlot(PlotData(), m_fits)))
        picFit->clearPlot();
    tabResults->setCurrentIndex(0);
    cmbView_Click();
    FadePictures(false);
}

SaturationPlotData frmSaturation::PlotData() const
{
    const QString unit = QStringLiteral(" (") + Session::current().concentrationUnit() + QLatin1Char(')');
    const QString yUnit = txtYUnit->text().trimmed();
    return {m_binding, m_nonspecific, cmbReplicates->currentIndex() == 1,
            (chosenModel() == SaturationModel::Depletion ? QStringLiteral("[Total ligand]") : QStringLiteral("[Free]"))
                + unit,
            QStringLiteral("Bound") + (yUnit.isEmpty() ? QString() : QStringLiteral(" (") + yUnit + QLatin1Char(')'))};
}

void frmSaturation::PlotGraph()
{
    if (!m_fits.empty())
        PlotSaturationBindingGraph(SaturationPlot(PlotData(), m_fits));
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
    ToolLists::AppendRow(list, QStringLiteral("Model:"), ModelName(m_fits.front().model));
    ToolLists::AppendRow(list, QString(), ModelEquation(m_fits.front().model));
    if (m_fits.size() > 1) {
        ToolLists::AppendRow(list, QStringLiteral("Compared with:"), ModelName(m_fits.back().model));
        ToolLists::AppendRow(list, QString(), ModelEquation(m_fits.back().model));
    }
    ToolLists::AppendRow(list, QStringLiteral("Weighting:"), cmbWeighting->currentText());
    ToolLists::AppendRow(list, QStringLiteral("Replicates:"), cmbReplicates->currentText());
    if (fitResults->isOutOfDate())
        ToolLists::AppendRow(list, QString(), QStringLiteral("out of date: fit again"));
    return list;
}

void frmSaturation::ClearResults()
{
    m_fits.clear();
    m_comparison = SaturationVerdict();
    m_binding = m_nonspecific = Fitting::ReplicateTable();
    fitResults->showNote(QString());
    for (PlotPicture *picture : {picFit, picView, static_cast<PlotPicture *>(picResiduals)})
        picture->clearPlot();
    FadePictures(false);
}

// The tables and choices are the window's controls; the fit is done again
// when the project opens, if the results were up to date when it was saved.
void frmSaturation::JoinProject()
{
    ProjectWindow::Extras extras = ProjectWindow::TablesNamed(
        {{QStringLiteral("flgBinding"), QStringLiteral("Binding")},
         {QStringLiteral("flgNonspecific"), QStringLiteral("Nonspecific")}});
    extras.give = [this](Project::PartState &state) {
        state.values.insert(kFittedKey, !m_fits.empty() && !fitResults->isOutOfDate());
    };
    extras.afterTake = [this](const Project::PartState &state) {
        ClearResults();
        if (state.values.value(kFittedKey).toBool())
            FitData(); // the graph window keeps the graph saved with the project
    };
    ProjectWindow::Join(this, QStringLiteral("saturation"), extras);
}
