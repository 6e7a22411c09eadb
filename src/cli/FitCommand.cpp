#include "cli/CommandLine.h"
#include "cli/CommonOptions.h"
#include "cli/Failures.h"
#include "cli/FitModels.h"
#include "cli/PairsFile.h"
#include "cli/ScatchardReport.h"
#include "cli/Subcommand.h"
#include "scatchard/SaturationComparison.h"
#include "scatchard/SaturationFitTexts.h"

#include <cmath>

namespace cli {
namespace {

using namespace modStatistics;

QString number(double v)
{
    return QString::fromStdString(NumberText(v));
}

QString withUnit(double v, const QString &unit)
{
    return number(v) + QLatin1Char(' ') + unit;
}

QString interval(const QString &name, double low, double high, const QString &unit)
{
    return withUnit(low, unit) + QStringLiteral(" < ") + name + QStringLiteral(" < ") + withUnit(high, unit);
}

QString profileText(const ProfileInterval &profile, const QString &unit)
{
    if (profile.kind == ProfileInterval::OpenAbove)
        return withUnit(profile.low, unit) + QStringLiteral(" < Kd < plus infinite");
    return interval(QStringLiteral("Kd"), profile.low, profile.high, unit);
}

const char *profileKind(const ProfileInterval &profile)
{
    return profile.kind == ProfileInterval::OpenAbove ? "open above" : "finite";
}

QString text(const SaturationFit &fit, const QString &unit)
{
    const std::pair<const char *, QString> lines[] = {
        {"Kd:", withUnit(fit.kd, unit)},
        {"SE(Kd):", withUnit(fit.seKd, unit)},
        {"Bmax:", withUnit(fit.bmax, unit)},
        {"SE(Bmax):", withUnit(fit.seBmax, unit)},
        {"95% interval for Kd, profile:", profileText(fit.kdProfile, unit)},
        {"95% interval for Kd, Kd +/- t*SE:", interval(QStringLiteral("Kd"), fit.kdLow, fit.kdHigh, unit)},
        {"95% interval for Bmax:", interval(QStringLiteral("Bmax"), fit.bmaxLow, fit.bmaxHigh, unit)},
        {"Residual SD:", withUnit(fit.residualSD, unit)},
        {"Residual sum of squares:", number(fit.residualSS)},
        {"R squared:", number(fit.rSquared)},
        {"Degrees of freedom (df):", QString::number(fit.df)},
        {"t:", number(fit.t)},
    };
    QString out;
    for (const auto &[label, value] : lines)
        out += QString::fromLatin1(label).leftJustified(35) + value + QLatin1Char('\n');
    return out;
}

QString csvHeader(const QString &unit)
{
    return QStringLiteral("Kd (%1),SE(Kd) (%1),Bmax (%1),SE(Bmax) (%1),Kd profile low (%1),Kd profile high (%1),"
                          "Profile interval,Kd low (%1),Kd high (%1),Bmax low (%1),Bmax high (%1),Residual SD (%1),"
                          "Residual SS,R squared,df,t")
        .arg(unit);
}

QString csvRecord(const SaturationFit &fit)
{
    const bool finite = fit.kdProfile.kind == ProfileInterval::Finite;
    return QStringList{number(fit.kd),
                       number(fit.seKd),
                       number(fit.bmax),
                       number(fit.seBmax),
                       number(fit.kdProfile.low),
                       finite ? number(fit.kdProfile.high) : QString(),
                       QLatin1String(profileKind(fit.kdProfile)),
                       number(fit.kdLow),
                       number(fit.kdHigh),
                       number(fit.bmaxLow),
                       number(fit.bmaxHigh),
                       number(fit.residualSD),
                       number(fit.residualSS),
                       number(fit.rSquared),
                       QString::number(fit.df),
                       number(fit.t)}
        .join(QLatin1Char(','));
}

QString json(const SaturationFit &fit, const QString &unit, long long n)
{
    QString profile = QStringLiteral("{\"kind\":\"%1\",\"low\":%2")
                          .arg(QLatin1String(profileKind(fit.kdProfile)), number(fit.kdProfile.low));
    if (fit.kdProfile.kind == ProfileInterval::Finite)
        profile += QStringLiteral(",\"high\":") + number(fit.kdProfile.high);
    profile += QLatin1Char('}');
    return QStringLiteral("{\"n\":%1,\"kd\":%2,\"seKd\":%3,\"bmax\":%4,\"seBmax\":%5,\"kdProfile\":%6,"
                          "\"kdAsymptotic\":{\"low\":%7,\"high\":%8},\"bmaxAsymptotic\":{\"low\":%9,\"high\":%10},")
               .arg(n)
               .arg(number(fit.kd), number(fit.seKd), number(fit.bmax), number(fit.seBmax), profile, number(fit.kdLow),
                    number(fit.kdHigh), number(fit.bmaxLow))
               .arg(number(fit.bmaxHigh))
           + QStringLiteral("\"residualSD\":%1,\"residualSS\":%2,\"rSquared\":%3,\"df\":%4,\"t\":%5,\"unit\":%6}")
                 .arg(number(fit.residualSD), number(fit.residualSS), number(fit.rSquared), QString::number(fit.df),
                      number(fit.t), QString::fromStdString(JsonString(unit)));
}

// The fit of the pairs; the cases without one are refused in words.
SaturationFit fitPairs(const Pairs &pairs)
{
    const SaturationFit fit = CompareAnalyses(pairs.bound, pairs.ratio).fit;
    if (fit.outcome != SaturationFit::Fitted)
        throw Refusal{FitOutcomeText(fit.outcome)};
    if (fit.kdProfile.kind == ProfileInterval::OpenAbove)
        Warn(QStringLiteral("fit: ") + OpenAboveText());
    return fit;
}

// Both analyses: the Scatchard report with the line's X intercept (its
// Bmax), then the fit.
QString compared(const ScatchardReport &line, const SaturationFit &fit, const QString &unit, Format format, bool header,
                 long long n)
{
    const double lineBmax = -line.fit.intercept / line.fit.slope;
    switch (format) {
    case Format::Text:
        return QStringLiteral("Scatchard line\n") + ScatchardText(line, unit)
               + QStringLiteral("Bmax (X intercept):").leftJustified(33) + withUnit(lineBmax, unit)
               + QStringLiteral("\n\nSaturation curve fit\n") + text(fit, unit);
    case Format::Csv: {
        QStringList scatchard = ScatchardCsv(line, unit, true).trimmed().split(QLatin1Char('\n'));
        QString out;
        if (header)
            out = csvHeader(unit) + QStringLiteral(",Scatchard ")
                  + scatchard.first().split(QLatin1Char(',')).join(QStringLiteral(",Scatchard "))
                  + QStringLiteral(",Scatchard Bmax (%1)\n").arg(unit);
        return out + csvRecord(fit) + QLatin1Char(',') + scatchard.last() + QLatin1Char(',') + number(lineBmax)
               + QLatin1Char('\n');
    }
    case Format::Json:
        return QStringLiteral("{\"fit\":") + json(fit, unit, n) + QStringLiteral(",\"scatchard\":")
               + ScatchardJson(line, unit, n).trimmed() + QStringLiteral(",\"scatchardBmax\":") + number(lineBmax)
               + QStringLiteral("}\n");
    }
    return QString();
}

void run(const Arguments &arguments)
{
    if (WantsModelFit(arguments))
        return RunModelFit(arguments);
    const Unit unit = UnitOf(arguments);
    const Format format = FormatOf(arguments, Format::Text);
    const bool header = !arguments.has("no-header");
    const Pairs pairs = ReadPairs(arguments.operands().first());
    const long long n = (long long)pairs.bound.size();
    QString result;
    if (arguments.has("compare")) {
        const ScatchardReport line = AnalyzeScatchardPairs(pairs);
        result = compared(line, fitPairs(pairs), unit.name, format, header, n);
    } else {
        const SaturationFit fit = fitPairs(pairs);
        switch (format) {
        case Format::Text:
            result = text(fit, unit.name);
            break;
        case Format::Csv:
            result = (header ? csvHeader(unit.name) + QLatin1Char('\n') : QString()) + csvRecord(fit)
                     + QLatin1Char('\n');
            break;
        case Format::Json:
            result = json(fit, unit.name, n) + QLatin1Char('\n');
            break;
        }
    }
    OutputStream out(arguments.value("output"));
    out.write(result.toStdString());
    out.commit();
}

} // namespace

const Subcommand &FitCommand()
{
    static const Subcommand command = [] {
        Subcommand s{
            "fit",
            "Kd and Bmax by a nonlinear fit of the saturation curve.",
            "FILE",
            "Reads the pairs (Bound, Bound/Free) of FILE, or of standard input for \"-\",\n"
            "as \"scatchard\" does, takes Free = Bound / (Bound/Free) and fits the\n"
            "saturation curve Bound = Bmax * Free / (Kd + Free) by nonlinear least squares\n"
            "(Levenberg-Marquardt, started from the Scatchard line or from the data). It\n"
            "prints Kd and Bmax with their standard errors, the 95 % interval of Kd by\n"
            "profile likelihood (open above when the data set no upper limit), the\n"
            "asymptotic 95 % intervals (estimate +/- t * SE), the residual SD and sum of\n"
            "squares, R squared, df = N - 2 and t. Data that define no saturation curve\n"
            "(fewer than three pairs, values not above zero, all Free or all Bound equal,\n"
            "no convergence, a negative or unbounded Kd or Bmax) are refused in words.\n"
            "With --compare the Scatchard analysis comes first, with the line's X\n"
            "intercept as its Bmax.\n\n"
            "With --model, --weight, --nonspecific, --sites, --columns or --compare=MODEL\n"
            "it fits a saturation model instead: one-site, total-ns (total binding with\n"
            "the nonspecific binding of --nonspecific FILE, fitted together), two-site,\n"
            "hill or depletion (X is the total ligand added; --sites holds the binding\n"
            "sites, fitted when not given). With --columns free,bound each line holds X\n"
            "(free ligand) and one to six replicate Y values (blanks allowed), each\n"
            "replicate a point of the fit. It prints every parameter with its SE, its\n"
            "asymptotic and profile 95 % intervals and unit, the residual SD and sum of\n"
            "squares, R squared, AICc and df (CSV: one row per parameter: name, value,\n"
            "SE, low, high, unit). --compare=MODEL fits a second model to the same data\n"
            "and says which one the data support (F test for nested models, AICc).\n"
            "A header naming a \"set\" column makes a batch: one result row per set\n"
            "(asymptotic intervals), thousands of sets in one run.\n\n"
            "Example: vornish-cli fit --compare binding.csv\n"
            "         vornish-cli fit --columns free,bound --compare=two-site data.csv\n",
            {},
            1,
        };
        s.options.push_back({"compare", "MODEL",
                             "Print the Scatchard analysis of the same pairs too; with =MODEL, fit that model too "
                             "and compare.",
                             false, true});
        s.options.push_back({"model", "MODEL", "one-site, total-ns, two-site, hill or depletion (default one-site)."});
        s.options.push_back({"weight", "W", "none, relative (1/Y^2) or poisson (1/Y) (default none)."});
        s.options.push_back({"nonspecific", "FILE", "Nonspecific binding, in the columns of FILE (total-ns)."});
        s.options.push_back({"sites", "CONC", "Binding-site concentration of the depletion model (fitted if absent)."});
        s.options.push_back({"columns", "COLS", "free,bound (X and replicates) or bound,ratio (default)."});
        s.options.push_back(UnitOption());
        s.options.push_back(FormatOption("csv, json or text (default text)."));
        s.options.push_back(NoHeaderOption());
        s.options.push_back(OutputOption());
        s.run = run;
        return s;
    }();
    return command;
}

} // namespace cli
