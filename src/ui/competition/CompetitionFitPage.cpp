#include "competition/CompetitionFitPage.h"

#include "competition/CompetitionFitModels.h"
#include "exchange/CompetitionCsv.h"
#include "exchange/DataExport.h"
#include "fitting/FitDataTable.h"
#include "fitting/FitResultsPanel.h"
#include "fitting/FitTexts.h"
#include "fitting/PlotPicture.h"
#include "fitting/ReplicateTable.h"
#include "fitting/ResidualGraph.h"
#include "platform/Messages.h"
#include "session/Session.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace modCompetition;

namespace {

const QColor kLogisticColor(30, 90, 200);
const QColor kExactColor(200, 60, 40);
// The curves' plot fills its tab at the window's height.
constexpr double kFitPlotHeight = 1300;

// x as the plots show it: the decimal logarithm of the molar Total C.
double plottedX(double totalC)
{
    return totalC > 0 ? std::log10(totalC * Session::current().concentrationFactor()) : std::nan("");
}

// A fitted curve over the data's range of positive Total C, 200 steps in log.
modPlot_Graph::PlotSeries curveOf(const Fitting::FitModel &model, const Fitting::FitResult &fit,
                                  const std::vector<double> &totalC, const QString &legend, const QColor &color)
{
    std::vector<double> p;
    for (const Fitting::ParameterEstimate &e : fit.parameters)
        p.push_back(e.value);
    double low = 0, high = 0;
    for (double x : totalC)
        if (x > 0) {
            low = low > 0 ? std::min(low, x) : x;
            high = std::max(high, x);
        }
    modPlot_Graph::PlotSeries curve{modPlot_Graph::PlotSeries::Curve, legend, color, {}, {}, {}};
    if (!(low > 0))
        return curve;
    const double from = std::log10(low), to = std::log10(high);
    for (int i = 0; i <= 200; ++i) {
        const double x = std::pow(10.0, from + (to - from) * i / 200);
        curve.x.push_back(plottedX(x));
        curve.y.push_back(Fitting::CurveValue(model, 0, x, p));
    }
    return curve;
}

} // namespace

CompetitionFitPage::CompetitionFitPage(AssayOfWindow assay, QWidget *parent)
    : QWidget(parent)
    , m_assay(std::move(assay))
{
    setObjectName(QStringLiteral("pageCompetitionFit"));
    auto *columns = new QHBoxLayout(this);
    columns->setContentsMargins(4, 4, 4, 4);
    auto *left = new QVBoxLayout();
    flgCompetitionData = new FitDataTable(QStringLiteral("flgCompetitionData"),
                                          QStringLiteral("Total C and signal; replicates beside or below"),
                                          QStringLiteral("Total C"), QStringLiteral("Signal"), 3, this);
    left->addWidget(flgCompetitionData, 1);
    cmdFit = new QPushButton(QStringLiteral("Fit Curve"), this);
    cmdFit->setObjectName(QStringLiteral("cmdFit"));
    cmdExport = new QPushButton(QStringLiteral("Export Results as CSV..."), this);
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    auto *buttons = new QHBoxLayout();
    buttons->addWidget(cmdFit);
    buttons->addWidget(cmdExport);
    left->addLayout(buttons);
    columns->addLayout(left, 2);

    // One tab a view: the page is as high as the Equilibrium Tool.
    tabFit = new QTabWidget(this);
    tabFit->setObjectName(QStringLiteral("tabFit"));
    fraLogistic = new FitResultsPanel(QStringLiteral("Four-parameter logistic"), this);
    fraExact = new FitResultsPanel(QStringLiteral("Exact model: Ki (Total A, Total B, Kd fixed)"), this);
    picFit = new PlotPicture(QStringLiteral("picFit"), kFitPlotHeight, this);
    picResiduals = new ResidualGraph(this);
    tabFit->addTab(fraLogistic, QStringLiteral("Logistic"));
    tabFit->addTab(fraExact, QStringLiteral("Exact Model"));
    for (const auto &[picture, caption] : {std::pair<QWidget *, QString>{picFit, QStringLiteral("Curves")},
                                           {picResiduals, QStringLiteral("Residuals")}}) {
        auto *holder = new QWidget(this);
        auto *centred = new QVBoxLayout(holder);
        centred->setContentsMargins(0, 0, 0, 0);
        centred->addWidget(picture, 0, Qt::AlignCenter);
        tabFit->addTab(holder, caption);
    }
    columns->addWidget(tabFit, 3);

    connect(cmdFit, &QPushButton::clicked, this, &CompetitionFitPage::cmdFit_Click);
    connect(cmdExport, &QPushButton::clicked, this, &CompetitionFitPage::cmdExport_Click);
    connect(flgCompetitionData, &FitDataTable::edited, this, &CompetitionFitPage::DataChanged);
}

void CompetitionFitPage::DataChanged()
{
    fraLogistic->markOutOfDate();
    fraExact->markOutOfDate();
}

void CompetitionFitPage::clear()
{
    flgCompetitionData->clear();
    clearFits();
}

void CompetitionFitPage::clearFits()
{
    fraLogistic->showNote(QString());
    fraExact->showNote(QString());
    picFit->clearPlot();
    picResiduals->clearPlot();
    m_hasFit = false;
}

const CompetitionFitReport *CompetitionFitPage::shownFit() const
{
    return m_hasFit ? &m_report : nullptr;
}

void CompetitionFitPage::cmdExport_Click()
{
    const auto warn = [](const QString &text) {
        Messages::show(text, Messages::Buttons::Ok, Messages::Icon::Exclamation, QStringLiteral("Competition Tool"));
    };
    if (!m_hasFit) {
        warn(QStringLiteral("There are no results to export yet: press Fit Curve first."));
        return;
    }
    if (fraExact->isOutOfDate()) {
        warn(QStringLiteral("The results are out of date: press Fit Curve to fit the data as they stand, then "
                            "export."));
        return;
    }
    DataExport::ExportCsvText(QStringLiteral("Competition fit"), CompetitionCsv::FitText(m_report, m_unit));
}

void CompetitionFitPage::cmdFit_Click()
{
    AssayConditions assay;
    if (!m_assay(assay))
        return;
    Fitting::ReplicateTable table;
    QString problem;
    if (!flgCompetitionData->table(table, problem)) {
        Messages::show(problem, Messages::Buttons::Ok, Messages::Icon::Exclamation,
                       QStringLiteral("Input is not valid"));
        return;
    }
    const Fitting::FitDataSet points = Fitting::IndividualPoints(table);
    if (std::any_of(points.x.begin(), points.x.end(), [](double x) { return x < 0; })) {
        Messages::show(QStringLiteral("Total C cannot be negative."), Messages::Buttons::Ok,
                       Messages::Icon::Exclamation, QStringLiteral("Input is not valid"));
        return;
    }
    CompetitionFitReport report = FitCompetitionCurve(points.x, points.y, assay);
    m_hasFit = report.problem == CompetitionFitProblem::None;
    if (!m_hasFit) {
        const QString text = CompetitionFitProblemText(report.problem);
        fraLogistic->showNote(text);
        fraExact->showNote(text);
        picFit->clearPlot();
        picResiduals->clearPlot();
        return;
    }
    m_unit = Session::current().concentrationUnit();
    NameConcentrationUnit(report, m_unit);
    m_report = report;
    ShowFits(points.x, points.y, assay, report);
}

void CompetitionFitPage::ShowFits(const std::vector<double> &totalC, const std::vector<double> &signal,
                                  const AssayConditions &assay, const CompetitionFitReport &report)
{
    using Fitting::FitNumberText;
    const QString unit = QLatin1Char(' ') + Session::current().concentrationUnit();
    fraLogistic->showResult(report.logistic, QStringLiteral("IC50 = %1").arg(FitNumberText(report.ic50) + unit));
    const KiEstimates &ki = report.conversions.ki;
    QString text = QStringLiteral("Fitted Ki %1 (residual SD %2, logistic %3). From the logistic's IC50: "
                                  "Cheng-Prusoff %4")
                       .arg(FitNumberText(report.exact.value(ExactCompetitionModel::Ki)) + unit,
                            FitNumberText(report.exact.residualSD), FitNumberText(report.logistic.residualSD),
                            FitNumberText(ki.chengPrusoff) + unit);
    if (report.conversions.problem == Ic50Problem::None)
        text += QStringLiteral(", Munson-Rodbard %1, Nikolovska-Coleska %2, exact %3")
                    .arg(FitNumberText(ki.munsonRodbard) + unit, FitNumberText(ki.nikolovskaColeska) + unit,
                         FitNumberText(ki.exact) + unit);
    fraExact->showResult(report.exact, text + QLatin1Char('.'));

    modPlot_Graph::SeriesPlot plot;
    plot.xTitle = QStringLiteral("log10 [Total C] (M)");
    plot.yTitle = QStringLiteral("Signal");
    modPlot_Graph::PlotSeries data{
        modPlot_Graph::PlotSeries::Points, QStringLiteral("Data"), Qt::black, {}, signal, {}};
    for (double x : totalC)
        data.x.push_back(plottedX(x));
    plot.series.push_back(data);
    plot.series.push_back(
        curveOf(FourParameterLogistic(1, 0, 0), report.logistic, totalC, QStringLiteral("Logistic"), kLogisticColor));
    plot.series.push_back(curveOf(ExactCompetitionModel(assay.totalA, assay.totalB, assay.kd, 1, 1, 0), report.exact,
                                  totalC, QStringLiteral("Exact"), kExactColor));
    picFit->showPlot(plot);
    std::vector<double> x;
    for (double c : totalC)
        x.push_back(plottedX(c));
    picResiduals->showResiduals({x, x}, {report.logistic.residuals.front(), report.exact.residuals.front()},
                                {QStringLiteral("Logistic"), QStringLiteral("Exact")}, {kLogisticColor, kExactColor},
                                plot.xTitle);
}
