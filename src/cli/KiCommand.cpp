#include "cli/CommandLine.h"
#include "cli/CommonOptions.h"
#include "cli/CompetitionOptions.h"
#include "cli/EquilibriumOptions.h"
#include "cli/Failures.h"
#include "cli/Subcommand.h"
#include "competition/CompetitionMessages.h"
#include "competition/Ic50Conversion.h"
#include "equilibrium/EquilibriumInput.h"
#include "platform/RuntimeFault.h"

namespace cli {
namespace {

struct Line
{
    QString name;
    double value;
    bool concentration;
};

void print(const Arguments &arguments, const std::vector<Line> &lines, const Unit &unit)
{
    const Format format = FormatOf(arguments, Format::Text);
    OutputStream out(arguments.value("output"));
    if (format == Format::Text) {
        for (const Line &line : lines)
            out.write(line.name.leftJustified(26).toStdString() + NumberText(line.value)
                      + (line.concentration ? ' ' + unit.name.toStdString() : std::string()) + '\n');
    } else {
        QStringList headers;
        std::vector<double> values;
        for (const Line &line : lines) {
            headers << (line.concentration ? line.name + QStringLiteral(" (") + unit.name + QLatin1Char(')')
                                           : line.name);
            values.push_back(line.value);
        }
        TableWriter table(out, format, headers, !arguments.has("no-header"), true);
        table.row(values);
        table.finish();
    }
    out.commit();
}

void run(const Arguments &arguments)
{
    const Unit unit = UnitOf(arguments);
    if (arguments.has("ic50") == arguments.has("ki"))
        throw UsageError{QStringLiteral("give either --ic50 or --ki")};
    modCompetition::AssayConditions assay;
    assay.totalA = RequiredPositive(arguments, "total-a", QStringLiteral("Total A"), unit);
    assay.totalB = RequiredTotal(arguments, "total-b", QStringLiteral("Total B"), unit);
    assay.kd = RequiredPositive(arguments, "kd", QStringLiteral("Kd"), unit);
    try {
        if (arguments.has("ki")) {
            const double ki = RequiredPositive(arguments, "ki", QStringLiteral("Ki"), unit);
            const modCompetition::AssayHalfPoint half = modCompetition::HalfPointOf(assay);
            print(arguments,
                  {{QStringLiteral("IC50"), InUnit(modCompetition::ExactIc50(assay, ki), unit), true},
                   {QStringLiteral("Tightest IC50 (Ki -> 0)"), InUnit(half.tightestIc50, unit), true}},
                  unit);
            return;
        }
        const double ic50 = RequiredPositive(arguments, "ic50", QStringLiteral("IC50"), unit);
        const modCompetition::Ic50Reading r = modCompetition::KiFromIc50(assay, ic50);
        if (r.problem == modCompetition::Ic50Problem::NotAboveTightest)
            throw Refusal{CompetitionMessages::belowTightest(
                QString::fromStdString(NumberText(InUnit(r.half.tightestIc50, unit))) + QLatin1Char(' ') + unit.name)};
        if (r.titrationZone)
            Warn(QStringLiteral("ki: ") + CompetitionMessages::titrationZone());
        print(arguments,
              {{QStringLiteral("Ki Cheng-Prusoff"), InUnit(r.ki.chengPrusoff, unit), true},
               {QStringLiteral("Ki Munson-Rodbard"), InUnit(r.ki.munsonRodbard, unit), true},
               {QStringLiteral("Ki Nikolovska-Coleska"), InUnit(r.ki.nikolovskaColeska, unit), true},
               {QStringLiteral("Ki exact"), InUnit(r.ki.exact, unit), true},
               {QStringLiteral("Cheng-Prusoff / exact"), r.ki.chengPrusoff / r.ki.exact, false},
               {QStringLiteral("Total B / Kd"), assay.totalB / assay.kd, false},
               {QStringLiteral("Total B / Ki"), assay.totalB / r.ki.exact, false},
               {QStringLiteral("Fraction of A bound"), r.boundFractionA0, false}},
              unit);
    } catch (const RuntimeFault &) {
        throw Refusal{modVornish::ArithmeticFaultText()};
    }
}

} // namespace

const Subcommand &KiCommand()
{
    static const Subcommand command = [] {
        Subcommand s{
            "ki",
            "IC50 to Ki by four methods, or Ki to the exact IC50.",
            "",
            "From a measured IC50 with the assay's Total A, Total B and Kd, prints Ki by\n"
            "Cheng-Prusoff, by Munson-Rodbard, by Nikolovska-Coleska and exactly (the Ki\n"
            "whose exact competition curve has this IC50), how far Cheng-Prusoff is from\n"
            "the exact value, and the regime: Total B / Kd, Total B / Ki and the fraction\n"
            "of A bound without competitor. An IC50 that no Ki gives is refused; one in\n"
            "the titration zone is computed with a warning. With --ki instead, prints the\n"
            "exact IC50 of that Ki and the IC50 of an infinitely tight competitor\n"
            "(the titration limit).\n\n"
            "Example: vornish-cli ki --total-a 5nM --total-b 30nM --kd 17.92nM \\\n"
            "             --ic50 47.815nM\n",
            AssayOptions(),
        };
        s.options.insert(s.options.end(), {
                                              {"ic50", "CONC", "The measured IC50 (gives the four Ki)."},
                                              {"ki", "CONC", "A Ki (gives its exact IC50)."},
                                          });
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
