#include "dynamic/AccuracyCheck.h"

#include "dynamic/SimulationEngine.h"
#include "platform/RuntimeFault.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace modKinetics {
namespace {

using modVornish::ResultRecord;
using modVornish::SimulationInput;

std::array<double, SpeciesCount> concentrations(const ResultRecord &r)
{
    return {r.A, r.B, r.AB};
}

// Integration steps per recording interval at each row of the precision list.
constexpr double StepsPerInterval[modVornish::PrecisionCount] = {20, 101, 500, 2000, 10001};
// The checks of finer precisions stop before this many steps in all, about
// half a second of integration.
constexpr double SuggestionStepBudget = 1e8;

} // namespace

double KineticsReport::worstDeviation() const
{
    return deviation[static_cast<std::size_t>(worstSpecies())].relative;
}

int KineticsReport::worstSpecies() const
{
    // [A/B] unless another is clearly worse: A and B deviate as much as
    // [A/B] whenever they change only with it, up to rounding.
    int worst = SpeciesAB;
    for (int i = 0; i < SpeciesCount; ++i)
        if (deviation[i].relative > deviation[static_cast<std::size_t>(worst)].relative * (1.0 + 1e-6))
            worst = i;
    return worst;
}

AccuracyCheck::AccuracyCheck(const SimulationInput &input)
    : m_reference(input)
{
    m_report.input = input;
    m_low.fill(std::numeric_limits<double>::infinity());
    m_high.fill(-std::numeric_limits<double>::infinity());
}

void AccuracyCheck::fail(const QString &why)
{
    if (m_report.referenceFailure.isEmpty())
        m_report.referenceFailure = why;
}

void AccuracyCheck::add(const ResultRecord &stored)
{
    if (!m_report.available())
        return;
    ResultRecord exact;
    if (!m_reference.next(exact, m_segment) || exact.time != stored.time) {
        fail(m_reference.failure().isEmpty() ? QStringLiteral("the run's samples do not follow its input")
                                             : m_reference.failure());
        return;
    }
    const auto s = concentrations(stored);
    const auto e = concentrations(exact);
    for (int i = 0; i < SpeciesCount; ++i) {
        const double d = std::fabs(s[i] - e[i]);
        if (d > m_largest[i]) {
            m_largest[i] = d;
            m_report.deviation[i].time = stored.time;
        }
        m_low[i] = std::min(m_low[i], e[i]);
        m_high[i] = std::max(m_high[i], e[i]);
    }

    const SegmentKinetics &segment = m_reference.segments()[static_cast<std::size_t>(m_segment)];
    if (m_report.approach.size() <= static_cast<std::size_t>(m_segment))
        m_report.approach.resize(static_cast<std::size_t>(m_segment) + 1);
    StoredApproach &approach = m_report.approach[static_cast<std::size_t>(m_segment)];
    if (!segment.equilibriumKnown)
        return;
    const double target = segment.equilibrium.AB;
    const bool within = std::fabs(stored.AB - target) <= 0.01 * std::fabs(segment.startState.AB - target);
    if (within && !approach.reached)
        approach = {true, stored.time - segment.start};
    else if (!within)
        approach.reached = false;
}

KineticsReport AccuracyCheck::finish()
{
    m_reference.finish();
    if (!m_reference.failure().isEmpty())
        fail(m_reference.failure());
    if (!m_report.available())
        return m_report;

    m_report.segments = m_reference.segments();
    m_report.curve = m_reference.curve();
    m_report.approach.resize(m_report.segments.size());
    // The range counts the exact curve between samples too: a transient
    // the samples miss still belongs to the species' range.
    for (const ReferencePoint &p : m_report.curve) {
        const double v[] = {p.A, p.B, p.AB};
        for (int i = 0; i < SpeciesCount; ++i) {
            m_low[i] = std::min(m_low[i], v[i]);
            m_high[i] = std::max(m_high[i], v[i]);
        }
    }
    for (int i = 0; i < SpeciesCount; ++i) {
        // A species that barely moves is measured against a millionth of its
        // level, so that rounding is not reported as a deviation.
        const double level = std::max(std::fabs(m_low[i]), std::fabs(m_high[i]));
        const double scale = std::max(m_high[i] - m_low[i], 1e-6 * level);
        double relative = 0.0;
        if (scale > 0.0 && std::isfinite(scale))
            relative = m_largest[i] / scale;
        else if (m_largest[i] > 0.0)
            relative = 1.0;
        m_report.deviation[i].relative = std::isfinite(relative) ? relative : 1.0;
    }
    return m_report;
}

KineticsReport CheckedRun(const SimulationInput &input)
{
    AccuracyCheck check(input);
    modVornish::RunSimulation(input, [&check](const ResultRecord &r) { check.add(r); });
    return check.finish();
}

void SuggestPrecision(KineticsReport &report)
{
    const SimulationInput &input = report.input;
    const double chosen = static_cast<double>(input.precisionFactor);
    if (!report.available() || report.end == RunEnd::Failed || !(report.worstDeviation() > chosen))
        return;
    const double endTime = report.end == RunEnd::Cancelled ? report.endedAt : input.endTime;
    int row = 0;
    while (row < modVornish::PrecisionCount && modVornish::PrecisionFactors[row] != input.precisionFactor)
        ++row;
    const double intervals = std::ceil(endTime / input.recordingInterval);
    double steps = 0.0;
    for (int finer = row + 1; finer < modVornish::PrecisionCount; ++finer) {
        steps += intervals * StepsPerInterval[finer];
        if (steps > SuggestionStepBudget)
            return;
        SimulationInput trial = input;
        trial.precisionFactor = modVornish::PrecisionFactors[finer];
        trial.endTime = endTime;
        KineticsReport tried;
        try {
            tried = CheckedRun(trial);
        } catch (const RuntimeFault &) {
            return;
        }
        if (!tried.available())
            return;
        report.suggestedPrecision = finer;
        report.suggestedDeviation = tried.worstDeviation();
        if (report.suggestedDeviation <= chosen) {
            report.suggestionFound = true;
            return;
        }
    }
}

} // namespace modKinetics
