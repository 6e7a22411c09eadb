#include "kineticsfit/KineticsFit.h"

#include "dynamic/BindingTimeCourse.h"
#include "fitting/FitTexts.h"
#include "kineticsfit/KineticsFitTexts.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace KineticsFit {
namespace {

constexpr double Ln2 = 0.69314718055994530942;

// The part of a trace before its wash-out (all of it without one), or the
// part from the wash-out on.
Trace associationPart(const Trace &trace)
{
    Trace part = trace;
    part.time.clear();
    part.signal.clear();
    for (size_t i = 0; i < trace.time.size(); ++i)
        if (!trace.dissociates || trace.time[i] <= trace.dissociationStart) {
            part.time.push_back(trace.time[i]);
            part.signal.push_back(trace.signal[i]);
        }
    return part;
}

Trace dissociationPart(const Trace &trace)
{
    Trace part = trace;
    part.time.clear();
    part.signal.clear();
    for (size_t i = 0; i < trace.time.size(); ++i)
        if (trace.dissociates && trace.time[i] >= trace.dissociationStart) {
            part.time.push_back(trace.time[i]);
            part.signal.push_back(trace.signal[i]);
        }
    return part;
}

// Where an exponential through the points starts, how far it goes, and a
// rate from the time it takes to get half way.
struct Approach
{
    double base = 0.0, amplitude = 0.0, rate = 0.0;
};

Approach approachOf(const Trace &trace, double from)
{
    Approach a;
    if (trace.time.empty())
        return a;
    a.base = trace.signal.front();
    a.amplitude = trace.signal.back() - a.base;
    double halfTime = 0.0;
    for (size_t i = 0; i < trace.time.size(); ++i)
        if (std::fabs(trace.signal[i] - a.base) >= std::fabs(a.amplitude) / 2.0) {
            halfTime = trace.time[i] - from;
            break;
        }
    const double span = trace.time.back() - from;
    if (!(halfTime > 0.0))
        halfTime = span > 0.0 ? span / 4.0 : 1.0;
    a.rate = Ln2 / halfTime;
    return a;
}

Fitting::FitOptions quick(const Fitting::FitOptions &options)
{
    Fitting::FitOptions q = options;
    q.profileIntervals = false;
    return q;
}

ModelOptions withModel(const ModelOptions &options, Model model)
{
    ModelOptions changed = options;
    changed.model = model;
    changed.kdForm = false;
    return changed;
}

// The one-phase fit of each trace's association on its own.
void fitTracesAlone(const FitRequest &request, KineticsFitResult &result)
{
    ModelOptions alone = withModel(request.model, Model::ObservedRate);
    alone.scale = Sharing::PerTrace;
    alone.baseline = request.model.baseline == Baseline::Zero ? Baseline::Zero : Baseline::PerTrace;
    for (const Trace &trace : request.traces) {
        TraceSummary summary;
        summary.concentration = trace.concentration;
        const Trace part = associationPart(trace);
        const Approach a = approachOf(part, 0.0);
        const KineticModel model(alone, {part}, {a.rate}, {a.amplitude}, {a.base});
        const Fitting::FitResult fit = Fitting::Fit(model, model.dataSets(), quick(request.fit));
        if (fit.outcome == Fitting::FitResult::Fitted) {
            summary.kObsFitted = true;
            summary.kObs = fit.value(0);
            summary.kObsSE = fit.parameters[0].se;
        }
        result.traces.push_back(summary);
    }
}

struct Starts
{
    std::vector<double> rates, scales, baselines;
};

// The decay of every dissociation phase, from its wash-out on (for the
// dissociation model, from the start of a trace without one).
Starts dissociationStarts(const std::vector<Trace> &traces, Baseline baseline)
{
    Starts s;
    double rate = 0.0;
    for (const Trace &trace : traces) {
        const Approach a = approachOf(dissociationPart(trace), trace.dissociationStart);
        s.scales.push_back(-a.amplitude);
        s.baselines.push_back(baseline == Baseline::Zero ? 0.0 : a.base + a.amplitude);
        rate = std::max(rate, a.rate);
    }
    s.rates = {rate};
    return s;
}

// k_diss from the dissociation phases alone, or 0 without one.
double dissociationRate(const FitRequest &request)
{
    std::vector<Trace> parts;
    for (const Trace &trace : request.traces)
        if (dissociationPart(trace).time.size() >= 2)
            parts.push_back(trace);
    if (parts.empty())
        return 0.0;
    const Starts s = dissociationStarts(parts, request.model.baseline);
    ModelOptions decay = withModel(request.model, Model::Dissociation);
    decay.scale = Sharing::PerTrace;
    decay.baseline = request.model.baseline == Baseline::Zero ? Baseline::Zero : Baseline::PerTrace;
    std::vector<Trace> decays;
    for (const Trace &trace : parts)
        decays.push_back(dissociationPart(trace));
    const KineticModel model(decay, decays, s.rates, s.scales, s.baselines);
    const Fitting::FitResult fit = Fitting::Fit(model, model.dataSets(), quick(request.fit));
    return fit.outcome == Fitting::FitResult::Fitted && fit.value(0) > 0.0 ? fit.value(0) : s.rates[0];
}

// The starts of k_ass and k_diss: k_obs against the concentration, a
// dissociation phase giving k_diss where there is one.
std::vector<double> rateStarts(const FitRequest &request, const KineticsFitResult &result)
{
    std::vector<double> l, k;
    for (const TraceSummary &s : result.traces)
        if (s.kObsFitted && s.kObs > 0.0) {
            l.push_back(s.concentration);
            k.push_back(s.kObs);
        }
    double kDiss = dissociationRate(request);
    double kAss = 0.0;
    if (std::set<double>(l.begin(), l.end()).size() >= 2) {
        double ml = 0.0, mk = 0.0, sll = 0.0, slk = 0.0;
        for (size_t i = 0; i < l.size(); ++i) {
            ml += l[i] / double(l.size());
            mk += k[i] / double(l.size());
        }
        for (size_t i = 0; i < l.size(); ++i) {
            sll += (l[i] - ml) * (l[i] - ml);
            slk += (l[i] - ml) * (k[i] - mk);
        }
        kAss = slk / sll;
        if (!(kDiss > 0.0))
            kDiss = mk - kAss * ml;
    }
    const double fastest = k.empty() ? 1.0 : *std::max_element(k.begin(), k.end());
    const double slowest = k.empty() ? 1.0 : *std::min_element(k.begin(), k.end());
    if (!(kDiss > 0.0))
        kDiss = slowest / 10.0;
    const double highest = l.empty() ? 0.0 : *std::max_element(l.begin(), l.end());
    if (!(kAss > 0.0) && highest > 0.0)
        kAss = std::max(fastest - kDiss, fastest / 2.0) / highest;
    if (!(kAss > 0.0))
        kAss = 1.0;
    return {kAss, kDiss};
}

// The scale of each trace that gives its plateau at the starting constants.
void signalStarts(const FitRequest &request, const std::vector<double> &rates, Starts &s)
{
    for (const Trace &trace : request.traces) {
        const Approach a = approachOf(associationPart(trace), 0.0);
        const double kObs = rates[0] * trace.concentration + rates[1];
        const double plateau = kObs > 0.0 ? rates[0] * trace.concentration / kObs : 1.0;
        s.scales.push_back(plateau > 0.0 ? a.amplitude / plateau : a.amplitude);
        s.baselines.push_back(request.model.baseline == Baseline::Zero ? 0.0 : a.base);
    }
}

// The start on a grid about the first two rate parameters of centre (the
// others kept) that leaves the least sum of squares once each trace's scale
// and baseline are solved for: for the models whose course is not an
// exponential (competition, depletion), where a start off by a factor
// may not converge.
Starts gridStarts(const FitRequest &request, const std::vector<double> &centre)
{
    const ModelOptions &o = request.model;
    const size_t n = request.traces.size();
    double bestSS = std::numeric_limits<double>::infinity();
    Starts best{centre, std::vector<double>(n, 1.0), std::vector<double>(n, 0.0)};
    const bool noBase = o.baseline == Baseline::Zero;
    for (int i = -4; i <= 4; ++i)
        for (int j = -4; j <= 4; ++j) {
            std::vector<double> rates = centre;
            rates[0] *= std::pow(10.0, i / 2.0);
            rates[1] *= std::pow(10.0, j / 2.0);
            const KineticModel probe(o, request.traces, rates, best.scales, best.baselines);
            Starts here{rates, {}, {}};
            double ss = 0.0;
            for (size_t t = 0; t < n; ++t) {
                const Trace &trace = request.traces[t];
                std::vector<double> f;
                double m = 0, sf = 0, sy = 0, sff = 0, sfy = 0;
                for (size_t p = 0; p < trace.time.size(); ++p) {
                    f.push_back(probe.occupancy(int(t), trace.time[p], rates));
                    m += 1;
                    sf += f.back();
                    sy += trace.signal[p];
                    sff += f.back() * f.back();
                    sfy += f.back() * trace.signal[p];
                }
                const double det = noBase ? sff : m * sff - sf * sf;
                const double scale = det > 0.0 ? (noBase ? sfy : m * sfy - sf * sy) / det : 0.0;
                const double base = noBase ? 0.0 : (sy - scale * sf) / m;
                for (size_t p = 0; p < trace.time.size(); ++p)
                    ss += (trace.signal[p] - base - scale * f[p]) * (trace.signal[p] - base - scale * f[p]);
                here.scales.push_back(scale);
                here.baselines.push_back(base);
            }
            if (std::isfinite(ss) && ss < bestSS) {
                bestSS = ss;
                best = here;
            }
        }
    return best;
}

// An estimate multiplied by a positive factor, renamed.
Fitting::ParameterEstimate scaled(Fitting::ParameterEstimate e, double factor, const QString &name, const QString &unit)
{
    e.name = name;
    e.unit = unit;
    for (double *v : {&e.value, &e.se, &e.low, &e.high, &e.profile.low, &e.profile.high})
        *v *= factor;
    return e;
}

// ln 2 / rate: the half-time of a rate constant's estimate. Its SE by
// the delta method; its profile interval is the rate's carried over, as a
// profile interval is for any monotone function of one parameter.
Fitting::ParameterEstimate halfTime(const Fitting::ParameterEstimate &rate, const QString &unit, double t)
{
    Fitting::ParameterEstimate h = rate;
    h.name = QStringLiteral("t1/2");
    h.unit = unit;
    h.value = Ln2 / rate.value;
    h.se = Ln2 * rate.se / (rate.value * rate.value);
    h.low = h.value - t * h.se;
    h.high = h.value + t * h.se;
    const bool unboundedAbove = rate.profile.openBelow || !(rate.profile.low > 0.0);
    h.profile.openBelow = rate.profile.openAbove;
    h.profile.openAbove = unboundedAbove;
    h.profile.low = rate.profile.openAbove ? 0.0 : Ln2 / rate.profile.high;
    h.profile.high = unboundedAbove ? 0.0 : Ln2 / rate.profile.low;
    return h;
}

QString perTime(const Units &u)
{
    return u.time + QStringLiteral("-1");
}

QString perMolarTime(const Units &u)
{
    return QStringLiteral("M-1 ") + perTime(u);
}

bool hasDissociationPhase(const std::vector<Trace> &traces)
{
    for (const Trace &trace : traces)
        if (dissociationPart(trace).time.size() >= 2)
            return true;
    return false;
}

KineticsFitResult refused(const QString &why)
{
    KineticsFitResult result;
    result.refusal = why;
    return result;
}

// The model fitted from start. Where a rate constant ran below zero, the
// fit goes on from the magnitudes, which fit as well where a model takes
// them (see KineticModel::course).
Fitting::FitResult fitRates(const KineticModel &model, const std::vector<double> &start,
                            const Fitting::FitOptions &options)
{
    const int rateCount = RateParameterCount(model.options().model);
    const Fitting::FitResult fit = Fitting::FitFrom(model, start, model.dataSets(), options);
    if (fit.outcome != Fitting::FitResult::OutOfBounds || fit.boundParameter >= rateCount)
        return fit;
    std::vector<double> magnitudes = fit.lastValues;
    for (int i = 0; i < rateCount; ++i)
        magnitudes[size_t(i)] = std::fabs(magnitudes[size_t(i)]);
    return Fitting::FitFrom(model, magnitudes, model.dataSets(), options);
}

// The fit itself: true when the engine fitted it; the refusal set otherwise.
bool fitModel(const FitRequest &request, const ModelOptions &options, const std::vector<double> &rates,
              const std::vector<double> &scales, const std::vector<double> &baselines,
              const Fitting::FitOptions &fitOptions, KineticsFitResult &result)
{
    auto model = std::make_shared<KineticModel>(options, request.traces, rates, scales, baselines);
    // The rate constants are read; the scales and baselines are not profiled.
    Fitting::FitOptions ratesProfiled = fitOptions;
    for (int i = 0; i < RateParameterCount(options.model); ++i)
        ratesProfiled.profiled.push_back(i);
    std::vector<double> start;
    for (const Fitting::FitParameter &parameter : model->parameters())
        start.push_back(parameter.start);
    result.fit = fitRates(*model, start, ratesProfiled);
    result.model = model;
    if (result.fit.outcome != Fitting::FitResult::Fitted) {
        result.refusal = Fitting::OutcomeText(result.fit, model->parameters());
        return false;
    }
    return true;
}

void addResidualSDs(KineticsFitResult &result)
{
    for (size_t set = 0; set < result.fit.residuals.size(); ++set) {
        double ss = 0.0;
        for (double r : result.fit.residuals[set])
            ss += r * r;
        const size_t n = result.fit.residuals[set].size();
        result.traces[set].residualSD = n ? std::sqrt(ss / double(n)) : 0.0;
    }
}

std::vector<double> valuesOf(const Fitting::FitResult &fit)
{
    std::vector<double> p;
    for (const Fitting::ParameterEstimate &e : fit.parameters)
        p.push_back(e.value);
    return p;
}

// Warns of traces that end before three half-times of their approach or
// of their decay.
void warnShortTraces(const FitRequest &request, KineticsFitResult &result)
{
    const Model kind = result.model->options().model;
    if (kind == Model::Competitive)
        return;
    const std::vector<double> p = valuesOf(result.fit);
    for (const Trace &trace : result.model->traces()) {
        const Trace association = associationPart(trace);
        if (kind != Model::Dissociation && association.time.size() >= 2) {
            double kObs = p[0];
            if (kind == Model::Exact)
                kObs = modKinetics::BindingTimeCourse(trace.concentration, p[2], 0.0, p[0], p[1]).kObs();
            else if (kind != Model::ObservedRate)
                kObs = p[0] * trace.concentration + p[1];
            const double halfTimes = association.time.back() * kObs / Ln2;
            if (kObs > 0.0 && halfTimes < 3.0)
                result.warnings << ShortTraceText(trace.concentration, request.units, halfTimes, Ln2 / kObs, false);
        }
        const Trace dissociation = kind == Model::Dissociation || trace.dissociates ? dissociationPart(trace) : Trace();
        const double kDiss = kind == Model::Dissociation ? p[0] : p[1];
        if (kind != Model::ObservedRate && dissociation.time.size() >= 2 && kDiss > 0.0) {
            const double halfTimes = (dissociation.time.back() - trace.dissociationStart) * kDiss / Ln2;
            if (halfTimes < 3.0)
                result.warnings << ShortTraceText(trace.concentration, request.units, halfTimes, Ln2 / kDiss, true);
        }
    }
}

// A pseudo-first-order fit where Total B is known: how far the exact model
// with the same constants is from its curves, and where the exact fit
// moves Kd when that is more than the scatter.
void warnDepletion(const FitRequest &request, KineticsFitResult &result)
{
    if (!(request.model.totalB > 0.0))
        return;
    ModelOptions exact = withModel(request.model, Model::Exact);
    exact.fitTotalB = false;
    std::vector<double> p = valuesOf(result.fit);
    p.insert(p.begin() + 2, request.model.totalB);
    const size_t n = request.traces.size();
    const KineticModel model(exact, request.traces, {p[0], p[1], p[2]}, std::vector<double>(n, 1.0),
                             std::vector<double>(n, 0.0));
    double largest = 0.0;
    for (size_t set = 0; set < n; ++set)
        for (size_t i = 0; i < request.traces[set].time.size(); ++i) {
            const double y = Fitting::CurveValue(model, int(set), request.traces[set].time[i], p);
            largest = std::max(largest, std::fabs(y - result.fit.fitted[set][i]));
        }
    if (!(largest > result.fit.residualSD))
        return;
    const Fitting::FitResult refit = fitRates(model, p, quick(request.fit));
    if (refit.outcome != Fitting::FitResult::Fitted)
        return;
    const double kd = p[1] / p[0];
    result.warnings << DepletionText(largest, result.fit.residualSD, kd, refit.value(1) / refit.value(0),
                                     request.units);
}

// The constants as a lab reads them, from the fit (rate constants first)
// and the fit of the same model with the dissociation constant as its
// second parameter.
void addConstants(const FitRequest &request, KineticsFitResult &result)
{
    const Units &u = request.units;
    const Model kind = result.model->options().model;
    const std::vector<Fitting::ParameterEstimate> &e = result.fit.parameters;
    const double perMolar = 1.0 / u.molarPerUnit;
    switch (kind) {
    case Model::ObservedRate:
        result.constants = {scaled(e[0], 1.0, QStringLiteral("k_obs"), perTime(u)),
                            halfTime(e[0], u.time, result.fit.t)};
        return;
    case Model::Dissociation:
        result.constants = {scaled(e[0], 1.0, QStringLiteral("k_diss"), perTime(u)),
                            halfTime(e[0], u.time, result.fit.t)};
        return;
    default:
        break;
    }
    const bool competitive = kind == Model::Competitive;
    result.constants = {
        scaled(e[0], perMolar, QLatin1String(competitive ? "k3" : "k_ass"), perMolarTime(u)),
        scaled(e[1], 1.0, QLatin1String(competitive ? "k4" : "k_diss"), perTime(u)),
    };
    result.rateCorrelation = result.fit.correlationOf(0, 1);

    ModelOptions kdForm = result.model->options();
    kdForm.kdForm = true;
    std::vector<double> start = valuesOf(result.fit);
    start[1] /= start[0];
    const size_t n = request.traces.size();
    const KineticModel kdModel(kdForm, request.traces, {start.begin(), start.begin() + RateParameterCount(kind)},
                               std::vector<double>(n, 1.0), std::vector<double>(n, 0.0));
    Fitting::FitOptions kdProfiled = request.fit;
    kdProfiled.profiled = {1};
    const Fitting::FitResult kdFit = fitRates(kdModel, start, kdProfiled);
    if (kdFit.outcome == Fitting::FitResult::Fitted)
        result.constants.push_back(
            scaled(kdFit.parameters[1], 1.0, QLatin1String(competitive ? "Ki" : "Kd"), u.concentration));
    if (!competitive)
        result.constants.push_back(halfTime(e[1], u.time, result.fit.t));
    if (kind == Model::Exact && request.model.fitTotalB)
        result.constants.push_back(scaled(e[2], 1.0, QStringLiteral("Total B"), u.concentration));
}

// What the request lacks for its model, in words; empty when it can be fitted.
QString missing(const FitRequest &request)
{
    const ModelOptions &o = request.model;
    if (request.traces.empty())
        return NoTracesText();
    for (const Trace &trace : request.traces)
        if (o.model == Model::AssociationThenDissociation && !trace.dissociates)
            return NoDissociationStartText();
    if (o.model == Model::Exact && !(o.totalB > 0.0))
        return NoTotalBText();
    if (o.model == Model::Competitive && !(o.ligand > 0.0 && o.ligandKAss > 0.0 && o.ligandKDiss > 0.0))
        return NoLabelledLigandText();
    return QString();
}

// One concentration and no dissociation phase: k_obs shared by the traces.
KineticsFitResult fitObservedRate(const FitRequest &request, KineticsFitResult result)
{
    FitRequest observed = request;
    observed.traces.clear();
    Starts s;
    double rate = 0.0;
    for (size_t i = 0; i < request.traces.size(); ++i) {
        observed.traces.push_back(associationPart(request.traces[i]));
        const Approach a = approachOf(observed.traces.back(), 0.0);
        rate += (result.traces[i].kObsFitted ? result.traces[i].kObs : a.rate) / double(request.traces.size());
        s.scales.push_back(a.amplitude);
        s.baselines.push_back(request.model.baseline == Baseline::Zero ? 0.0 : a.base);
    }
    if (!fitModel(observed, withModel(request.model, Model::ObservedRate), {rate}, s.scales, s.baselines, request.fit,
                  result))
        return result;
    result.fitted = true;
    result.kAssDetermined = false;
    result.warnings << OneConcentrationText();
    addConstants(observed, result);
    addResidualSDs(result);
    warnShortTraces(observed, result);
    return result;
}

} // namespace

KineticsFitResult FitKinetics(const FitRequest &request)
{
    const QString lacking = missing(request);
    if (!lacking.isEmpty())
        return refused(lacking);
    const ModelOptions &o = request.model;
    KineticsFitResult result;
    Starts s;
    switch (o.model) {
    case Model::Dissociation: {
        FitRequest decays = request;
        // Each trace from its wash-out on, or all of it without one.
        for (Trace &trace : decays.traces) {
            if (!trace.dissociates) {
                trace.dissociates = true;
                trace.dissociationStart = trace.time.front();
            }
            trace = dissociationPart(trace);
        }
        s = dissociationStarts(decays.traces, o.baseline);
        for (const Trace &trace : request.traces)
            result.traces.push_back({trace.concentration, false, 0.0, 0.0, 0.0});
        if (!fitModel(decays, o, s.rates, s.scales, s.baselines, request.fit, result))
            return result;
        break;
    }
    case Model::Competitive:
        s = gridStarts(request, {o.ligandKAss, o.ligandKDiss});
        for (const Trace &trace : request.traces)
            result.traces.push_back({trace.concentration, false, 0.0, 0.0, 0.0});
        if (!fitModel(request, o, s.rates, s.scales, s.baselines, request.fit, result))
            return result;
        break;
    default: {
        fitTracesAlone(request, result);
        std::set<double> concentrations;
        for (const Trace &trace : request.traces)
            concentrations.insert(trace.concentration);
        if (concentrations.size() < 2 && !hasDissociationPhase(request.traces))
            return fitObservedRate(request, result);
        s.rates = rateStarts(request, result);
        signalStarts(request, s.rates, s);
        if (o.model == Model::Exact) {
            s.rates.push_back(o.totalB);
            s = gridStarts(request, s.rates);
        }
        if (!fitModel(request, o, s.rates, s.scales, s.baselines, request.fit, result))
            return result;
    }
    }
    result.fitted = true;
    addConstants(request, result);
    addResidualSDs(result);
    if (std::fabs(result.rateCorrelation) > 0.99)
        result.warnings << CorrelatedText(result.rateCorrelation, o.model == Model::Competitive);
    warnShortTraces(request, result);
    if (o.model == Model::PseudoFirstOrder || o.model == Model::AssociationThenDissociation)
        warnDepletion(request, result);
    return result;
}

double FittedSignal(const KineticsFitResult &result, int set, double t)
{
    return Fitting::CurveValue(*result.model, set, t, valuesOf(result.fit));
}

} // namespace KineticsFit
