#include "dynamic/ReferenceRun.h"

#include "dynamic/EventFiringTimes.h"
#include "dynamic/SimulationEngine.h"

#include <boost/numeric/odeint.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <limits>
#include <optional>

namespace modKinetics {
namespace {

namespace odeint = boost::numeric::odeint;
using modVornish::EventTarget;
using modVornish::ResultRecord;
using modVornish::SimulationInput;

constexpr double infinity = std::numeric_limits<double>::infinity();

// A, B, AB, Cp, CpB divided by the segment's concentration scale, so that
// the tolerances below are relative to the largest amount present.
using State = std::array<double, 5>;

constexpr double RelativeTolerance = 1e-12;
constexpr double AbsoluteTolerance = 1e-18;
// Within this of the equilibrium (relative, plus an absolute part of the
// scale) the rest of a segment is the equilibrium: an explicit method would
// otherwise crawl along it at its stability limit.
constexpr double SettledRelative = 1e-13;
constexpr double SettledAbsolute = 1e-15;
// Beyond this many steps a run is too stiff to be checked in good time.
constexpr long StepBudget = 1000000;
// Dense points drawn per step, and the most points the curve keeps.
constexpr int PointsPerStep = 4;
constexpr std::size_t CurveLimit = 400000;

struct Reaction
{
    double kAss, kDiss; // kAss times the scale: the state is scaled

    void operator()(const State &x, State &dxdt, double /*t*/) const
    {
        const double main = kAss * x[0] * x[1] - kDiss * x[2];
        const double competing = kAss * x[3] * x[1] - kDiss * x[4];
        dxdt = {-main, -main - competing, main, -competing, competing};
    }
};

using Stepper = odeint::result_of::make_dense_output<odeint::runge_kutta_dopri5<State>>::type;

// The integration may carry a species that runs out a little below zero;
// no concentration it gives is negative.
Mixture mixtureOf(const State &x, double scale)
{
    const auto amount = [scale](double v) { return v < 0.0 ? 0.0 : v * scale; }; // NaN stays NaN
    return {amount(x[0]), amount(x[1]), amount(x[2]), amount(x[3]), amount(x[4])};
}

State stateOf(const Mixture &m, double scale)
{
    return {m.A / scale, m.B / scale, m.AB / scale, m.Cp / scale, m.CpB / scale};
}

bool finite(const Mixture &m)
{
    return std::isfinite(m.A) && std::isfinite(m.B) && std::isfinite(m.AB) && std::isfinite(m.Cp)
           && std::isfinite(m.CpB);
}

// The mixture a segment tends to; false when it depends on the path. With
// the competitor, A and the competitor bind B alike, so together they are one
// ligand whose bound share is the same for both.
bool EquilibriumOf(const Mixture &m, double kAss, double kDiss, Mixture &eq)
{
    const double totalA = m.A + m.AB, totalC = m.Cp + m.CpB;
    const double totalL = totalA + totalC;
    const BindingTimeCourse combined(m.A + m.Cp, m.B, m.AB + m.CpB, kAss, kDiss);
    const Equilibrium &e = combined.equilibrium();
    if (totalC == 0.0 || totalL == 0.0) {
        eq = {e.A, e.B, e.AB, m.Cp, m.CpB};
        return true;
    }
    if (kAss > 0.0 && kDiss == 0.0 && e.A > 0.0 && e.B == 0.0)
        return false; // B runs out; how it ends up shared depends on the path
    if (kAss == 0.0 && kDiss == 0.0) {
        eq = m;
        return true;
    }
    const double freeShare = e.A / totalL, boundShare = e.AB / totalL;
    eq = {totalA * freeShare, e.B, totalA * boundShare, totalC * freeShare, totalC * boundShare};
    return true;
}

// The largest relaxation rate of the reaction about the mixture eq (1/s):
// with the competitor, the larger eigenvalue of the linearised pair of
// complexes, whose free B they share.
double StiffnessAt(const Mixture &eq, double kAss, double kDiss)
{
    const double a = kAss * (eq.B + eq.A) + kDiss, b = kAss * eq.A;
    const double c = kAss * eq.Cp, d = kAss * (eq.B + eq.Cp) + kDiss;
    if (eq.Cp + eq.CpB == 0.0)
        return a;
    const double half = 0.5 * (a + d);
    return half + std::sqrt(0.25 * (a - d) * (a - d) + b * c);
}

// The points of the dashed curve a closed-form segment adds: evenly over
// the run, and densely where the segment still moves.
constexpr int RunGridPoints = 2000;
constexpr int RelaxationPoints = 200;
constexpr double RelaxationsDrawn = 10.0;

} // namespace

struct ReferenceRun::Integration
{
    explicit Integration(const SimulationInput &in)
        : input(in)
        , fired(EventFiringTimes(in))
        , interval(in.recordingInterval)
    {
    }

    // The engine's samples, produced one at a time.
    enum class Kind { Sample, EventBefore, EventAfter };
    struct Pending
    {
        Kind kind;
        double time;
        int event;
    };

    // Where [A/B] crosses the edge of the band of a summary fraction, with
    // the competitor: the band is left, or entered.
    struct BandCrossing
    {
        double time;
        int fraction;
        bool entered;
    };

    const SimulationInput input;
    const std::vector<FiredEvent> fired;
    const double interval;
    std::size_t nextFired = 0;
    std::deque<Pending> pending;
    long long intervalIndex = 0;
    double t = 0.0;
    bool started = false;
    bool ended = false;
    Mixture lastGiven;
    QString failure;

    std::vector<SegmentKinetics> segments;
    std::vector<ReferencePoint> curve;

    // The segment being followed.
    Mixture current; // at the segment's start
    std::optional<BindingTimeCourse> closedForm;
    double curvedTo = 0.0; // with the closed form: the curve is drawn up to here
    double scale = 1.0;
    Reaction reaction{0.0, 0.0};
    Stepper stepper = odeint::make_dense_output(AbsoluteTolerance, RelativeTolerance,
                                                odeint::runge_kutta_dopri5<State>());
    bool settled = false; // the rest of the segment is the equilibrium
    bool settledFromStart = false;
    Mixture settledState;
    bool haveEquilibrium = false;
    Mixture equilibrium;
    long steps = 0;
    std::vector<BandCrossing> crossings;
    std::array<bool, SummaryFractionCount> inside{};

    ReferencePoint pointOf(double time, const Mixture &m) const
    {
        double rA, rB, rAB;
        modVornish::ComputeRates(m.A, m.B, m.AB, input.kAss, input.kDiss, rA, rB, rAB);
        const double competing = input.kAss * m.Cp * m.B - input.kDiss * m.CpB;
        return {time, m.A, m.B, m.AB, rA, rB - competing, rAB};
    }

    void addCurvePoint(double time, const Mixture &m)
    {
        if (curve.size() < CurveLimit)
            curve.push_back(pointOf(time, m));
    }

    bool nearEquilibrium(const Mixture &m) const
    {
        const double a[] = {m.A, m.B, m.AB, m.Cp, m.CpB};
        const double e[] = {equilibrium.A, equilibrium.B, equilibrium.AB, equilibrium.Cp, equilibrium.CpB};
        for (int i = 0; i < 5; ++i)
            if (std::fabs(a[i] - e[i]) > SettledRelative * std::fabs(e[i]) + SettledAbsolute * scale)
                return false;
        return true;
    }

    Mixture closedFormAt(double time) const
    {
        const double since = time - segments.back().start;
        return {closedForm->freeAAt(since), closedForm->freeBAt(since), closedForm->complexAt(since), 0.0, 0.0};
    }

    // The closed form's curve up to time: on the run's grid, and densely
    // over the first relaxations of the segment.
    void addClosedFormPoints(double time)
    {
        const double start = segments.back().start;
        const double grid = input.endTime / RunGridPoints;
        const double kObs = closedForm->kObs();
        const double fine = kObs > 0.0 ? RelaxationsDrawn / kObs / RelaxationPoints : 0.0;
        long long gridIndex = grid > 0.0 ? static_cast<long long>(std::floor(curvedTo / grid)) + 1 : 0;
        long long fineIndex = fine > 0.0 ? static_cast<long long>(std::floor((curvedTo - start) / fine)) + 1 : 0;
        while (true) {
            const double onGrid = grid > 0.0 ? gridIndex * grid : infinity;
            const double onFine = fine > 0.0 && fineIndex <= RelaxationPoints ? start + fineIndex * fine : infinity;
            const double next = std::min(onGrid, onFine);
            if (!(next < time))
                break;
            if (next > curvedTo)
                addCurvePoint(next, closedFormAt(next));
            (onGrid <= onFine ? gridIndex : fineIndex) += 1;
        }
        curvedTo = std::max(curvedTo, time);
    }

    // Fraction of the way [A/B] still has to go, with the competitor.
    double remainingOf(const Mixture &m) const
    {
        return std::fabs(m.AB - equilibrium.AB) / std::fabs(equilibrium.AB - current.AB);
    }

    bool withinBand(const Mixture &m, int fraction) const { return remainingOf(m) <= 1.0 - SummaryFractions[fraction]; }

    // With the competitor: notes where [A/B] enters or leaves the band of
    // each summary fraction within the step just taken, from its dense output.
    void trackBands(double from, double to)
    {
        if (!haveEquilibrium || equilibrium.AB == current.AB)
            return;
        State x;
        double before = from;
        for (int i = 1; i <= PointsPerStep; ++i) {
            const double at = from + (to - from) * i / PointsPerStep;
            stepper.calc_state(at, x);
            const Mixture m = mixtureOf(x, scale);
            for (int f = 0; f < SummaryFractionCount; ++f) {
                if (withinBand(m, f) == inside[f])
                    continue;
                double low = before, high = at;
                for (int k = 0; k < 200 && high - low > 1e-15 * std::fabs(high); ++k) {
                    const double mid = 0.5 * (low + high);
                    stepper.calc_state(mid, x);
                    (withinBand(mixtureOf(x, scale), f) == inside[f] ? low : high) = mid;
                }
                inside[f] = !inside[f];
                crossings.push_back({high, f, inside[f]});
            }
            before = at;
        }
    }

    // The summary's times of a competitor segment that ends at end: the
    // first entry into the half band, and the entries into the others after
    // which [A/B] stays within them.
    void closeBands(double end)
    {
        SegmentKinetics &segment = segments.back();
        if (!segment.competitor || !haveEquilibrium || settledFromStart)
            return;
        if (equilibrium.AB == current.AB) {
            std::fill(std::begin(segment.timeTo), std::end(segment.timeTo), 0.0);
            return;
        }
        for (int f = 0; f < SummaryFractionCount; ++f) {
            double entered = -1.0;
            for (const BandCrossing &c : crossings) {
                if (c.fraction != f || c.time > end)
                    continue;
                if (f == 0 && c.entered) {
                    entered = c.time;
                    break;
                }
                entered = c.entered ? c.time : -1.0;
            }
            segment.timeTo[f] = entered >= 0.0 ? entered - segment.start : -1.0;
        }
        if (segment.timeTo[0] > 0.0)
            segment.kObs = std::log(2.0) / segment.timeTo[0];
    }

    void closeSegment(double end)
    {
        segments.back().end = end;
        closeBands(end);
    }

    void startSegment(double start, const Mixture &m, int event = -1, double applied = 0.0)
    {
        if (!segments.empty())
            closeSegment(start);
        current = m;
        SegmentKinetics segment;
        segment.start = segment.end = start;
        segment.event = event;
        segment.applied = applied;
        segment.startState = m;
        segment.competitor = m.Cp + m.CpB > 0.0;
        haveEquilibrium = EquilibriumOf(m, input.kAss, input.kDiss, equilibrium);
        segment.equilibriumKnown = haveEquilibrium;
        if (haveEquilibrium) {
            segment.equilibrium = {equilibrium.A, equilibrium.B, equilibrium.AB};
            segment.stiffness = StiffnessAt(equilibrium, input.kAss, input.kDiss);
        }
        crossings.clear();
        inside.fill(false);
        closedForm.reset();
        scale = std::max({m.A, m.B, m.AB, m.Cp, m.CpB});
        const bool reacts = scale > 0.0 && (input.kAss > 0.0 || input.kDiss > 0.0);
        if (!segment.competitor) {
            closedForm.emplace(m.A, m.B, m.AB, input.kAss, input.kDiss);
            segment.kObs = closedForm->kObs();
            for (int i = 0; i < SummaryFractionCount; ++i)
                segment.timeTo[i] = closedForm->timeToFraction(SummaryFractions[i]);
        } else {
            segment.kObsApparent = true;
        }
        segments.push_back(segment);
        curvedTo = start;
        addCurvePoint(start, m);
        if (closedForm)
            return;

        settled = !reacts || (haveEquilibrium && nearEquilibrium(m));
        settledFromStart = settled;
        settledState = settled && haveEquilibrium ? equilibrium : m;
        if (settled) {
            for (double &time : segments.back().timeTo)
                time = reacts ? 0.0 : infinity;
            return;
        }
        reaction = {input.kAss * scale, input.kDiss};
        const double fastest = reaction.kAss * (1.0 + 1.0) + reaction.kDiss;
        stepper.initialize(stateOf(m, scale), start, 1e-3 / fastest);
    }

    // The state at time t of the current segment (t not before the time
    // asked for last).
    bool stateAt(double time, Mixture &m)
    {
        if (closedForm) {
            addClosedFormPoints(time);
            m = closedFormAt(time);
            return true;
        }
        if (settled || !(time > segments.back().start)) {
            m = settled ? settledState : current;
            return true;
        }
        State x;
        while (stepper.current_time() < time) {
            if (++steps > StepBudget) {
                failure = QStringLiteral("the run is too stiff to be integrated exactly in good time");
                return false;
            }
            const auto span = stepper.do_step(reaction);
            for (int i = 1; i <= PointsPerStep; ++i) {
                const double at = span.first + (span.second - span.first) * i / PointsPerStep;
                stepper.calc_state(at, x);
                addCurvePoint(at, mixtureOf(x, scale));
            }
            const Mixture reached = mixtureOf(stepper.current_state(), scale);
            if (!finite(reached)) {
                failure = QStringLiteral("the exact time course overflows");
                return false;
            }
            trackBands(span.first, span.second);
            if (haveEquilibrium && nearEquilibrium(reached) && time > span.second) {
                settled = true;
                settledState = equilibrium;
                addCurvePoint(span.second, equilibrium);
                m = equilibrium;
                return true;
            }
        }
        stepper.calc_state(time, x);
        m = mixtureOf(x, scale);
        return true;
    }

    void applyEvent(Mixture &m, int index) const
    {
        const modVornish::ProgrammedEvent &e = input.events[static_cast<std::size_t>(index)];
        const auto clamped = [](double v) { return v < 0.0 ? 0.0 : v; };
        switch (e.target) {
        case EventTarget::A:
            if (index == 0 && input.competitorChallenge) {
                m.Cp = std::fabs(e.change);
                m.CpB = 0.0;
            } else {
                m.A = clamped(m.A + e.change);
            }
            break;
        case EventTarget::B:
            m.B = clamped(m.B + e.change);
            break;
        case EventTarget::AB:
            m.AB = clamped(m.AB + e.change);
            break;
        case EventTarget::None:
            break;
        }
    }

    // The change an event made to its target.
    static double appliedChange(const Mixture &before, const Mixture &after, EventTarget target)
    {
        switch (target) {
        case EventTarget::A:
            return after.A - before.A;
        case EventTarget::B:
            return after.B - before.B;
        case EventTarget::AB:
            return after.AB - before.AB;
        case EventTarget::None:
            break;
        }
        return 0.0;
    }

    // Queues the samples of the next recording interval; false at the end.
    bool queueInterval()
    {
        if (!(t < input.endTime))
            return false;
        const double intervalEnd = t + interval;
        if (!(intervalEnd > t))
            return false;
        for (; nextFired < fired.size() && fired[nextFired].interval == intervalIndex; ++nextFired)
            pending.push_back({Kind::EventBefore, fired[nextFired].time, fired[nextFired].index});
        pending.push_back({Kind::Sample, intervalEnd, -1});
        t = intervalEnd;
        ++intervalIndex;
        return true;
    }

    bool next(ResultRecord &sample, int &segment)
    {
        if (!failure.isEmpty())
            return false;
        Mixture m;
        if (!started) {
            started = true;
            m = {input.initialA, input.initialB, input.initialAB, 0.0, 0.0};
            startSegment(0.0, m);
            lastGiven = m;
            return give(0.0, m, sample, segment);
        }
        if (pending.empty() && !queueInterval()) {
            finish();
            return false;
        }
        const Pending p = pending.front();
        pending.pop_front();
        if (p.kind == Kind::EventAfter) {
            m = current;
        } else {
            if (!stateAt(p.time, m))
                return false;
            if (p.kind == Kind::EventBefore) {
                trimCurveAfter(p.time);
                addCurvePoint(p.time, m);
                Mixture after = m;
                applyEvent(after, p.event);
                // The after-sample belongs to the new segment.
                give(p.time, m, sample, segment);
                const EventTarget target = p.event == 0 && input.competitorChallenge
                                               ? EventTarget::None
                                               : input.events[static_cast<std::size_t>(p.event)].target;
                startSegment(p.time, after, p.event, appliedChange(m, after, target));
                pending.push_front({Kind::EventAfter, p.time, p.event});
                return true;
            }
            segments.back().end = p.time;
            lastGiven = m;
        }
        return give(p.time, m, sample, segment);
    }

    // Ends the run at the last sample given, whole or stopped early.
    void finish()
    {
        if (ended || segments.empty())
            return;
        ended = true;
        const double end = segments.back().end;
        if (closedForm)
            addClosedFormPoints(end);
        trimCurveAfter(end);
        addCurvePoint(end, lastGiven);
        closeSegment(end);
    }

    // The stepper runs ahead of the samples: what it drew beyond an event or
    // the last sample is not part of the run.
    void trimCurveAfter(double time)
    {
        while (!curve.empty() && curve.back().time > time)
            curve.pop_back();
    }

    bool give(double time, const Mixture &m, ResultRecord &sample, int &segment) const
    {
        sample.time = time;
        sample.A = m.A;
        sample.B = m.B;
        sample.AB = m.AB;
        modVornish::ComputeRates(m.A, m.B, m.AB, input.kAss, input.kDiss, sample.rA, sample.rB, sample.rAB);
        segment = static_cast<int>(segments.size()) - 1;
        return true;
    }
};

ReferenceRun::ReferenceRun(const SimulationInput &input)
    : m(std::make_unique<Integration>(input))
{
}

ReferenceRun::~ReferenceRun() = default;

bool ReferenceRun::next(ResultRecord &sample, int &segment)
{
    return m->next(sample, segment);
}

void ReferenceRun::finish()
{
    m->finish();
}

QString ReferenceRun::failure() const
{
    return m->failure;
}

const std::vector<SegmentKinetics> &ReferenceRun::segments() const
{
    return m->segments;
}

const std::vector<ReferencePoint> &ReferenceRun::curve() const
{
    return m->curve;
}

} // namespace modKinetics
