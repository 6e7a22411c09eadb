#include "kineticsfit/KineticsPlots.h"

#include "fitting/FitTexts.h"
#include "graphing/CurveStyles.h"

#include <algorithm>

namespace KineticsFit {
namespace {

constexpr int CurveSteps = 200;

} // namespace

QString TraceName(const Trace &trace, const Units &units)
{
    return Fitting::FitNumberText(trace.concentration) + QLatin1Char(' ') + units.concentration;
}

modPlot_Graph::SeriesPlot TracesPlot(const KineticsFitResult &result, const Units &units,
                                     const std::vector<int> &places)
{
    modPlot_Graph::SeriesPlot plot;
    plot.xTitle = QStringLiteral("Time (%1)").arg(units.time);
    plot.yTitle = QStringLiteral("Signal");
    const std::vector<Trace> &traces = result.model->traces();
    for (size_t set = 0; set < traces.size(); ++set) {
        const Trace &trace = traces[set];
        const QColor color = modPlot_Graph::CurveStyleAt(set < places.size() ? places[set] : int(set), false).color;
        modPlot_Graph::PlotSeries points;
        points.color = color;
        points.x = trace.time;
        points.y = trace.signal;
        modPlot_Graph::PlotSeries curve;
        curve.kind = modPlot_Graph::PlotSeries::Curve;
        curve.legend = TraceName(trace, units);
        curve.color = color;
        const double first = trace.time.front(), last = trace.time.back();
        for (int i = 0; i <= CurveSteps; ++i) {
            const double t = first + (last - first) * i / CurveSteps;
            curve.x.push_back(t);
            curve.y.push_back(FittedSignal(result, int(set), t));
        }
        plot.series.push_back(std::move(points));
        plot.series.push_back(std::move(curve));
    }
    return plot;
}

modPlot_Graph::SeriesPlot KObsPlot(const KineticsFitResult &result, const Units &units)
{
    modPlot_Graph::SeriesPlot plot;
    plot.xTitle = QStringLiteral("Concentration (%1)").arg(units.concentration);
    plot.yTitle = QStringLiteral("k_obs (%1-1)").arg(units.time);
    modPlot_Graph::PlotSeries points;
    points.color = modPlot_Graph::CurveStyleAt(0, false).color;
    double highest = 0.0;
    for (const TraceSummary &t : result.traces)
        if (t.kObsFitted) {
            points.x.push_back(t.concentration);
            points.y.push_back(t.kObs);
            points.error.push_back(t.kObsSE);
            highest = std::max(highest, t.concentration);
        }
    if (points.x.empty())
        return plot;
    plot.series.push_back(points);
    const Model model = result.model->options().model;
    if (result.kAssDetermined && (model == Model::PseudoFirstOrder || model == Model::AssociationThenDissociation)) {
        modPlot_Graph::PlotSeries line;
        line.kind = modPlot_Graph::PlotSeries::Curve;
        line.legend = QStringLiteral("k_ass [L] + k_diss");
        line.color = modPlot_Graph::CurveStyleAt(1, false).color;
        line.x = {0.0, highest};
        line.y = {result.fit.value(1), result.fit.value(0) * highest + result.fit.value(1)};
        plot.series.push_back(line);
    }
    return plot;
}

} // namespace KineticsFit
