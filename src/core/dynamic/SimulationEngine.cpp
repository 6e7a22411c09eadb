#include "dynamic/SimulationEngine.h"

#include "dynamic/EulerStep.h"

#include "platform/RuntimeFault.h"

#include <cmath>
#include <limits>

namespace modVornish {
namespace {

inline void add(Species &w, const Species &inc)
{
    w.A += inc.A;
    w.B += inc.B;
    w.AB += inc.AB;
    w.Cp += inc.Cp;
    w.CpB += inc.CpB;
}

// Integration steps from tau while tau is within the interval and before the
// next event is due; returns the first step time not taken. One loop per
// competitor state keeps the step free of tests it does not need.
template <bool Competitor>
double integrate(Species &w, Species &inc, double tau, double intervalEnd, double nextEvent, double delta,
                 ReactionConstants k)
{
    Species state = w;
    Species last = inc;
    for (; tau <= intervalEnd && tau < nextEvent; tau += delta) {
        last = StepIncrements(state, delta, k, Competitor);
        add(state, last);
    }
    w = state;
    inc = last;
    return tau;
}

ResultRecord sampleAt(double time, const Species &s, ReactionConstants k)
{
    ResultRecord r;
    r.time = time;
    r.A = s.A;
    r.B = s.B;
    r.AB = s.AB;
    ComputeRates(s.A, s.B, s.AB, k.kAss, k.kDiss, r.rA, r.rB, r.rAB);
    r.C = s.Cp;
    r.CB = s.CpB;
    double competitorOnB = 0.0; // B's rate stays that of the main reaction
    ComputeRates(s.Cp, s.B, s.CpB, k.kAss, k.kDiss, r.rC, competitorOnB, r.rCB);
    return r;
}

// No infinite or undefined value ever reaches the sink.
void deliver(const RecordSink &record, const ResultRecord &r)
{
    for (double v : {r.time, r.A, r.rA, r.B, r.rB, r.AB, r.rAB, r.C, r.rC, r.CB, r.rCB})
        fault::checkedFinite(v);
    record(r);
}

double clampedAtZero(double v)
{
    return v < 0.0 ? 0.0 : v;
}

// The events of a run with their fired marks and the earliest time still due,
// so that a step only compares one number while no event is due.
class EventSchedule
{
public:
    explicit EventSchedule(const std::vector<ProgrammedEvent> &events)
        : m_events(events)
        , m_fired(events.size(), false)
    {
        updateNextTime();
    }

    double nextTime() const { return m_nextTime; }

    // The first event in table order that has not fired and is due at tau,
    // marked fired; -1 when none.
    int fireDue(double tau)
    {
        for (std::size_t i = 0; i < m_events.size(); ++i) {
            if (!m_fired[i] && m_events[i].time <= tau) {
                m_fired[i] = true;
                updateNextTime();
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    const ProgrammedEvent &event(int i) const { return m_events[static_cast<std::size_t>(i)]; }

private:
    void updateNextTime()
    {
        m_nextTime = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < m_events.size(); ++i)
            if (!m_fired[i] && m_events[i].time < m_nextTime)
                m_nextTime = m_events[i].time;
    }

    const std::vector<ProgrammedEvent> &m_events;
    std::vector<bool> m_fired;
    double m_nextTime = 0.0;
};

void applyEvent(Species &w, const ProgrammedEvent &e, bool introducesCompetitor)
{
    switch (e.target) {
    case EventTarget::A:
        if (introducesCompetitor) {
            w.Cp = std::fabs(e.change);
            w.CpB = 0.0;
        } else {
            w.A = clampedAtZero(w.A + e.change);
        }
        break;
    case EventTarget::B:
        w.B = clampedAtZero(w.B + e.change);
        break;
    case EventTarget::AB:
        w.AB = clampedAtZero(w.AB + e.change);
        break;
    case EventTarget::None:
        break;
    }
}

void checkInputFinite(const SimulationInput &in)
{
    for (double v : {in.initialA, in.initialB, in.initialAB, in.kAss, in.kDiss, in.endTime, in.recordingInterval})
        fault::checkedFinite(v);
    for (const ProgrammedEvent &e : in.events) {
        fault::checkedFinite(e.time);
        fault::checkedFinite(e.change);
    }
}

} // namespace

QString SimulationInputRefusal(const SimulationInput &input)
{
    if (!(input.endTime > 0.0))
        return QString();
    if (!(input.recordingInterval > 0.0))
        return QStringLiteral("Enter a positive ( >0 ) numeric value for the Recording interval");
    if (!(input.precisionFactor > 0.0f))
        return QStringLiteral("Select a Simulation precision.");
    return QString();
}

void RunSimulation(const SimulationInput &input, const RecordSink &record, const ProgressSink &progress)
{
    if (!SimulationInputRefusal(input).isEmpty())
        throw RuntimeFault(RuntimeFault::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"));
    checkInputFinite(input);

    const ReactionConstants k{input.kAss, input.kDiss};
    const double interval = input.recordingInterval;
    const double delta = static_cast<double>(input.precisionFactor) * interval;
    const bool challenge = input.competitorChallenge;
    EventSchedule events(input.events);

    double t = 0.0;
    Species s{input.initialA, input.initialB, input.initialAB, 0.0, 0.0};
    deliver(record, sampleAt(0.0, s, k));

    bool competitorActive = false;
    while (t < input.endTime) {
        if (progress.report)
            progress.report(static_cast<float>(t));
        if (progress.yieldToUserInterface)
            progress.yieldToUserInterface();
        if (progress.stopRequested && progress.stopRequested())
            return;

        Species w = s;
        const double intervalEnd = t + interval;
        // Beyond about 1e15 intervals (or 1e11 steps) the time stops advancing
        // in double precision and the run would never end.
        if (!(intervalEnd > t) || !(intervalEnd + delta > intervalEnd))
            throw RuntimeFault::overflow();

        Species inc{0.0, 0.0, 0.0, 0.0, 0.0};
        double tau = t;
        while (tau <= intervalEnd) {
            if (tau < events.nextTime()) {
                tau = competitorActive ? integrate<true>(w, inc, tau, intervalEnd, events.nextTime(), delta, k)
                                       : integrate<false>(w, inc, tau, intervalEnd, events.nextTime(), delta, k);
                continue;
            }
            const int fired = events.fireDue(tau);
            if (progress.yieldToUserInterface)
                progress.yieldToUserInterface();
            deliver(record, sampleAt(tau, w, k));
            const bool introducesCompetitor = challenge && fired == 0;
            applyEvent(w, events.event(fired), introducesCompetitor);
            deliver(record, sampleAt(tau, w, k));
            // The step goes on from the state just after the event, by the
            // ordinary rule; a competitor it introduces joins from the next step.
            inc = StepIncrements(w, delta, k, competitorActive);
            add(w, inc);
            if (introducesCompetitor)
                competitorActive = true;
            tau += delta;
        }

        t += interval;
        s = w;
        ResultRecord r;
        r.time = t;
        r.A = s.A;
        r.B = s.B;
        r.AB = s.AB;
        r.rA = inc.A / delta;
        r.rB = inc.B / delta;
        r.rAB = inc.AB / delta;
        r.C = s.Cp;
        r.CB = s.CpB;
        r.rC = inc.Cp / delta;
        r.rCB = inc.CpB / delta;
        deliver(record, r);
    }
}

} // namespace modVornish
