#include "cli/CommandLine.h"
#include "cli/CommonOptions.h"
#include "cli/Failures.h"
#include "cli/Subcommand.h"
#include "exchange/FitResultsCsv.h"
#include "kineticsfit/KineticsFit.h"
#include "kineticsfit/KineticsFitTexts.h"
#include "kineticsfit/TraceReader.h"

#include <QFile>

#include <cstdio>

namespace cli {
namespace {

using namespace KineticsFit;

std::vector<Trace> readTraces(const QString &path)
{
    const bool standardInput = path == QLatin1String("-");
    const QString name = standardInput ? QStringLiteral("standard input") : path;
    QFile file(path);
    const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened)
        throw Refusal{QStringLiteral("cannot read '%1': %2").arg(name, file.errorString())};
    const TraceReading reading = ReadTraces(file);
    if (reading.stop != TraceStop::EndOfData)
        throw Refusal{name + QStringLiteral(": ") + TraceStopText(reading)};
    return reading.traces;
}

template <typename T>
T choice(const Arguments &arguments, const char *option, const std::vector<std::pair<const char *, T>> &choices,
         T fallback)
{
    if (!arguments.has(option))
        return fallback;
    const QString given = arguments.value(option);
    QStringList names;
    for (const auto &[name, value] : choices) {
        if (given == QLatin1String(name))
            return value;
        names << QLatin1String(name);
    }
    throw UsageError{
        QStringLiteral("--%1 takes %2, not '%3'").arg(QLatin1String(option), names.join(QStringLiteral(", ")), given)};
}

// A rate constant's value as typed: a plain number.
double rate(const Arguments &arguments, const char *option)
{
    return arguments.has(option) ? PlainNumber(arguments.value(option), QStringLiteral("--") + QLatin1String(option))
                                 : 0.0;
}

FitRequest requestOf(const Arguments &arguments)
{
    FitRequest r;
    const Unit unit = UnitOf(arguments);
    const Unit time = arguments.has("time-unit") ? TimeUnit(arguments.value("time-unit"), QStringLiteral("--time-unit"))
                                                 : Unit{QStringLiteral("s"), 1.0};
    r.units = {unit.name, unit.factor, time.name};
    r.model.model = choice<Model>(arguments, "model",
                                  {{"pseudo-first-order", Model::PseudoFirstOrder},
                                   {"association-dissociation", Model::AssociationThenDissociation},
                                   {"dissociation", Model::Dissociation},
                                   {"exact", Model::Exact},
                                   {"competitive", Model::Competitive}},
                                  Model::PseudoFirstOrder);
    r.model.scale = choice<Sharing>(arguments, "scale", {{"per-trace", Sharing::PerTrace}, {"shared", Sharing::Shared}},
                                    Sharing::PerTrace);
    r.model.baseline =
        choice<Baseline>(arguments, "baseline",
                         {{"per-trace", Baseline::PerTrace}, {"shared", Baseline::Shared}, {"zero", Baseline::Zero}},
                         Baseline::PerTrace);
    if (arguments.has("total-b"))
        r.model.totalB = Concentration(arguments.value("total-b"), unit, QStringLiteral("--total-b")) / unit.factor;
    r.model.fitTotalB = arguments.has("fit-total-b");
    if (arguments.has("ligand"))
        r.model.ligand = Concentration(arguments.value("ligand"), unit, QStringLiteral("--ligand")) / unit.factor;
    // Typed per M: the model takes them per concentration unit.
    r.model.ligandKAss = rate(arguments, "ligand-k-ass") * unit.factor;
    r.model.ligandKDiss = rate(arguments, "ligand-k-diss");
    r.traces = readTraces(arguments.operands().first());
    if (arguments.has("dissociation-start")) {
        const double start = Time(arguments.value("dissociation-start"), time, QStringLiteral("--dissociation-start"))
                             / time.factor;
        for (Trace &trace : r.traces)
            if (!trace.dissociates) {
                trace.dissociates = true;
                trace.dissociationStart = start;
            }
    }
    return r;
}

QString number(double v)
{
    return QString::fromStdString(NumberText(v));
}

QString json(const KineticsFitResult &result)
{
    QStringList constants;
    for (const Fitting::ParameterEstimate &e : result.constants) {
        QString item = QStringLiteral("{\"name\":%1,\"value\":%2,\"se\":%3,\"low\":%4,\"high\":%5,\"unit\":%6")
                           .arg(QString::fromStdString(JsonString(e.name)), number(e.value), number(e.se),
                                number(e.low), number(e.high), QString::fromStdString(JsonString(e.unit)));
        if (e.profile.computed)
            item += QStringLiteral(",\"profileLow\":%1,\"profileHigh\":%2")
                        .arg(e.profile.openBelow ? QStringLiteral("null") : number(e.profile.low),
                             e.profile.openAbove ? QStringLiteral("null") : number(e.profile.high));
        constants << item + QLatin1Char('}');
    }
    QStringList warnings;
    for (const QString &w : result.warnings)
        warnings << QString::fromStdString(JsonString(w));
    return QStringLiteral("{\"model\":%1,\"constants\":[%2],\"residualSD\":%3,\"df\":%4,\"warnings\":[%5]}\n")
        .arg(QString::fromStdString(JsonString(ModelName(result.model->options().model))),
             constants.join(QLatin1Char(',')), number(result.fit.residualSD), QString::number(result.fit.df),
             warnings.join(QLatin1Char(',')));
}

void run(const Arguments &arguments)
{
    const Format format = FormatOf(arguments, Format::Text);
    const FitRequest request = requestOf(arguments);
    const KineticsFitResult result = FitKinetics(request);
    if (!result.fitted)
        throw Refusal{result.refusal};
    if (format != Format::Text || arguments.has("curves"))
        for (const QString &warning : result.warnings)
            Warn(QStringLiteral("fit-kinetics: ") + warning);
    std::string out;
    if (arguments.has("curves"))
        out = CurvesCsv(result, request.units, 201);
    else if (format == Format::Csv)
        out = FitResultsCsv::ParameterRows(ReportedFit(result));
    else if (format == Format::Json)
        out = json(result).toStdString();
    else
        out = ReportText(result, request.units).toStdString();
    OutputStream stream(arguments.value("output"));
    stream.write(out);
    stream.commit();
}

} // namespace

const Subcommand &FitKineticsCommand()
{
    static const Subcommand command = [] {
        Subcommand s{
            "fit-kinetics",
            "k_ass, k_diss and Kd by a global fit of measured time courses.",
            "FILE",
            "Reads the traces of FILE (or standard input for \"-\"): a time column and a\n"
            "signal column per trace headed by its concentration, with an optional row\n"
            "\"Dissociation\" giving when each trace's dissociation starts; or three\n"
            "columns concentration, time, signal. It fits the model to every trace at\n"
            "once, the rate constants shared, and prints the constants with their SEs,\n"
            "asymptotic and profile-likelihood 95 % intervals (Kd's from a fit with Kd as\n"
            "a parameter), the half-time, each trace's own k_obs and residual SD.\n"
            "Warnings (one concentration, correlated constants, traces cut short, a\n"
            "pseudo-first-order fit the exact model would move) end the text; with CSV\n"
            "or the curves they go to standard error.\n"
            "--format csv gives one row per parameter (name, value, SE, low, high, unit),\n"
            "--curves the fitted curves.\n\n"
            "Example: vornish-cli fit-kinetics traces.csv --model exact --total-b 10nM\n",
            {},
            1,
        };
        s.options.push_back({"model", "MODEL",
                             "pseudo-first-order (default), association-dissociation, dissociation, exact or "
                             "competitive."});
        s.options.push_back(UnitOption());
        s.options.push_back({"time-unit", "UNIT", "Time unit of the file: ms, s (default), min or h."});
        s.options.push_back({"scale", "HOW", "The signal scale per-trace (default) or shared."});
        s.options.push_back({"baseline", "HOW", "The baseline per-trace (default), shared or zero."});
        s.options.push_back({"total-b", "CONC",
                             "The binding sites: the exact model's Total B; with pseudo-first-order, the check "
                             "against the exact model."});
        s.options.push_back({"fit-total-b", nullptr, "Fit Total B, starting from --total-b."});
        s.options.push_back({"dissociation-start", "TIME", "When dissociation starts, for traces that do not say."});
        s.options.push_back({"ligand", "CONC", "Competitive: the labelled ligand's concentration."});
        s.options.push_back({"ligand-k-ass", "VALUE", "Competitive: its k_ass, per M per time unit."});
        s.options.push_back({"ligand-k-diss", "VALUE", "Competitive: its k_diss, per time unit."});
        s.options.push_back({"curves", nullptr, "Print the fitted curves (CSV) instead of the constants."});
        s.options.push_back(FormatOption("csv, json or text (default text)."));
        s.options.push_back(OutputOption());
        s.run = run;
        return s;
    }();
    return command;
}

} // namespace cli
