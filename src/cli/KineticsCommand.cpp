#include "cli/CommonOptions.h"
#include "cli/Output.h"
#include "cli/SimulationOptions.h"
#include "cli/Subcommand.h"
#include "dynamic/AccuracyCheck.h"
#include "dynamic/KineticsText.h"

#include <cmath>
#include <string>

namespace cli {
namespace {

using namespace modKinetics;

// A time or rate that is not known, or never comes, is an empty CSV cell
// and a JSON null.
std::string value(double v, double unit, const char *missing)
{
    return std::isfinite(v) && v >= 0.0 ? NumberText(v / unit) : std::string(missing);
}

std::string csvText(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return ('"' + quoted + '"').toStdString();
}

// One row per segment: where it starts and ends, what it tends to, how fast.
std::vector<std::vector<std::string>> segmentRows(const KineticsReport &report, const SimulationSetup &setup,
                                                  const char *missing)
{
    const double cf = setup.unit.factor, tf = setup.timeUnit.factor;
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < report.segments.size(); ++i) {
        const SegmentKinetics &s = report.segments[i];
        const bool known = s.equilibriumKnown;
        const StoredApproach &a = report.approach[i];
        std::vector<std::string> row = {
            std::to_string(i + 1),
            NumberText(s.start / tf),
            NumberText(s.end / tf),
            known ? NumberText(s.equilibrium.A / cf) : missing,
            known ? NumberText(s.equilibrium.B / cf) : missing,
            known ? NumberText(s.equilibrium.AB / cf) : missing,
            s.kObs > 0.0 ? NumberText(s.kObs) : missing,
        };
        for (double t : s.timeTo)
            row.push_back(value(t, tf, missing));
        row.push_back(a.reached ? NumberText(a.time / tf) : missing);
        rows.push_back(row);
    }
    return rows;
}

QStringList segmentHeaders(const SimulationSetup &setup)
{
    const QString t = QStringLiteral(" (") + setup.timeUnit.name + QLatin1Char(')');
    const QString c = QStringLiteral(" (") + setup.unit.name + QLatin1Char(')');
    return {QStringLiteral("Segment"),
            QStringLiteral("Start") + t,
            QStringLiteral("End") + t,
            QStringLiteral("A") + c,
            QStringLiteral("B") + c,
            QStringLiteral("[A/B]") + c,
            QStringLiteral("k_obs (1/s)"),
            QStringLiteral("[A/B] half-time") + t,
            QStringLiteral("[A/B] within 10 % after") + t,
            QStringLiteral("[A/B] within 5 % after") + t,
            QStringLiteral("[A/B] within 1 % after") + t,
            QStringLiteral("Stored [A/B] within 1 % after") + t};
}

const char *const speciesNames[SpeciesCount] = {"A", "B", "[A/B]"};

void writeCsv(OutputStream &out, const KineticsReport &report, const SimulationSetup &setup)
{
    const QStringList headers = segmentHeaders(setup);
    std::string text;
    for (int i = 0; i < headers.size(); ++i)
        text += (i ? "," : "") + csvText(headers[i]);
    text += '\n';
    for (const auto &row : segmentRows(report, setup, "")) {
        for (std::size_t i = 0; i < row.size(); ++i)
            text += (i ? "," : "") + row[i];
        text += '\n';
    }
    text += "\n\"Species\",\"Largest deviation (%)\"\n";
    for (int i = 0; i < SpeciesCount; ++i)
        text += std::string("\"") + speciesNames[i] + "\","
                + (report.available() ? NumberText(100.0 * report.deviation[static_cast<std::size_t>(i)].relative)
                                      : std::string())
                + '\n';
    text += "\n\"Finding\"\n";
    if (!report.available())
        text += csvText(QStringLiteral("No exact time course could be computed for this run: ")
                        + report.referenceFailure + QLatin1Char('.'))
                + '\n';
    for (const QString &finding : AccuracyFindings(report))
        text += csvText(finding) + '\n';
    out.write(text);
}

void writeJson(OutputStream &out, const KineticsReport &report, const SimulationSetup &setup)
{
    const QStringList headers = segmentHeaders(setup);
    std::string text = "{\n  \"segments\": [";
    bool first = true;
    for (const auto &row : segmentRows(report, setup, "null")) {
        text += first ? "\n    {" : ",\n    {";
        first = false;
        for (std::size_t i = 0; i < row.size(); ++i)
            text += (i ? ", " : "") + JsonString(headers[static_cast<int>(i)]) + ": " + row[i];
        text += '}';
    }
    text += "\n  ],\n  \"largest deviation (%)\": {";
    for (int i = 0; i < SpeciesCount; ++i)
        text += (i ? ", " : "") + JsonString(QLatin1String(speciesNames[i])) + ": "
                + (report.available() ? NumberText(100.0 * report.deviation[static_cast<std::size_t>(i)].relative)
                                      : std::string("null"));
    text += "},\n  \"reference\": " + (report.available() ? std::string("null") : JsonString(report.referenceFailure))
            + ",\n  \"findings\": [";
    const QStringList findings = AccuracyFindings(report);
    for (int i = 0; i < findings.size(); ++i)
        text += (i ? ", " : "") + JsonString(findings[i]);
    text += "]\n}\n";
    out.write(text);
}

void run(const Arguments &arguments)
{
    const SimulationSetup setup = ReadSimulationSetup(arguments);
    const Format format = FormatOf(arguments, Format::Text);
    OutputStream out(arguments.value("output"));
    KineticsReport report = CheckedRun(setup.input);
    SuggestPrecision(report);
    switch (format) {
    case Format::Csv:
        writeCsv(out, report, setup);
        break;
    case Format::Json:
        writeJson(out, report, setup);
        break;
    case Format::Text:
        out.write(KineticsSummaryText(report, {setup.unit.name, setup.unit.factor}).toStdString());
        break;
    }
    out.commit();
}

} // namespace

const Subcommand &KineticsCommand()
{
    static const Subcommand command = [] {
        Subcommand s{
            "kinetics",
            "The kinetics summary and the accuracy check of a simulation.",
            "",
            "Runs the simulation that simulate runs, from the same options, and compares\n"
            "it with the exact time course of the same model (a closed formula, or with\n"
            "the competitor an integration with tight tolerances), restarted at each\n"
            "event. For each segment between events it gives the equilibrium the segment\n"
            "tends to, k_obs, the half-time of [A/B], the times after which [A/B] stays\n"
            "within 10, 5 and 1 % of the way to it, and when the simulated [A/B] settled\n"
            "within 1 %; then the largest deviation of the samples of A, B and [A/B]\n"
            "from the exact time course, relative to each range, and in plain words what\n"
            "to change when the run is coarser than its precision or too coarse to show\n"
            "an approach to equilibrium. Times are in --time-unit, except k_obs (1/s).\n\n"
            "Example: vornish-cli kinetics --a 1uM --b 1uM --ab 0 --k-ass 1e8 --k-diss 1 \\\n"
            "           --end-time 100s --interval 10s --precision 5\n",
            SimulationInputOptions(),
        };
        s.options.push_back(FormatOption("text, csv or json (default text)."));
        s.options.push_back(OutputOption());
        s.run = run;
        return s;
    }();
    return command;
}

} // namespace cli
