#include "planning/PredictedPrecision.h"

#include "dynamic/BindingTimeCourse.h"
#include "scatchard/OneSiteModels.h"
#include "scatchard/SaturationModels.h"

#include <algorithm>
#include <cmath>

namespace Planning {
namespace {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    const size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + long(middle), values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1)
        return upper;
    return (*std::max_element(values.begin(), values.begin() + long(middle)) + upper) / 2;
}

} // namespace

PrecisionSimulation::PrecisionSimulation(double kd, double sites, const PrecisionDesign &design, int experiments,
                                         unsigned seed)
    : m_kd(kd)
    , m_design(design)
    , m_total(experiments)
    , m_random(seed)
{
    for (double ligand : design.ligand) {
        // Any association rate gives the same equilibrium.
        const modKinetics::BindingTimeCourse course(ligand, sites, 0.0, 1.0, kd);
        m_free.push_back(course.equilibrium().A);
        m_bound.push_back(course.equilibrium().AB);
    }
}

SimulatedExperiment PrecisionSimulation::simulate()
{
    SimulatedExperiment experiment;
    for (size_t i = 0; i < m_free.size(); ++i)
        for (int r = 0; r < m_design.replicates; ++r) {
            experiment.freeLigand.push_back(m_free[i]);
            experiment.bound.push_back(m_bound[i] * (1.0 + m_design.cv * m_normal(m_random)));
        }
    return experiment;
}

bool PrecisionSimulation::step(int count)
{
    for (int i = 0; i < count && done() < m_total; ++i) {
        const SimulatedExperiment experiment = simulate();
        modStatistics::SaturationData data;
        data.binding = {experiment.freeLigand, experiment.bound, {}};
        const modStatistics::SaturationModelFit fit =
            modStatistics::FitSaturationModel(modStatistics::SaturationModel::OneSite, data, {});
        const Fitting::ProfileInterval *profile = fit.result.outcome == Fitting::FitResult::Fitted
                                                      ? &fit.result.parameters[modStatistics::OneSiteModel::Kd].profile
                                                      : nullptr;
        if (!profile || profile->openBelow || profile->openAbove) {
            ++m_failed;
            continue;
        }
        m_widths.push_back((profile->high - profile->low) / m_kd);
        m_kds.push_back(fit.result.value(modStatistics::OneSiteModel::Kd) / m_kd);
    }
    return done() >= m_total;
}

PrecisionEstimate PrecisionSimulation::estimate() const
{
    PrecisionEstimate estimate;
    estimate.experiments = done();
    estimate.failed = m_failed;
    estimate.medianWidth = median(m_widths);
    estimate.medianKd = median(m_kds);
    return estimate;
}

} // namespace Planning
