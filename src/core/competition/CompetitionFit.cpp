#include "competition/CompetitionFit.h"

#include "competition/CompetitionFitModels.h"
#include "platform/RuntimeFault.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>

namespace modCompetition {
namespace {

// The mean signal of the points at the lowest and at the highest Total C.
void endSignals(const std::vector<double> &x, const std::vector<double> &y, double &low, double &high)
{
    const double xLow = *std::min_element(x.begin(), x.end()), xHigh = *std::max_element(x.begin(), x.end());
    double sumLow = 0, sumHigh = 0;
    int nLow = 0, nHigh = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        if (x[i] == xLow) {
            sumLow += y[i];
            ++nLow;
        }
        if (x[i] == xHigh) {
            sumHigh += y[i];
            ++nHigh;
        }
    }
    low = sumLow / nLow;
    high = sumHigh / nHigh;
}

// Where the signal first falls below half-way, in log10 Total C; the
// geometric middle of the positive Total C when it never does.
double halfWayLog(const std::vector<double> &x, const std::vector<double> &y, double top, double bottom)
{
    std::vector<size_t> order(x.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&x](size_t a, size_t b) { return x[a] < x[b]; });
    const double half = (top + bottom) / 2;
    double lowLog = 0, highLog = 0;
    bool any = false;
    for (size_t i : order) {
        if (!(x[i] > 0))
            continue;
        const double l = std::log10(x[i]);
        if (!any)
            lowLog = l;
        highLog = l;
        any = true;
        if (y[i] < half)
            return l;
    }
    return (lowLog + highLog) / 2;
}

} // namespace

CompetitionFitReport FitCompetitionCurve(const std::vector<double> &x, const std::vector<double> &y,
                                         const AssayConditions &assay)
{
    CompetitionFitReport report;
    if (x.size() < 5 || std::set<double>(x.begin(), x.end()).size() < 3) {
        report.problem = CompetitionFitProblem::TooFewPoints;
        return report;
    }
    double top = 0, bottom = 0;
    endSignals(x, y, top, bottom);
    if (!(bottom < top)) {
        report.problem = CompetitionFitProblem::NoDecrease;
        return report;
    }
    const std::vector<Fitting::FitDataSet> data{{x, y, {}}};
    report.logistic = Fitting::Fit(FourParameterLogistic(top, bottom, halfWayLog(x, y, top, bottom)), data);
    if (report.logistic.outcome != Fitting::FitResult::Fitted) {
        report.problem = report.logistic.outcome == Fitting::FitResult::TooFewPoints
                             ? CompetitionFitProblem::TooFewPoints
                             : CompetitionFitProblem::NotConverged;
        return report;
    }
    report.ic50 = std::pow(10.0, report.logistic.value(FourParameterLogistic::LogIc50));
    double kiStart = 0;
    try {
        report.conversions = KiFromIc50(assay, report.ic50);
        kiStart = report.conversions.problem == Ic50Problem::None ? report.conversions.ki.exact
                                                                  : report.ic50 / (1 + assay.totalA / assay.kd);
        if (report.conversions.problem != Ic50Problem::None)
            report.conversions.ki.chengPrusoff = kiStart;
    } catch (const RuntimeFault &) {
        report.problem = CompetitionFitProblem::NotConverged;
        return report;
    }
    const ExactCompetitionModel exact(assay.totalA, assay.totalB, assay.kd, kiStart,
                                      report.logistic.value(FourParameterLogistic::Top),
                                      report.logistic.value(FourParameterLogistic::Bottom));
    Fitting::FitOptions kiProfileOnly;
    kiProfileOnly.profiled = {ExactCompetitionModel::Ki};
    report.exact = Fitting::Fit(exact, data, kiProfileOnly);
    if (report.exact.outcome != Fitting::FitResult::Fitted)
        report.problem = CompetitionFitProblem::NotConverged;
    return report;
}

void NameConcentrationUnit(CompetitionFitReport &report, const QString &unit)
{
    if (report.logistic.parameters.size() > size_t(FourParameterLogistic::LogIc50))
        report.logistic.parameters[FourParameterLogistic::LogIc50].unit = QStringLiteral("log ") + unit;
    if (report.exact.parameters.size() > size_t(ExactCompetitionModel::Ki))
        report.exact.parameters[ExactCompetitionModel::Ki].unit = unit;
}

QString CompetitionFitProblemText(CompetitionFitProblem problem)
{
    switch (problem) {
    case CompetitionFitProblem::None:
        break;
    case CompetitionFitProblem::TooFewPoints:
        return QStringLiteral("A competition curve needs at least five points at three or more different Total C.");
    case CompetitionFitProblem::NoDecrease:
        return QStringLiteral("The signal does not decrease: at the highest Total C it should be lower than at the "
                              "lowest. Check the columns (Total C first, then the signal).");
    case CompetitionFitProblem::NotConverged:
        return QStringLiteral("The fit did not converge: the data do not define the curve. Add points across the "
                              "whole decrease, from well below to well above the IC50.");
    }
    return QString();
}

} // namespace modCompetition
