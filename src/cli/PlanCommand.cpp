#include "cli/CommonOptions.h"
#include "cli/Failures.h"
#include "cli/Output.h"
#include "cli/Subcommand.h"
#include "equilibrium/EquilibriumInput.h"
#include "exchange/PlanCsv.h"
#include "planning/PlanTable.h"
#include "planning/PlanText.h"
#include "planning/PredictedPrecision.h"
#include "platform/RuntimeFault.h"

namespace cli {
namespace {

using namespace Planning;

double concentration(const Arguments &arguments, const char *option, const Unit &unit)
{
    return arguments.has(option)
               ? Concentration(arguments.value(option), unit, QStringLiteral("--") + QLatin1String(option))
               : 0.0;
}

double number(const Arguments &arguments, const char *option, double fallback)
{
    return arguments.has(option) ? PlainNumber(arguments.value(option), QStringLiteral("--") + QLatin1String(option))
                                 : fallback;
}

int count(const Arguments &arguments, const char *option, int fallback, int lowest, int highest)
{
    const double v = number(arguments, option, fallback);
    if (v != std::floor(v) || v < lowest || v > highest)
        throw Refusal{QStringLiteral("--%1 must be a whole number from %2 to %3")
                          .arg(QLatin1String(option))
                          .arg(lowest)
                          .arg(highest)};
    return int(v);
}

PlanInput readInput(const Arguments &arguments, const Unit &unit)
{
    PlanInput input;
    const QString experiment = arguments.has("experiment") ? arguments.value("experiment")
                                                           : QStringLiteral("saturation");
    if (experiment == QLatin1String("competition"))
        input.experiment = Experiment::Competition;
    else if (experiment == QLatin1String("kinetics"))
        input.experiment = Experiment::Kinetics;
    else if (experiment != QLatin1String("saturation"))
        throw UsageError{QStringLiteral("--experiment must be saturation, competition or kinetics")};
    for (const char *option : {"kd", "sites"})
        if (!arguments.has(option))
            throw UsageError{QStringLiteral("--%1 is required").arg(QLatin1String(option))};
    input.kd = concentration(arguments, "kd", unit);
    input.sites = concentration(arguments, "sites", unit);
    input.kAss = number(arguments, "k-ass", 0.0);
    input.kDiss = number(arguments, "k-diss", 0.0);
    input.lowest = concentration(arguments, "lowest", unit);
    input.highest = concentration(arguments, "highest", unit);
    input.points = arguments.has("points") ? count(arguments, "points", 0, 3, 100) : 0;
    input.labelled = concentration(arguments, "labelled", unit);
    input.ki = concentration(arguments, "ki", unit);
    const QString problem = PlanInputProblem(input);
    if (!problem.isEmpty())
        throw Refusal{problem};
    return input;
}

// The predicted precision of a saturation plan, as facts.
std::vector<PlanFact> precisionFacts(const Arguments &arguments, const PlanInput &input)
{
    if (!arguments.has("cv"))
        return {};
    if (input.experiment != Experiment::Saturation)
        throw UsageError{QStringLiteral("--cv predicts the precision of a saturation plan only")};
    PrecisionDesign design;
    design.ligand = PlannedConcentrations(input);
    design.cv = number(arguments, "cv", 0.0) / 100;
    if (!(design.cv >= 0 && design.cv <= 1))
        throw Refusal{QStringLiteral("--cv must be a percentage from 0 to 100")};
    design.replicates = count(arguments, "replicates", 1, 1, 20);
    PrecisionSimulation simulation(input.kd, input.sites, design, count(arguments, "simulations", 300, 10, 10000), 1);
    while (!simulation.step(50)) {
    }
    const PrecisionEstimate estimate = simulation.estimate();
    return {{QStringLiteral("Predicted 95 % interval of Kd (median width)"),
             PercentText(estimate.medianWidth) + QStringLiteral(" of Kd")},
            {QStringLiteral("Failed fits"), PercentText(estimate.failedShare())}};
}

void writeText(OutputStream &out, const AssayPlan &plan, const PlanInput &input, const std::vector<PlanFact> &facts,
               const Unit &unit)
{
    std::string text;
    for (const PlanFact &fact : facts)
        text += (fact.name + QStringLiteral(": ") + fact.value + QLatin1Char('\n')).toStdString();
    out.write(text + '\n');
    TableWriter table(out, Format::Text, PlanHeaders(input.experiment, unit.name));
    for (const PlanRow &row : plan.rows)
        table.row(PlanValues(row, input.experiment, unit.factor));
    table.finish();
    text = "\n";
    for (const QString &note : plan.notes)
        text += "- " + note.toStdString() + '\n';
    out.write(text);
}

void writeJson(OutputStream &out, const AssayPlan &plan, const PlanInput &input, const std::vector<PlanFact> &facts,
               const Unit &unit)
{
    const QStringList headers = PlanHeaders(input.experiment, unit.name);
    std::string text = "{\n";
    for (const PlanFact &fact : facts)
        text += "  " + JsonString(fact.name) + ": " + JsonString(fact.value) + ",\n";
    text += "  \"rows\": [";
    for (std::size_t r = 0; r < plan.rows.size(); ++r) {
        text += r ? ",\n    {" : "\n    {";
        const std::vector<double> values = PlanValues(plan.rows[r], input.experiment, unit.factor);
        for (std::size_t i = 0; i < values.size(); ++i)
            text += (i ? ", " : "") + JsonString(headers[int(i)]) + ": " + NumberText(values[i]);
        text += '}';
    }
    text += "\n  ],\n  \"notes\": [";
    for (int i = 0; i < plan.notes.size(); ++i)
        text += (i ? ", " : "") + JsonString(plan.notes[i]);
    text += "]\n}\n";
    out.write(text);
}

void run(const Arguments &arguments)
{
    const Unit unit = UnitOf(arguments);
    const PlanInput input = readInput(arguments, unit);
    const Format format = FormatOf(arguments, Format::Text);
    try {
        const AssayPlan plan = MakePlan(input);
        std::vector<PlanFact> facts = PlanFacts(plan, input);
        const std::vector<PlanFact> precision = precisionFacts(arguments, input);
        facts.insert(facts.end(), precision.begin(), precision.end());
        OutputStream out(arguments.value("output"));
        switch (format) {
        case Format::Csv: {
            AssayPlan withPrecision = plan;
            for (const PlanFact &fact : precision)
                withPrecision.notes << fact.name + QStringLiteral(": ") + fact.value;
            out.write(PlanCsv::Text(withPrecision, input, unit.name, unit.factor));
            break;
        }
        case Format::Json:
            writeJson(out, plan, input, facts, unit);
            break;
        case Format::Text:
            writeText(out, plan, input, facts, unit);
            break;
        }
        out.commit();
    } catch (const RuntimeFault &) {
        throw Refusal{modVornish::ArithmeticFaultText()};
    }
}

} // namespace

const Subcommand &PlanCommand()
{
    static const Subcommand command = [] {
        Subcommand s{
            "plan",
            "Plan a binding assay: concentrations, incubation time, regime, precision.",
            "",
            "Before the experiment: from the expected Kd and the binding-site\n"
            "concentration, proposes the concentrations (log-spaced over 0.1 to 10 x Kd,\n"
            "or --lowest to --highest), and for each the free ligand, the fraction of the\n"
            "sites occupied, the fraction of the ligand bound (depleted above 10 %) and\n"
            "the times to 90, 95 and 99 % of equilibrium from the exact time course.\n"
            "Then the regime (binding sites / Kd below 0.1: binding; up to 10:\n"
            "intermediate; above: titration), the incubation time (the slowest point to\n"
            "95 %) beside five half-times, the warnings and the two controls to run.\n"
            "Without --k-ass or --k-diss, association is taken as 1e6 per M per s.\n"
            "A competition plan titrates the competitor over the decades around the\n"
            "exact IC50 of --ki, and advises the labelled-ligand and binding-site\n"
            "concentrations that keep Cheng-Prusoff within 10 % of Ki. A kinetics plan\n"
            "adds the times to sample each association and the dissociation. With --cv,\n"
            "a saturation plan is simulated (seeded) and fitted many times to predict\n"
            "the median width of the 95 % interval of Kd. Concentrations are in --unit,\n"
            "shares in %, times in s.\n\n"
            "Example: vornish-cli plan --kd 1nM --sites 10pM --cv 5 --replicates 2\n",
            {
                {"experiment", "KIND", "saturation (default), competition or kinetics."},
                {"kd", "CONC", "The expected Kd (of the labelled ligand in competition)."},
                {"sites", "CONC", "The binding-site concentration."},
                {"k-ass", "RATE", "k_ass in 1/(M s), when known."},
                {"k-diss", "RATE", "k_diss in 1/s, when known."},
                {"lowest", "CONC", "The lowest concentration (with --highest; default proposed)."},
                {"highest", "CONC", "The highest concentration."},
                {"points", "N", "The number of concentrations, 3 to 100 (default 12)."},
                {"labelled", "CONC", "Competition: the labelled ligand's concentration."},
                {"ki", "CONC", "Competition: the competitor's expected Ki."},
                {"cv", "PERCENT", "The scatter of a measurement: predicts the precision."},
                {"replicates", "N", "Replicates of each point, 1 to 20 (default 1)."},
                {"simulations", "N", "Simulated experiments, 10 to 10000 (default 300)."},
            },
        };
        s.options.push_back(UnitOption());
        s.options.push_back(FormatOption("csv, json or text (default text)."));
        s.options.push_back(OutputOption());
        s.run = run;
        return s;
    }();
    return command;
}

} // namespace cli
