#include "cli/CommonOptions.h"
#include "cli/EquilibriumOptions.h"
#include "cli/Failures.h"
#include "cli/Subcommand.h"
#include "equilibrium/BindingCurve.h"
#include "equilibrium/EquilibriumInput.h"
#include "platform/RuntimeFault.h"

#include "platform/Messages.h"
#include <cmath>
#include <functional>
#include <utility>

namespace cli {
namespace {

// Far more than any graph shows; the sweep is streamed, so this only keeps
// a typing slip from running for hours.
constexpr long long MaxPoints = 10'000'000;

bool sweepsTotalA(const Arguments &arguments)
{
    const QString over = arguments.value("over");
    if (over.isEmpty() || over == QLatin1String("total-a"))
        return true;
    if (over == QLatin1String("total-b"))
        return false;
    throw UsageError{QStringLiteral("--over takes total-a or total-b, not %1").arg(Messages::quoted(over))};
}

bool isLogScale(const Arguments &arguments)
{
    const QString scale = arguments.value("scale");
    if (scale.isEmpty() || scale == QLatin1String("linear"))
        return false;
    if (scale == QLatin1String("log"))
        return true;
    throw UsageError{QStringLiteral("--scale takes linear or log, not %1").arg(Messages::quoted(scale))};
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

void run(const Arguments &arguments)
{
    const Unit unit = UnitOf(arguments);
    const Format format = FormatOf(arguments, Format::Csv);
    const bool totalA = sweepsTotalA(arguments);
    const bool logScale = isLogScale(arguments);
    const int points = pointCount(arguments);
    const Equilibrium e = SolveGivenQuantities(arguments, unit);

    modVornish::CurveSweep sweep;
    try {
        modVornish::AutomaticCurveRange(totalA ? e.Atot : e.Btot, unit.factor, logScale, sweep.xMin, sweep.xMax);
    } catch (const RuntimeFault &) {
        throw Refusal{modVornish::ArithmeticFaultText()};
    }
    // The limits are what the Options window's X-axis fields take: the
    // total in the unit, or on a log scale the exponent of the molar total.
    if (arguments.has("from"))
        sweep.xMin = PlainNumber(arguments.value("from"), QStringLiteral("--from"));
    if (arguments.has("to"))
        sweep.xMax = PlainNumber(arguments.value("to"), QStringLiteral("--to"));
    if (sweep.xMin > sweep.xMax)
        std::swap(sweep.xMin, sweep.xMax);
    if (!(sweep.xMax - sweep.xMin > 0) || !std::isfinite(sweep.xMax - sweep.xMin))
        throw Refusal{QStringLiteral("the sweep needs a range: --from and --to are equal")};
    sweep.steps = points - 1;
    sweep.logScale = logScale;
    sweep.sweepTotalA = totalA;
    sweep.otherTotal = totalA ? e.Btot : e.Atot;
    sweep.kd = e.Kd;
    sweep.factor = unit.factor;

    const QString swept = totalA ? QStringLiteral("Total A") : QStringLiteral("Total B");
    const QString u = QStringLiteral(" (") + unit.name + QLatin1Char(')');
    QStringList headers;
    if (logScale)
        headers << QStringLiteral("log10 ") + swept + QStringLiteral(" (M)");
    headers << swept + u << QStringLiteral("A") + u << QStringLiteral("B") + u << QStringLiteral("[A/B]") + u;

    // A first run checks every point before a second one writes them, so
    // that a refusal part of the way leaves no partial table behind.
    const auto sweepRows = [&](const std::function<void(const std::vector<double> &)> &use) {
        std::vector<double> row;
        try {
            modVornish::SweepBindingCurve(sweep, [&](const modVornish::CurvePoint &p) {
                row.clear();
                if (logScale)
                    row.push_back(p.x);
                row.push_back(logScale ? InUnit(totalA ? p.Atot : p.Btot, unit) : p.x);
                row.push_back(InUnit(p.A, unit));
                row.push_back(InUnit(p.B, unit));
                row.push_back(InUnit(p.AB, unit));
                use(row);
            });
        } catch (const RuntimeFault &) {
            throw Refusal{modVornish::ArithmeticFaultText()};
        }
    };
    sweepRows([](const std::vector<double> &) {});
    OutputStream out(arguments.value("output"));
    TableWriter table(out, format, headers, !arguments.has("no-header"));
    sweepRows([&table](const std::vector<double> &row) { table.row(row); });
    table.finish();
    out.commit();
}

} // namespace

const Subcommand &SweepCommand()
{
    static const Subcommand command = [] {
        Subcommand s{
            "sweep",
            "The binding curve: A, B and [A/B] as one total is swept.",
            "",
            "Solves the equilibrium from three quantities as 'solve' does, then sweeps\n"
            "Total A (or Total B) with the other total and Kd fixed, as the Equilibrium\n"
            "Tool's graph does, and prints the swept total and the free A, free B and\n"
            "[A/B] of each point. The range is the graph's: linear, from 0 to the total\n"
            "rounded up to a round axis maximum; logarithmic, the four decades ending one\n"
            "above the rounded logarithm of the molar total. --from and --to replace either\n"
            "end: in the unit on a linear scale, as the exponent of the molar total on a\n"
            "log scale (-7 for 1e-7 M). x advances by adding the step, as on the graph,\n"
            "so rounding can leave out the last point.\n\n"
            "Example: vornish-cli sweep --total-a 10nM --total-b 5nM --kd 3nM --scale log\n",
            EquilibriumQuantityOptions(),
        };
        s.options.insert(s.options.end(),
                         {
                             {"over", "TOTAL", "The swept total: total-a (default) or total-b."},
                             {"scale", "SCALE", "linear (default) or log."},
                             {"from", "X", "Start of the sweep (see above)."},
                             {"to", "X", "End of the sweep (see above)."},
                             {"points", "N", "Number of points, 2 or more (default 201, the graph's)."},
                         });
        s.options.push_back(UnitOption());
        s.options.push_back(FormatOption("csv, json or text (default csv)."));
        s.options.push_back(NoHeaderOption());
        s.options.push_back(OutputOption());
        s.run = run;
        return s;
    }();
    return command;
}

} // namespace cli
