#include "scatchard/SaturationFitPanel.h"

#include "graphing/GraphHost.h"
#include "platform/EditableGrid.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "platform/TwipsLayout.h"
#include "scatchard/SaturationFitTexts.h"
#include "scatchard/SaturationGraph.h"
#include "scatchard/ScatchardGraph.h"
#include "scatchard/ScatchardInput.h"
#include "scatchard/frmScatchard.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QGridLayout>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace modStatistics;

namespace {

// The window's own width, and its width with the fit frame beside it.
constexpr double narrowWidth = 5070;
constexpr double frameLeft = 5010, frameWidth = 4800;
constexpr double wideWidth = frameLeft + frameWidth + 180;

const QString kTitle = QStringLiteral("Curve Fit");

// A cell as the analysis reads it; a number out of range is no number.
double readCell(const QString &text)
{
    try {
        return NumberText::leadingNumber(text);
    } catch (const RuntimeFault &) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

void warn(const QString &text)
{
    Messages::show(text, Messages::Buttons::Ok, Messages::Icon::Exclamation, kTitle);
}

QString estimateText(double value, double standardError, const QString &unit)
{
    return FitNumberText(value) + QStringLiteral(" ± ") + FitNumberText(standardError) + QLatin1Char(' ') + unit;
}

} // namespace

using namespace TwipsLayout;

SaturationFitPanel::SaturationFitPanel(frmScatchard &form, QWidget *content)
    : QObject(&form)
    , m_form(form)
{
    cmdFitCurve = button(content, "cmdFitCurve", QStringLiteral("Fit Curve"), 2490 + 1230, 3600, 1170);
    cmdFitCurve->setToolTip(QStringLiteral("Fit the saturation curve Bound = Bmax · Free / (Kd + Free) to the data "
                                           "by nonlinear regression"));
    fraSaturationFit = frame(content, "fraSaturationFit", QStringLiteral("Saturation Curve Fit"), frameLeft, 360,
                             frameWidth, 5040);
    BuildResults();
    fraSaturationFit->hide();

    connect(cmdFitCurve, &QPushButton::clicked, this, &SaturationFitPanel::cmdFitCurve_Click);
    connect(cmdSaturationGraph, &QPushButton::clicked, this, &SaturationFitPanel::cmdSaturationGraph_Click);
    connect(cmdHideFit, &QPushButton::clicked, this, &SaturationFitPanel::cmdHideFit_Click);
    // Analyze data draws the Scatchard graph without the fitted model.
    connect(form.cmdScatchard, &QPushButton::clicked, this, [this] { m_lastGraph = FitGraph::None; });
}

void SaturationFitPanel::BuildResults()
{
    auto *grid = new QGridLayout(fraSaturationFit);
    int row = 0;
    const auto named = [this](const char *name, const QString &text = QString()) {
        auto *label = new QLabel(text, fraSaturationFit);
        label->setObjectName(QLatin1String(name));
        return label;
    };
    const auto output = [&](const char *name) {
        QLabel *label = named(name);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    const auto wholeRow = [&](QLabel *label) { grid->addWidget(label, row++, 0, 1, 3); };
    const auto valueRow = [&](QLabel *name, QLabel *first, QLabel *second = nullptr) {
        grid->addWidget(name, row, 0);
        grid->addWidget(first, row, 1, 1, second ? 1 : 2);
        if (second)
            grid->addWidget(second, row, 2);
        ++row;
    };

    lblFitModel = named("lblFitModel", QStringLiteral("Bound = Bmax · Free / (Kd + Free)"));
    QFont bold = lblFitModel->font();
    bold.setBold(true);
    lblFitModel->setFont(bold);
    wholeRow(lblFitModel);
    lblFitHeading = named("lblFitHeading", QStringLiteral("Curve fit ± SE"));
    lblScatchardHeading = named("lblScatchardHeading", QStringLiteral("Scatchard"));
    valueRow(named("lblFitCorner"), lblFitHeading, lblScatchardHeading);
    lblFitKd = named("lblFitKd", QStringLiteral("Kd:"));
    lblOutputFitKd = output("lblOutputFitKd");
    lblOutputScatchardKd = output("lblOutputScatchardKd");
    valueRow(lblFitKd, lblOutputFitKd, lblOutputScatchardKd);
    lblFitBmax = named("lblFitBmax", QStringLiteral("Bmax:"));
    lblOutputFitBmax = output("lblOutputFitBmax");
    lblOutputScatchardBmax = output("lblOutputScatchardBmax");
    valueRow(lblFitBmax, lblOutputFitBmax, lblOutputScatchardBmax);

    lblKdProfile = named("lblKdProfile", QStringLiteral("95% confidence interval for Kd, profile likelihood:"));
    wholeRow(lblKdProfile);
    wholeRow(lblOutputKdProfile = output("lblOutputKdProfile"));
    lblKdAsymptotic = named("lblKdAsymptotic", QStringLiteral("95% confidence interval for Kd, Kd ± t·SE:"));
    wholeRow(lblKdAsymptotic);
    wholeRow(lblOutputKdAsymptotic = output("lblOutputKdAsymptotic"));
    lblBmaxAsymptotic = named("lblBmaxAsymptotic", QStringLiteral("95% confidence interval for Bmax, Bmax ± t·SE:"));
    wholeRow(lblBmaxAsymptotic);
    wholeRow(lblOutputBmaxAsymptotic = output("lblOutputBmaxAsymptotic"));

    lblResidualSD = named("lblResidualSD", QStringLiteral("Residual SD:"));
    valueRow(lblResidualSD, lblOutputResidualSD = output("lblOutputResidualSD"));
    lblRSquared = named("lblRSquared", QStringLiteral("R²:"));
    valueRow(lblRSquared, lblOutputRSquared = output("lblOutputRSquared"));
    lblFitdf = named("lblFitdf", QStringLiteral("df:"));
    valueRow(lblFitdf, lblOutputFitdf = output("lblOutputFitdf"));

    lblFitNote = named("lblFitNote");
    lblFitNote->setWordWrap(true);
    grid->addWidget(lblFitNote, row, 0, 1, 3);
    grid->setRowStretch(row++, 1);

    cmdSaturationGraph = new QPushButton(QStringLiteral("Saturation Graph"), fraSaturationFit);
    cmdSaturationGraph->setObjectName(QStringLiteral("cmdSaturationGraph"));
    cmdHideFit = new QPushButton(QStringLiteral("<< Hide"), fraSaturationFit);
    cmdHideFit->setObjectName(QStringLiteral("cmdHideFit"));
    grid->addWidget(cmdSaturationGraph, row, 0, 1, 2);
    grid->addWidget(cmdHideFit, row, 2);
    grid->setColumnStretch(1, 1);
}

void SaturationFitPanel::cmdFitCurve_Click()
{
    RunFit(FitGraph::ScatchardWithModel);
}

void SaturationFitPanel::cmdSaturationGraph_Click()
{
    RunFit(FitGraph::Saturation);
}

void SaturationFitPanel::cmdHideFit_Click()
{
    fraSaturationFit->hide();
    m_form.setTwipsSize(narrowWidth, m_form.twipsHeight());
}

bool SaturationFitPanel::ReplotFitGraph()
{
    if (m_lastGraph == FitGraph::None)
        return false;
    RunFit(m_lastGraph);
    return true;
}

void SaturationFitPanel::ShowPanel()
{
    // The frame takes the room its texts need (long numbers in E notation
    // included), never less than designed, and the window widens to show it.
    const QRect designed = Twips::toPixels(frameLeft, 360, frameWidth, 5040);
    fraSaturationFit->resize(designed.size().expandedTo(fraSaturationFit->minimumSizeHint()));
    fraSaturationFit->show();
    const double needed = std::max(wideWidth, Twips::fromPixelsX(fraSaturationFit->geometry().right() + 1)
                                                  + (wideWidth - frameLeft - frameWidth));
    if (m_form.twipsWidth() < needed)
        m_form.setTwipsSize(needed, m_form.twipsHeight());
}

void SaturationFitPanel::RunFit(FitGraph graph)
{
    StatusText::set(QStringLiteral("Fitting the saturation curve ..."));
    m_form.flgInputScatchard->CommitEdit();
    const QList<DataRowText> rows = m_form.gridRows();
    const int n = CountDataRows(rows);
    std::vector<double> x, y;
    for (int i = 0; i < n; ++i) {
        x.push_back(readCell(rows[i].bound));
        y.push_back(readCell(rows[i].boundFree));
    }
    const SaturationComparison comparison = CompareAnalyses(x, y);
    ShowComparison(comparison, Session::current().concentrationUnit());
    ShowPanel();

    const SaturationFit &fit = comparison.fit;
    if (fit.outcome != SaturationFit::Fitted) {
        warn(FitOutcomeText(fit.outcome));
        StatusText::clear();
        return;
    }
    if (fit.kdProfile.kind == ProfileInterval::OpenAbove)
        warn(OpenAboveText());
    try {
        if (graph == FitGraph::Saturation)
            PlotSaturationGraph(comparison);
        else if (comparison.hasLine)
            PlotScatchardGraph(x, y, comparison.slope, comparison.intercept, ModelLine{fit.kd, fit.bmax});
        m_lastGraph = graph;
    } catch (const RuntimeFault &) {
        warn(QStringLiteral("The graph cannot be drawn: a value lies too far outside the axis ranges."));
    }
    StatusText::clear();
}

void SaturationFitPanel::DataChanged()
{
    if (m_lastGraph != FitGraph::None && Session::current().graphSource() == modPlot_Graph::ScatchardTool) {
        if (GraphHost *host = modPlot_Graph::RegisteredGraphHost())
            host->clearPicture(false);
    }
    m_lastGraph = FitGraph::None;
    if (!m_showsResults)
        return;
    ShowComparison(SaturationComparison(), Session::current().concentrationUnit());
    lblFitNote->setText(QStringLiteral("The data have changed since this fit: press Fit Curve to fit them."));
}

void SaturationFitPanel::ShowComparison(const SaturationComparison &comparison, const QString &unit)
{
    const SaturationFit &fit = comparison.fit;
    const bool fitted = fit.outcome == SaturationFit::Fitted;
    m_showsResults = fitted || comparison.hasLine;
    lblOutputScatchardKd->setText(comparison.hasLine ? FitQuantityText(comparison.scatchardKd, unit) : QString());
    lblOutputScatchardBmax->setText(comparison.hasLine ? FitQuantityText(comparison.scatchardBmax, unit) : QString());
    lblOutputFitKd->setText(fitted ? estimateText(fit.kd, fit.seKd, unit) : QString());
    lblOutputFitBmax->setText(fitted ? estimateText(fit.bmax, fit.seBmax, unit) : QString());
    lblOutputKdProfile->setText(fitted ? ProfileIntervalText(fit.kdProfile, unit) : QString());
    lblOutputKdAsymptotic->setText(fitted ? IntervalText(QStringLiteral("Kd"), fit.kdLow, fit.kdHigh, unit)
                                          : QString());
    lblOutputBmaxAsymptotic->setText(fitted ? IntervalText(QStringLiteral("Bmax"), fit.bmaxLow, fit.bmaxHigh, unit)
                                            : QString());
    lblOutputResidualSD->setText(fitted ? FitQuantityText(fit.residualSD, unit) : QString());
    lblOutputRSquared->setText(fitted ? FitNumberText(fit.rSquared) : QString());
    lblOutputFitdf->setText(fitted ? NumberText::format(fit.df, QStringLiteral("#0")) : QString());
    if (!fitted)
        lblFitNote->setText(FitOutcomeText(fit.outcome));
    else if (fit.kdProfile.kind == ProfileInterval::OpenAbove)
        lblFitNote->setText(OpenAboveText());
    else
        lblFitNote->clear();
}
