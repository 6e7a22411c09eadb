#include "scatchard/SaturationPlots.h"

#include <algorithm>
#include <cmath>

namespace modStatistics {
namespace {

using modPlot_Graph::PlotSeries;
using modPlot_Graph::SeriesPlot;

constexpr int curveSteps = 200;
const QColor black(0, 0, 0);
const QColor grey(128, 128, 128);

PlotSeries pointsOf(const Fitting::ReplicateTable &table, bool means, const QString &legend, QColor color)
{
    PlotSeries series;
    series.legend = legend;
    series.color = color;
    if (means) {
        for (const Fitting::RowMean &mean : Fitting::RowMeans(table)) {
            series.x.push_back(mean.x);
            series.y.push_back(mean.mean);
            series.error.push_back(mean.sd);
        }
    } else {
        const Fitting::FitDataSet points = Fitting::IndividualPoints(table);
        series.x = points.x;
        series.y = points.y;
    }
    return series;
}

double highestX(const SaturationPlotData &data)
{
    double highest = 0;
    for (const std::vector<double> *x : {&data.binding.x, &data.nonspecific.x})
        for (double v : *x)
            highest = std::max(highest, v);
    return highest;
}

bool fitted(const SaturationModelFit &fit)
{
    return fit.result.outcome == Fitting::FitResult::Fitted && fit.curve;
}

std::vector<double> valuesOf(const Fitting::FitResult &result)
{
    std::vector<double> values;
    for (const Fitting::ParameterEstimate &estimate : result.parameters)
        values.push_back(estimate.value);
    return values;
}

// The nonspecific part of a fit's curve at x (0 for a fit of specific binding).
double nonspecificPart(const SaturationModelFit &fit, const std::vector<double> &p, double x)
{
    return fit.model == SaturationModel::TotalAndNonspecific ? Fitting::CurveValue(*fit.curve, 1, x, p) : 0.0;
}

// Free ligand where X and specific binding b were measured.
double freeOf(const SaturationModelFit *fit, double x, double b)
{
    return fit && fit->model == SaturationModel::Depletion ? x - b : x;
}

} // namespace

QColor CurveColor(int k)
{
    static const QColor colors[] = {QColor(0, 0, 192), QColor(192, 0, 0), QColor(0, 128, 0), QColor(160, 0, 160)};
    return colors[k % 4];
}

SeriesPlot SaturationPlot(const SaturationPlotData &data, const std::vector<SaturationModelFit> &fits)
{
    SeriesPlot plot;
    plot.xTitle = data.xTitle;
    plot.yTitle = data.yTitle;
    plot.series.push_back(pointsOf(data.binding, data.means, QStringLiteral("Binding"), black));
    if (!data.nonspecific.x.empty())
        plot.series.push_back(pointsOf(data.nonspecific, data.means, QStringLiteral("Nonspecific"), grey));
    const double xMax = highestX(data);
    for (size_t k = 0; k < fits.size(); ++k) {
        const SaturationModelFit &fit = fits[k];
        if (!fitted(fit))
            continue;
        const std::vector<double> p = valuesOf(fit.result);
        for (int set = 0; set < int(fit.sets.size()); ++set) {
            PlotSeries curve;
            curve.kind = PlotSeries::Curve;
            curve.color = set == 0 ? CurveColor(int(k)) : grey;
            curve.legend = set == 0 ? ModelName(fit.model) : QStringLiteral("Nonspecific fit");
            for (int step = 0; step <= curveSteps; ++step) {
                const double x = xMax * step / curveSteps;
                curve.x.push_back(x);
                curve.y.push_back(Fitting::CurveValue(*fit.curve, set, x, p));
            }
            plot.series.push_back(std::move(curve));
        }
    }
    return plot;
}

SeriesPlot TransformedPlot(BindingView view, const SaturationPlotData &data,
                           const std::vector<SaturationModelFit> &fits)
{
    const bool scatchard = view == BindingView::Scatchard;
    SeriesPlot plot;
    const QString bound = QStringLiteral("Bound"), ratio = QStringLiteral("Bound/Free");
    plot.xTitle = scatchard ? bound : ratio;
    plot.yTitle = scatchard ? ratio : bound;
    // The point of specific binding b at free ligand f, in the view's order.
    const auto add = [scatchard](PlotSeries &series, double b, double f) {
        if (!(f > 0))
            return;
        series.x.push_back(scatchard ? b : b / f);
        series.y.push_back(scatchard ? b / f : b);
    };
    // The measured points as the first fit sees them (the rows' means when means are fitted).
    const SaturationModelFit *first = !fits.empty() && fitted(fits.front()) ? &fits.front() : nullptr;
    const std::vector<double> firstValues = first ? valuesOf(first->result) : std::vector<double>();
    PlotSeries points;
    points.legend = QStringLiteral("Binding");
    points.color = black;
    const Fitting::FitDataSet measured = data.means ? Fitting::MeanPoints(data.binding)
                                                    : Fitting::IndividualPoints(data.binding);
    for (size_t i = 0; i < measured.x.size(); ++i) {
        const double b = measured.y[i] - (first ? nonspecificPart(*first, firstValues, measured.x[i]) : 0.0);
        add(points, b, freeOf(first, measured.x[i], b));
    }
    plot.series.push_back(std::move(points));

    const double xMax = highestX(data);
    for (size_t k = 0; k < fits.size(); ++k) {
        const SaturationModelFit &fit = fits[k];
        if (!fitted(fit))
            continue;
        const std::vector<double> p = valuesOf(fit.result);
        PlotSeries curve;
        curve.kind = PlotSeries::Curve;
        curve.color = CurveColor(int(k));
        curve.legend = ModelName(fit.model);
        for (int step = 1; step <= curveSteps; ++step) {
            const double x = xMax * step / curveSteps;
            const double b = Fitting::CurveValue(*fit.curve, 0, x, p) - nonspecificPart(fit, p, x);
            add(curve, b, freeOf(&fit, x, b));
        }
        plot.series.push_back(std::move(curve));
    }
    return plot;
}

} // namespace modStatistics
