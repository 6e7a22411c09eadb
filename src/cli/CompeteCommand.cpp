#include "cli/CommonOptions.h"
#include "cli/CompetitionOptions.h"
#include "cli/EquilibriumOptions.h"
#include "cli/Failures.h"
#include "cli/Subcommand.h"
#include "competition/CompetitionCurve.h"
#include "competition/Ic50Conversion.h"
#include "equilibrium/EquilibriumInput.h"
#include "platform/RuntimeFault.h"

#include <cmath>
#include <functional>
#include <utility>

namespace cli {
namespace {

constexpr long long MaxPoints = 10'000'000;

modCompetition::CompetitionInput readInput(const Arguments &arguments, const Unit &unit)
{
    modCompetition::CompetitionInput in;
    in.totalA = RequiredTotal(arguments, "total-a", QStringLiteral("Total A"), unit);
    in.totalB = RequiredTotal(arguments, "total-b", QStringLiteral("Total B"), unit);
    in.kd = RequiredPositive(arguments, "kd", QStringLiteral("Kd"), unit);
    in.totalC = arguments.has("total-c") ? RequiredTotal(arguments, "total-c", QStringLiteral("Total C"), unit) : 0;
    in.ki = RequiredPositive(arguments, "ki", QStringLiteral("Ki"), unit);
    return in;
}

// The IC50 of the set-up, or none without the label or the sites.
bool ic50Of(const modCompetition::CompetitionInput &in, double &ic50)
{
    if (!(in.totalA > 0 && in.totalB > 0))
        return false;
    ic50 = modCompetition::ExactIc50({in.totalA, in.totalB, in.kd}, in.ki);
    return true;
}

void solve(const Arguments &arguments, const modCompetition::CompetitionInput &in, const Unit &unit)
{
    const Format format = FormatOf(arguments, Format::Text);
    double ic50 = 0;
    modCompetition::CompetitionSpecies s;
    try {
        s = modCompetition::SolveCompetition(in);
    } catch (const RuntimeFault &) {
        throw Refusal{modVornish::ArithmeticFaultText()};
    }
    const bool hasIc50 = ic50Of(in, ic50);
    const QString u = QStringLiteral(" (") + unit.name + QLatin1Char(')');
    QStringList names{QStringLiteral("A"),
                      QStringLiteral("B"),
                      QStringLiteral("C"),
                      QStringLiteral("[A/B]"),
                      QStringLiteral("[C/B]"),
                      QStringLiteral("Fraction of A bound"),
                      QStringLiteral("Occupancy by A"),
                      QStringLiteral("Occupancy by C")};
    std::vector<double> values{InUnit(s.A, unit),  InUnit(s.B, unit), InUnit(s.C, unit), InUnit(s.AB, unit),
                               InUnit(s.CB, unit), s.fractionABound,  s.occupancyA,      s.occupancyC};
    std::vector<bool> concentration{true, true, true, true, true, false, false, false};
    if (hasIc50) {
        names << QStringLiteral("IC50");
        values.push_back(InUnit(ic50, unit));
        concentration.push_back(true);
    }
    OutputStream out(arguments.value("output"));
    if (format == Format::Text) {
        for (int i = 0; i < names.size(); ++i)
            out.write(names[i].leftJustified(21).toStdString() + NumberText(values[size_t(i)])
                      + (concentration[size_t(i)] ? ' ' + unit.name.toStdString() : std::string()) + '\n');
    } else {
        QStringList headers;
        for (int i = 0; i < names.size(); ++i)
            headers << (concentration[size_t(i)] ? names[i] + u : names[i]);
        TableWriter table(out, format, headers, !arguments.has("no-header"), true);
        table.row(values);
        table.finish();
    }
    out.commit();
}

int pointCount(const Arguments &arguments)
{
    if (!arguments.has("points"))
        return 201;
    const double points = PlainNumber(arguments.value("points"), QStringLiteral("--points"));
    if (points != std::floor(points) || points < 2 || points > MaxPoints)
        throw Refusal{QStringLiteral("--points: a whole number from 2 to %1 is needed").arg(MaxPoints)};
    return int(points);
}

void sweep(const Arguments &arguments, const modCompetition::CompetitionInput &in, const Unit &unit)
{
    const Format format = FormatOf(arguments, Format::Csv);
    double xMin = 0, xMax = 0, ic50 = 0;
    try {
        if (ic50Of(in, ic50))
            modCompetition::AutomaticCompetitionRange(ic50, xMin, xMax);
    } catch (const RuntimeFault &) {
        throw Refusal{modVornish::ArithmeticFaultText()};
    }
    if (arguments.has("from"))
        xMin = PlainNumber(arguments.value("from"), QStringLiteral("--from"));
    if (arguments.has("to"))
        xMax = PlainNumber(arguments.value("to"), QStringLiteral("--to"));
    if (xMin > xMax)
        std::swap(xMin, xMax);
    if (!(xMax - xMin > 0) || !std::isfinite(xMax - xMin))
        throw Refusal{QStringLiteral("the sweep needs a range: give --from and --to (they differ)")};
    const int points = pointCount(arguments);

    const QString u = QStringLiteral(" (") + unit.name + QLatin1Char(')');
    const QStringList headers{QStringLiteral("log10 Total C (M)"),
                              QStringLiteral("Total C") + u,
                              QStringLiteral("A") + u,
                              QStringLiteral("B") + u,
                              QStringLiteral("C") + u,
                              QStringLiteral("[A/B]") + u,
                              QStringLiteral("[C/B]") + u};
    // A first run checks every point before a second one writes them: a
    // refusal part of the way leaves no partial table behind.
    const auto rows = [&](const std::function<void(const std::vector<double> &)> &use) {
        try {
            modCompetition::SweepCompetitionCurve(in, xMin, xMax, points - 1,
                                                  [&](const modCompetition::CompetitionCurvePoint &p) {
                                                      const modCompetition::CompetitionSpecies &s = p.species;
                                                      use({p.x, InUnit(p.totalC, unit), InUnit(s.A, unit),
                                                           InUnit(s.B, unit), InUnit(s.C, unit), InUnit(s.AB, unit),
                                                           InUnit(s.CB, unit)});
                                                  });
        } catch (const RuntimeFault &) {
            throw Refusal{modVornish::ArithmeticFaultText()};
        }
    };
    rows([](const std::vector<double> &) {});
    OutputStream out(arguments.value("output"));
    TableWriter table(out, format, headers, !arguments.has("no-header"));
    rows([&table](const std::vector<double> &row) { table.row(row); });
    table.finish();
    out.commit();
}

void run(const Arguments &arguments)
{
    const Unit unit = UnitOf(arguments);
    const modCompetition::CompetitionInput in = readInput(arguments, unit);
    if (arguments.has("sweep"))
        sweep(arguments, in, unit);
    else
        solve(arguments, in, unit);
}

} // namespace

const Subcommand &CompeteCommand()
{
    static const Subcommand command = [] {
        Subcommand s{
            "compete",
            "Competition: A and a competitor C binding the same sites B, at equilibrium.",
            "",
            "Solves A + B <=> [A/B] (Kd) and C + B <=> [C/B] (Ki) with B shared, as the\n"
            "Competition Tool does, from Total A, Total B, Total C, Kd and Ki, and prints\n"
            "free A, B and C, both complexes, the fraction of A bound, the occupancy of B by\n"
            "each ligand and the IC50 of the set-up (the Total C that halves [A/B]; left\n"
            "out when Total A or Total B is 0). --sweep prints the competition curve\n"
            "instead: Total C over whole decades, three below the IC50's and four above\n"
            "(--from and --to replace either end, as exponents of the molar Total C).\n\n"
            "Example: vornish-cli compete --total-a 5nM --total-b 30nM --kd 17.92nM \\\n"
            "             --total-c 20nM --ki 10nM\n",
            AssayOptions(),
        };
        s.options.insert(s.options.end(),
                         {
                             {"total-c", "CONC", "Total C, the competitor (default 0)."},
                             {"ki", "CONC", "Ki, the competitor's dissociation constant."},
                             {"sweep", nullptr, "Print the competition curve over Total C."},
                             {"from", "X", "Start of the sweep, log10 of the molar Total C."},
                             {"to", "X", "End of the sweep, log10 of the molar Total C."},
                             {"points", "N", "Number of points of the sweep, 2 or more (default 201)."},
                         });
        s.options.push_back(UnitOption());
        s.options.push_back(FormatOption("csv, json or text (default text; csv for --sweep)."));
        s.options.push_back(NoHeaderOption());
        s.options.push_back(OutputOption());
        s.run = run;
        return s;
    }();
    return command;
}

} // namespace cli
