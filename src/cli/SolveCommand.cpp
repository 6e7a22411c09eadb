#include "cli/CommonOptions.h"
#include "cli/EquilibriumOptions.h"
#include "cli/Failures.h"
#include "cli/Subcommand.h"

namespace cli {
namespace {

void run(const Arguments &arguments)
{
    const Unit unit = UnitOf(arguments);
    const Format format = FormatOf(arguments, Format::Text);
    const Equilibrium e = SolveGivenQuantities(arguments, unit);
    const double molar[6] = {e.A, e.Atot, e.B, e.Btot, e.AB, e.Kd};
    std::vector<double> shown;
    for (double m : molar)
        shown.push_back(InUnit(m, unit));

    OutputStream out;
    if (format == Format::Text) {
        for (int i = 0; i < 6; ++i)
            out.write(QString::fromUtf8(QuantityNames[i]).leftJustified(9).toStdString() + NumberText(shown[i]) + ' '
                      + unit.name.toStdString() + '\n');
    } else {
        QStringList headers;
        for (const char *name : QuantityNames)
            headers << QStringLiteral("%1 (%2)").arg(QLatin1String(name), unit.name);
        TableWriter table(out, format, headers, !arguments.has("no-header"), true);
        table.row(shown);
        table.finish();
    }
    out.commit();
}

} // namespace

const Subcommand &SolveCommand()
{
    static const Subcommand command = [] {
        Subcommand s{
            "solve",
            "Equilibrium from any accepted three of A, Total A, B, Total B, [A/B], Kd.",
            "",
            "Computes the equilibrium of A + B <=> [A/B] from three of the six quantities,\n"
            "as the Equilibrium Tool does, and prints all six. The eleven accepted sets of\n"
            "three, tried in this order (the first complete one decides, others are\n"
            "ignored): Total A, Total B, Kd; A, B, [A/B]; A, B, Kd; A, Total A, Kd;\n"
            "A, [A/B], Kd; B, Total B, Kd; B, [A/B], Kd; A, Total A, B; A, B, Total B;\n"
            "A, Total A, Total B; Total A, B, Total B. Values are taken as their absolute\n"
            "values. A concentration is a number with an optional unit: 10nM, 2.5uM, 1e-9M.\n\n"
            "Example: vornish-cli solve --total-a 10nM --total-b 5nM --kd 3nM\n",
            EquilibriumQuantityOptions(),
        };
        s.options.push_back(UnitOption());
        s.options.push_back(FormatOption("csv, json or text (default text)."));
        s.options.push_back(NoHeaderOption());
        s.run = run;
        return s;
    }();
    return command;
}

} // namespace cli
