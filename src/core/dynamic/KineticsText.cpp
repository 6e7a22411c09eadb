#include "dynamic/KineticsText.h"

#include <QStringBuilder>

#include <algorithm>
#include <cmath>

namespace modKinetics {
namespace {

const char *const speciesNames[SpeciesCount] = {"A", "B", "[A/B]"};

// The percentage of a fraction: two significant digits, whole numbers from 10 up.
QString percentText(double fraction)
{
    const double v = 100.0 * fraction;
    if (v >= 10.0)
        return QString::number(std::round(v), 'f', 0);
    if (v < 1e-4)
        return QStringLiteral("less than 0.0001");
    return QString::number(v, 'g', 2);
}

// The percentage rounded up to one significant digit: a bound, not a value.
QString percentBound(double fraction)
{
    const double v = 100.0 * fraction;
    if (!(v > 1e-4))
        return QStringLiteral("0.0001");
    const double unit = std::pow(10.0, std::floor(std::log10(v)));
    return QString::number(std::ceil(v / unit - 1e-9) * unit, 'g', 2);
}

QString precisionText(int row)
{
    return QLatin1String(modVornish::PrecisionListTexts[row]) + QStringLiteral(" %");
}

QString precisionText(float factor)
{
    for (int row = 0; row < modVornish::PrecisionCount; ++row)
        if (modVornish::PrecisionFactors[row] == factor)
            return precisionText(row);
    return QString::number(100.0 * static_cast<double>(factor), 'g', 3) + QStringLiteral(" %");
}

// The stored curve shows an approach when it has at least two samples in
// its half-time: the finding and its suggested interval both use this.
constexpr double SamplesPerHalfTime = 2.0;

// The largest 1, 2 or 5 times a power of ten not above v.
double roundNumberBelow(double v)
{
    const double unit = std::pow(10.0, std::floor(std::log10(v)));
    for (double m : {5.0, 2.0, 1.0})
        if (m * unit <= v)
            return m * unit;
    return unit;
}

QString concentrationText(double molar, const ConcentrationUnit &unit)
{
    return QString::number(molar / unit.factor, 'g', 4) + QLatin1Char(' ') + unit.name;
}

double targetAmount(const Mixture &m, modVornish::EventTarget target)
{
    return target == modVornish::EventTarget::A ? m.A : target == modVornish::EventTarget::B ? m.B : m.AB;
}

QString segmentStartText(const KineticsReport &report, const SegmentKinetics &segment, const ConcentrationUnit &unit)
{
    if (segment.event < 0)
        return QStringLiteral("from the start");
    const modVornish::ProgrammedEvent &e = report.input.events[static_cast<std::size_t>(segment.event)];
    const QString number = QString::number(segment.event + 1);
    QString what;
    if (e.target == modVornish::EventTarget::A && segment.event == 0 && report.input.competitorChallenge)
        what = QStringLiteral("competitor ") + concentrationText(std::fabs(e.change), unit);
    else if (e.target == modVornish::EventTarget::None)
        what = QStringLiteral("no change");
    else {
        // What the event did: it cannot take away more than there was.
        what = QLatin1String(e.target == modVornish::EventTarget::A   ? "A"
                             : e.target == modVornish::EventTarget::B ? "B"
                                                                      : "[A/B]")
               % QLatin1String(segment.applied < 0 ? " " : " +") % concentrationText(segment.applied, unit);
        if (e.change < 0 && targetAmount(segment.startState, e.target) == 0.0)
            what += QStringLiteral(", all there was, of ") % concentrationText(e.change, unit)
                    % QStringLiteral(" asked");
    }
    return QStringLiteral("after event ") % number % QStringLiteral(" at ") % DurationText(segment.start)
           % QStringLiteral(" (") % what % QLatin1Char(')');
}

QString timeToText(double t)
{
    if (t < 0.0)
        return QStringLiteral("not within the segment");
    if (!std::isfinite(t))
        return QStringLiteral("never");
    return DurationText(t);
}

// A segment whose start is not already its equilibrium.
bool moves(const SegmentKinetics &s)
{
    const double start[] = {s.startState.A, s.startState.B, s.startState.AB};
    const double end[] = {s.equilibrium.A, s.equilibrium.B, s.equilibrium.AB};
    double level = 0.0, distance = 0.0;
    for (int i = 0; i < SpeciesCount; ++i) {
        level = std::max({level, start[i], end[i]});
        distance = std::max(distance, std::fabs(start[i] - end[i]));
    }
    return s.equilibriumKnown && distance > 1e-6 * level;
}

// A segment of no length (an event at time 0, two at the same time) is
// not listed: the next one starts where it would.
bool shown(const SegmentKinetics &s)
{
    return s.end > s.start;
}

QString deviationFinding(const KineticsReport &report)
{
    const int row = report.suggestedPrecision;
    QString text = QStringLiteral("At ") % precisionText(report.input.precisionFactor)
                   % QStringLiteral(" precision the simulated ") % QLatin1String(speciesNames[report.worstSpecies()])
                   % QStringLiteral(" deviates by up to ") % percentText(report.worstDeviation())
                   % QStringLiteral(" % from the exact time course; ");
    if (report.suggestionFound)
        return text % precisionText(row) % QStringLiteral(" would keep it under ")
               % percentBound(report.suggestedDeviation) % QStringLiteral(" %.");
    if (row >= 0)
        return text % QStringLiteral("even at ") % precisionText(row) % QStringLiteral(" it deviates by up to ")
               % percentText(report.suggestedDeviation)
               % QStringLiteral(" %: a shorter recording interval would bring it closer.");
    if (report.input.precisionFactor == modVornish::PrecisionFactors[modVornish::PrecisionCount - 1])
        return text % QStringLiteral("a shorter recording interval would bring it closer.");
    return text % QStringLiteral("a finer precision or a shorter recording interval would bring it closer.");
}

} // namespace

QString DurationText(double seconds)
{
    struct Unit
    {
        double seconds;
        const char *name;
        double from;
    };
    static const Unit units[] = {
        {3600.0, "h", 7200.0}, {60.0, "min", 120.0}, {1.0, "s", 1.0}, {1e-3, "ms", 1e-3}, {1e-6, "µs", 0.0}};
    if (!std::isfinite(seconds))
        return QStringLiteral("never");
    if (seconds == 0.0)
        return QStringLiteral("0 s");
    // Three significant digits, and whole hours from a thousand on.
    const auto number = [](double v) { return v < 1000.0 ? QString::number(v, 'g', 3) : QString::number(v, 'f', 0); };
    for (const Unit &u : units)
        if (seconds >= u.from)
            return number(seconds / u.seconds) + QLatin1Char(' ') + QString::fromUtf8(u.name);
    return QString::number(seconds, 'g', 3) + QStringLiteral(" s");
}

QStringList AccuracyFindings(const KineticsReport &report)
{
    QStringList findings;
    if (!report.available())
        return findings;
    if (report.worstDeviation() > static_cast<double>(report.input.precisionFactor))
        findings << deviationFinding(report);
    const double interval = report.input.recordingInterval;
    const double factor = static_cast<double>(report.input.precisionFactor);
    const double step = factor * interval;
    for (const SegmentKinetics &s : report.segments) {
        if (!moves(s) || !shown(s))
            continue;
        const QString start = s.event < 0 ? QStringLiteral("From the start")
                                          : QStringLiteral("After event ") % QString::number(s.event + 1)
                                                % QStringLiteral(" at ") % DurationText(s.start);
        // An Euler step past 2 / rate swings about the equilibrium.
        const double stableStep = 2.0 / s.stiffness;
        if (s.stiffness > 0.0 && step > stableStep && std::isfinite(stableStep))
            findings << start % QStringLiteral(" the integration step of ") % DurationText(step)
                            % QStringLiteral(" is longer than the stability limit of the Euler method, ")
                            % DurationText(stableStep)
                            % QStringLiteral(": the simulated values swing about the equilibrium instead of "
                                             "settling. A recording interval of ")
                            % DurationText(roundNumberBelow(stableStep / factor))
                            % QStringLiteral(" would keep the step within it.");
        const double half = s.timeTo[0];
        const double showing = half / SamplesPerHalfTime;
        if (half > 0.0 && std::isfinite(half) && interval > showing)
            findings << start % QStringLiteral(" the approach to equilibrium has a half-time of ") % DurationText(half)
                            % QStringLiteral(", too short for the recording interval of ") % DurationText(interval)
                            % QStringLiteral(": the stored curve cannot show it. A recording interval of ")
                            % DurationText(roundNumberBelow(showing)) % QStringLiteral(" would.");
    }
    return findings;
}

QString KineticsSummaryText(const KineticsReport &report, const ConcentrationUnit &unit)
{
    const modVornish::SimulationInput &in = report.input;
    QString text = QStringLiteral("Kinetics summary of A + B <=> [A/B]\n") % QStringLiteral("k_ass ")
                   % QString::number(in.kAss, 'g', 4) % QStringLiteral(" per M per s, k_diss ")
                   % QString::number(in.kDiss, 'g', 4) % QStringLiteral(" per s; ") % precisionText(in.precisionFactor)
                   % QStringLiteral(" precision, recording interval ") % DurationText(in.recordingInterval)
                   % QStringLiteral(".\n");
    if (report.end == RunEnd::Cancelled)
        text += QStringLiteral("The run was cancelled at ") % DurationText(report.endedAt) % QStringLiteral(" of ")
                % DurationText(in.endTime) % QStringLiteral(": this summary covers its samples up to then.\n");
    else if (report.end == RunEnd::Failed && report.endedAt < 0.0)
        return text % QStringLiteral("The run failed before its first sample (") % report.failure
               % QStringLiteral("): the results file holds none.\n");
    else if (report.end == RunEnd::Failed)
        text += QStringLiteral("The run failed after its sample at ") % DurationText(report.endedAt)
                % QStringLiteral(" (") % report.failure
                % QStringLiteral("): the results file holds its samples up to then, and this summary covers them.\n");
    if (!report.available())
        return text % QStringLiteral("\nNo exact time course could be computed for this run: ")
               % report.referenceFailure % QStringLiteral(".\n");

    int number = 0;
    for (std::size_t i = 0; i < report.segments.size(); ++i) {
        const SegmentKinetics &s = report.segments[i];
        if (!shown(s) && i + 1 < report.segments.size())
            continue;
        text += QStringLiteral("\nSegment ") % QString::number(++number) % QStringLiteral(", ")
                % segmentStartText(report, s, unit) % QStringLiteral(", to ") % DurationText(s.end)
                % QStringLiteral("\n");
        if (!s.equilibriumKnown) {
            text += QStringLiteral("  Tends to: an end that depends on the path (no dissociation, and too little B "
                                   "for A and the competitor)\n");
            continue;
        }
        text += QStringLiteral("  Tends to: A ") % concentrationText(s.equilibrium.A, unit) % QStringLiteral(", B ")
                % concentrationText(s.equilibrium.B, unit) % QStringLiteral(", [A/B] ")
                % concentrationText(s.equilibrium.AB, unit) % QStringLiteral("\n");
        if (!moves(s)) {
            text += QStringLiteral("  Starts at that equilibrium.\n");
            continue;
        }
        text += QStringLiteral("  k_obs") % QLatin1String(s.kObsApparent ? " (ln 2 / half-time of [A/B])" : "")
                % QStringLiteral(": ")
                % (s.kObs > 0.0 ? QString::number(s.kObs, 'g', 4) + QStringLiteral(" per s")
                                : QStringLiteral("none (slower than exponential)"))
                % QStringLiteral("\n  Half-time of [A/B]: ") % timeToText(s.timeTo[0])
                % QStringLiteral("\n  [A/B] settled within 10 % of the way after: ") % timeToText(s.timeTo[1])
                % QStringLiteral(", within 5 %: ") % timeToText(s.timeTo[2]) % QStringLiteral(", within 1 %: ")
                % timeToText(s.timeTo[3]) % QStringLiteral("\n");
        const StoredApproach &a = report.approach[i];
        text += a.reached ? QStringLiteral("  The stored [A/B] settled within 1 % of it after ") % DurationText(a.time)
                                % QStringLiteral(".\n")
                          : QStringLiteral("  The stored [A/B] did not settle within 1 % of it.\n");
    }

    text += QStringLiteral("\nAccuracy: the stored samples deviate from the exact time course by up to");
    for (int i = 0; i < SpeciesCount; ++i)
        text += QLatin1String(i == 0 ? " " : ", ") % QLatin1String(speciesNames[i]) % QLatin1Char(' ')
                % percentText(report.deviation[static_cast<std::size_t>(i)].relative) % QStringLiteral(" %");
    text += QStringLiteral(" of each range.\n");
    const QStringList findings = AccuracyFindings(report);
    if (findings.isEmpty())
        text += QStringLiteral("That is within the chosen precision of ") % precisionText(in.precisionFactor)
                % QStringLiteral(".\n");
    for (const QString &f : findings)
        text += f % QLatin1Char('\n');
    return text;
}

} // namespace modKinetics
