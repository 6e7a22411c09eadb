#include "planning/PlanPlot.h"

#include "dynamic/BindingTimeCourse.h"

#include <algorithm>
#include <cmath>

namespace Planning {
namespace {

constexpr int curvePoints = 120;
constexpr double z95 = 1.959963984540054;

// The percentage of the sites occupied at equilibrium with this much ligand.
double occupied(double ligand, double sites, double kd)
{
    // Any association rate gives the same equilibrium.
    return 100 * modKinetics::BindingTimeCourse(ligand, sites, 0.0, 1.0, kd).equilibrium().AB / sites;
}

const QColor designColors[] = {QColor(0, 0, 192), QColor(192, 0, 0), QColor(0, 128, 0)};

} // namespace

modPlot_Graph::SeriesPlot PlannedCurvePlot(double kd, double sites, const std::vector<PlottedDesign> &designs)
{
    modPlot_Graph::SeriesPlot plot;
    plot.xTitle = QStringLiteral("log10 ligand added (M)");
    plot.yTitle = QStringLiteral("Sites occupied (%)");
    double low = kd, high = kd;
    for (const PlottedDesign &d : designs)
        if (!d.design.ligand.empty()) {
            low = std::min(low, d.design.ligand.front());
            high = std::max(high, d.design.ligand.back());
        }
    double widestCv = 0;
    for (const PlottedDesign &d : designs)
        widestCv = std::max(widestCv, d.design.cv);

    modPlot_Graph::PlotSeries curve{
        modPlot_Graph::PlotSeries::Curve, QStringLiteral("Expected"), Qt::black, {}, {}, {}};
    modPlot_Graph::PlotSeries upper{
        modPlot_Graph::PlotSeries::Curve, QStringLiteral("95 % of measurements"), QColor(128, 128, 128), {}, {}, {}};
    modPlot_Graph::PlotSeries lower{modPlot_Graph::PlotSeries::Curve, QString(), QColor(128, 128, 128), {}, {}, {}};
    for (int i = 0; i <= curvePoints; ++i) {
        const double x = std::log10(low) + (std::log10(high) - std::log10(low)) * i / curvePoints;
        const double y = occupied(std::pow(10.0, x), sites, kd);
        for (modPlot_Graph::PlotSeries *s : {&curve, &upper, &lower})
            s->x.push_back(x);
        curve.y.push_back(y);
        upper.y.push_back(y * (1 + z95 * widestCv));
        lower.y.push_back(y * (1 - z95 * widestCv));
    }
    plot.series = {curve, upper, lower};
    for (std::size_t k = 0; k < designs.size(); ++k) {
        const PrecisionDesign &design = designs[k].design;
        modPlot_Graph::PlotSeries points{
            modPlot_Graph::PlotSeries::Points, designs[k].name, designColors[k % std::size(designColors)], {}, {}, {}};
        for (double ligand : design.ligand) {
            const double y = occupied(ligand, sites, kd);
            points.x.push_back(std::log10(ligand));
            points.y.push_back(y);
            points.error.push_back(z95 * design.cv * y / std::sqrt(double(design.replicates)));
        }
        plot.series.push_back(points);
    }
    return plot;
}

} // namespace Planning
