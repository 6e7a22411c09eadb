#include "cli/ColumnsFile.h"
#include "cli/CommandLine.h"
#include "cli/CommonOptions.h"
#include "cli/CompetitionOptions.h"
#include "cli/Failures.h"
#include "cli/Subcommand.h"
#include "competition/CompetitionFit.h"
#include "competition/CompetitionFitModels.h"
#include "competition/CompetitionMessages.h"
#include "exchange/CompetitionCsv.h"

#include <cmath>

namespace cli {
namespace {

using Fitting::ParameterEstimate;
using modCompetition::FourParameterLogistic;

// At most this many replicate columns beside Total C.
constexpr int MaxReplicates = 64;

struct Line
{
    QString name;
    double value;
};

// Every parameter with its standard error and asymptotic 95 % interval,
// and the profile interval where the fit gives one ("open" sides left out
// of the numbers: NaN never reaches the output).
void addEstimates(std::vector<Line> &lines, const QString &model, const Fitting::FitResult &fit)
{
    for (const ParameterEstimate &p : fit.parameters) {
        const QString name = model + QLatin1Char(' ') + p.name;
        lines.push_back({name, p.value});
        lines.push_back({name + QStringLiteral(" SE"), p.se});
        lines.push_back({name + QStringLiteral(" 95% low"), p.low});
        lines.push_back({name + QStringLiteral(" 95% high"), p.high});
        if (p.profile.computed && !p.profile.openBelow)
            lines.push_back({name + QStringLiteral(" profile low"), p.profile.low});
        if (p.profile.computed && !p.profile.openAbove)
            lines.push_back({name + QStringLiteral(" profile high"), p.profile.high});
    }
    lines.push_back({model + QStringLiteral(" residual SD"), fit.residualSD});
}

void run(const Arguments &arguments)
{
    const Unit unit = UnitOf(arguments);
    modCompetition::AssayConditions assay;
    // Every concentration in the unit: the models do not care which.
    assay.totalA = RequiredPositive(arguments, "total-a", QStringLiteral("Total A"), unit) / unit.factor;
    assay.totalB = RequiredTotal(arguments, "total-b", QStringLiteral("Total B"), unit) / unit.factor;
    assay.kd = RequiredPositive(arguments, "kd", QStringLiteral("Kd"), unit) / unit.factor;
    const QString path = arguments.operands().first();
    const ColumnsReader::Result read = ReadColumns(path, MaxReplicates + 1);
    std::vector<double> totalC, signal;
    for (const ColumnsReader::Row &row : read.rows) {
        if (row.values.empty() || std::isnan(row.values[0]))
            throw Refusal{QStringLiteral("%1, line %2: Total C is missing").arg(path).arg(row.line)};
        if (row.values[0] < 0)
            throw Refusal{QStringLiteral("%1, line %2: ").arg(path).arg(row.line)
                          + QStringLiteral("Total C cannot be negative.")};
        for (size_t k = 1; k < row.values.size(); ++k)
            if (!std::isnan(row.values[k])) {
                totalC.push_back(row.values[0]);
                signal.push_back(row.values[k]);
            }
    }
    modCompetition::CompetitionFitReport report = modCompetition::FitCompetitionCurve(totalC, signal, assay);
    if (report.problem != modCompetition::CompetitionFitProblem::None)
        throw Refusal{modCompetition::CompetitionFitProblemText(report.problem)};
    modCompetition::NameConcentrationUnit(report, unit.name);

    std::vector<Line> lines;
    addEstimates(lines, QStringLiteral("Logistic"), report.logistic);
    lines.push_back({QStringLiteral("Logistic IC50"), report.ic50});
    const modCompetition::KiEstimates &ki = report.conversions.ki;
    lines.push_back({QStringLiteral("Ki Cheng-Prusoff"), ki.chengPrusoff});
    if (report.conversions.problem == modCompetition::Ic50Problem::None) {
        lines.push_back({QStringLiteral("Ki Munson-Rodbard"), ki.munsonRodbard});
        lines.push_back({QStringLiteral("Ki Nikolovska-Coleska"), ki.nikolovskaColeska});
        lines.push_back({QStringLiteral("Ki exact from IC50"), ki.exact});
    }
    addEstimates(lines, QStringLiteral("Exact"), report.exact);
    if (report.conversions.titrationZone)
        Warn(QStringLiteral("fit-competition: ") + CompetitionMessages::titrationZone());

    const Format format = FormatOf(arguments, Format::Text);
    OutputStream out(arguments.value("output"));
    if (format == Format::Text) {
        for (const Line &line : lines)
            out.write(line.name.leftJustified(34).toStdString() + NumberText(line.value) + '\n');
    } else if (format == Format::Csv) {
        out.write(CompetitionCsv::FitText(report, unit.name));
    } else {
        QStringList headers;
        std::vector<double> values;
        for (const Line &line : lines) {
            headers << line.name;
            values.push_back(line.value);
        }
        TableWriter table(out, format, headers, !arguments.has("no-header"), true);
        table.row(values);
        table.finish();
    }
    out.commit();
}

} // namespace

const Subcommand &FitCompetitionCommand()
{
    static const Subcommand command = [] {
        Subcommand s{
            "fit-competition",
            "Fit a competition curve: the logistic IC50 and the exact Ki.",
            "FILE",
            "Fits the points of FILE (Total C, then one or more columns of signal:\n"
            "replicates, or repeated rows) two ways: the four-parameter logistic (top,\n"
            "bottom, log IC50, Hill slope) with standard errors and 95 % intervals, and\n"
            "the exact competition model with Total A, Total B and Kd held fixed (Ki, top,\n"
            "bottom), whose Ki also has its profile-likelihood interval. The logistic's\n"
            "IC50 is converted to Ki by the four methods of 'ki' beside the fitted Ki.\n"
            "Concentrations of the file are in --unit. Fewer than five points, a signal\n"
            "that does not decrease and a fit that does not converge are refused.\n"
            "--format csv gives one row per parameter (name, value, SE, low, high, unit)\n"
            "under a comment line naming each fit, then the Ki from the logistic's IC50.\n\n"
            "Example: vornish-cli fit-competition --total-a 5 --total-b 30 --kd 17.92 \\\n"
            "             curve.csv\n",
            AssayOptions(),
        };
        s.options.push_back(UnitOption());
        s.options.push_back(FormatOption("csv, json or text (default text)."));
        s.options.push_back(NoHeaderOption());
        s.options.push_back(OutputOption());
        s.operandCount = 1;
        s.run = run;
        return s;
    }();
    return command;
}

} // namespace cli
