#include "kineticsfit/KineticsFitTexts.h"

#include "exchange/CsvText.h"
#include "fitting/FitTexts.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace KineticsFit {
namespace {

QString number(double v)
{
    return Fitting::FitNumberText(v);
}

QString quantity(double v, const QString &unit)
{
    return number(v) + QLatin1Char(' ') + unit;
}

QString oneDecimal(double v)
{
    return NumberText::format(v, QStringLiteral("0.0"));
}

} // namespace

QString ModelName(Model model)
{
    switch (model) {
    case Model::PseudoFirstOrder:
        return QStringLiteral("Pseudo-first-order association");
    case Model::AssociationThenDissociation:
        return QStringLiteral("Association then dissociation");
    case Model::Dissociation:
        return QStringLiteral("Dissociation (one-phase decay)");
    case Model::Exact:
        return QStringLiteral("Exact 1:1 with depletion");
    case Model::Competitive:
        return QStringLiteral("Competitive binding kinetics");
    case Model::ObservedRate:
        return QStringLiteral("One-phase association (k_obs)");
    }
    return QString();
}

QString NoTracesText()
{
    return QStringLiteral("There is no trace to fit: open, paste or take traces, and check at least one.");
}

QString NoDissociationStartText()
{
    return QStringLiteral("Association then dissociation needs the time each trace's dissociation starts.");
}

QString NoTotalBText()
{
    return QStringLiteral("The exact model needs Total B (the binding sites) greater than zero, entered or as "
                          "the start of its fit.");
}

QString NoLabelledLigandText()
{
    return QStringLiteral("Competitive kinetics needs the labelled ligand's concentration, k_ass and k_diss, "
                          "each greater than zero.");
}

QString OneConcentrationText()
{
    return QStringLiteral("k_ass cannot be determined from one concentration: give two or more, or a "
                          "dissociation phase");
}

QString CorrelatedText(double r, bool competitive)
{
    return QStringLiteral("%1 and %2 are strongly correlated (r = %3): the traces hardly tell them apart, so "
                          "their intervals are wide; concentrations further apart or a dissociation phase would "
                          "separate them.")
        .arg(QLatin1String(competitive ? "k3" : "k_ass"), QLatin1String(competitive ? "k4" : "k_diss"),
             NumberText::format(r, QStringLiteral("0.0000")));
}

QString ShortTraceText(double concentration, const Units &units, double halfTimes, double halfTime, bool dissociation)
{
    return QStringLiteral("The %1 at %2 stops after %3 half-times (t1/2 = %4): a trace should run for at least 3.")
        .arg(dissociation ? QStringLiteral("dissociation phase") : QStringLiteral("trace"),
             quantity(concentration, units.concentration), oneDecimal(halfTimes), quantity(halfTime, units.time));
}

QString DepletionText(double largest, double residualSD, double kdApproximate, double kdExact, const Units &units)
{
    const double change = kdApproximate > 0.0 ? 100.0 * (kdExact - kdApproximate) / kdApproximate : 0.0;
    return QStringLiteral("The exact model with depletion differs from the pseudo-first-order curves by up to %1, "
                          "more than the residual SD %2: fitted exactly, Kd moves from %3 to %4 (%5 %).")
        .arg(number(largest), number(residualSD), quantity(kdApproximate, units.concentration),
             quantity(kdExact, units.concentration), oneDecimal(change));
}

QString ReportText(const KineticsFitResult &result, const Units &units)
{
    QString out = QStringLiteral("Model: ") + ModelName(result.model->options().model) + QLatin1Char('\n');
    for (const Fitting::ParameterEstimate &e : result.constants) {
        out += QStringLiteral("%1 %2, SE %3\n    95 % asymptotic: %4\n")
                   .arg(e.name + QLatin1Char(':'), quantity(e.value, e.unit), number(e.se), Fitting::AsymptoticText(e));
        if (e.profile.computed)
            out += QStringLiteral("    95 % profile: ") + Fitting::ProfileText(e) + QLatin1Char('\n');
    }
    if (result.rateCorrelation != 0.0)
        out += QStringLiteral("Correlation of the rate constants: ") + number(result.rateCorrelation)
               + QLatin1Char('\n');
    out += QStringLiteral("Residual SD: %1 (df %2)\n").arg(number(result.fit.residualSD)).arg(result.fit.df);
    for (const TraceSummary &t : result.traces) {
        out += QStringLiteral("Trace at %1: residual SD %2")
                   .arg(quantity(t.concentration, units.concentration), number(t.residualSD));
        if (t.kObsFitted)
            out += QStringLiteral(", k_obs alone %1").arg(quantity(t.kObs, units.time + QStringLiteral("-1")));
        out += QLatin1Char('\n');
    }
    for (const QString &warning : result.warnings)
        out += QStringLiteral("Warning: ") + warning + QLatin1Char('\n');
    return out;
}

Fitting::FitResult ReportedFit(const KineticsFitResult &result)
{
    Fitting::FitResult reported = result.fit;
    const int rates = RateParameterCount(result.model->options().model);
    reported.parameters = result.constants;
    reported.parameters.insert(reported.parameters.end(), result.fit.parameters.begin() + rates,
                               result.fit.parameters.end());
    return reported;
}

std::string CurvesCsv(const KineticsFitResult &result, const Units &units, int points)
{
    const std::vector<Trace> &traces = result.model->traces();
    QStringList header = {QStringLiteral("Time (%1)").arg(units.time)};
    std::set<double> times;
    double first = 0.0, last = 0.0;
    for (const Trace &trace : traces) {
        header << QStringLiteral("%1 %2").arg(number(trace.concentration), units.concentration);
        first = std::min(first, trace.time.front());
        last = std::max(last, trace.time.back());
        if (trace.dissociates)
            times.insert(trace.dissociationStart);
    }
    for (int i = 0; i < points; ++i)
        times.insert(first + (last - first) * i / std::max(1, points - 1));
    std::string out = CsvText::record(header);
    for (double t : times) {
        CsvText::appendNumber(out, t);
        for (size_t set = 0; set < traces.size(); ++set) {
            out += ',';
            CsvText::appendNumber(out, FittedSignal(result, int(set), t));
        }
        CsvText::endRecord(out);
    }
    return out;
}

} // namespace KineticsFit
