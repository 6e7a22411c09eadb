#include "scatchard/SaturationReport.h"

#include "fitting/FitTexts.h"
#include "fitting/ModelComparison.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>

namespace modStatistics {
namespace {

using namespace Fitting;

// A line of the report holds about this many characters of 9-point text.
constexpr int lineCharacters = 100;

void appendWrapped(ReportSection &section, const QString &label, const QString &text)
{
    const QStringList lines = ReportDetails::WrappedLines(text, lineCharacters);
    for (int i = 0; i < lines.size(); ++i)
        section.rows.append({i == 0 ? label : QString(), lines[i]});
}

ReportSection dataSection(const QString &title, const ReplicateTable &table)
{
    ReportSection section{title, {}};
    size_t replicates = 0; // up to the last column with a value in some row
    for (const std::vector<double> &row : table.y)
        for (size_t r = 0; r < row.size(); ++r)
            if (!std::isnan(row[r]))
                replicates = std::max(replicates, r + 1);
    const std::vector<RowMean> means = RowMeans(table);
    const bool repeated = std::any_of(means.begin(), means.end(), [](const RowMean &mean) { return mean.count > 1; });
    QStringList headings{QStringLiteral("X")};
    for (size_t r = 1; r <= replicates; ++r)
        headings << (replicates == 1 ? QStringLiteral("Y") : QStringLiteral("Y%1").arg(r));
    if (repeated)
        headings << QStringLiteral("Mean") << QStringLiteral("SD");
    section.rows.append(headings);
    for (size_t row = 0; row < table.x.size() && row < means.size(); ++row) {
        QStringList cells{FitNumberText(table.x[row])};
        for (size_t r = 0; r < replicates; ++r) {
            const double y = r < table.y[row].size() ? table.y[row][r] : std::nan("");
            cells << (std::isnan(y) ? QString() : FitNumberText(y));
        }
        if (repeated)
            cells << FitNumberText(means[row].mean)
                  << (means[row].count > 1 ? FitNumberText(means[row].sd) : QString());
        section.rows.append(cells);
    }
    return section;
}

ReportSection fitSection(const SaturationModelFit &fit)
{
    ReportSection section{ModelName(fit.model), {}};
    if (!fit.problem.isEmpty()) {
        appendWrapped(section, QStringLiteral("No result:"), fit.problem);
        return section;
    }
    const FitResult &result = fit.result;
    section.rows.append({QStringLiteral("Parameter"), QStringLiteral("Value"), QStringLiteral("SE"),
                         QStringLiteral("95% interval"), QStringLiteral("Profile 95% interval"),
                         QStringLiteral("Unit")});
    for (const ParameterEstimate &estimate : result.parameters)
        section.rows.append({estimate.name, FitNumberText(estimate.value),
                             estimate.fixed ? QStringLiteral("fixed") : FitNumberText(estimate.se),
                             estimate.fixed ? QString() : AsymptoticText(estimate),
                             estimate.fixed ? QString() : ProfileText(estimate), estimate.unit});
    section.rows.append({QStringLiteral("Residual SD:"), FitNumberText(result.residualSD)});
    section.rows.append({QStringLiteral("R²:"), FitNumberText(result.rSquared)});
    section.rows.append({QStringLiteral("AICc:"), AiccText(result)});
    section.rows.append({QStringLiteral("df:"), NumberText::format(result.df, QStringLiteral("#0"))});
    return section;
}

ReportSection comparisonSection(const SaturationReportInput &input)
{
    ReportSection section{QStringLiteral("Model comparison"), {}};
    appendWrapped(section, QStringLiteral("Verdict:"), input.verdict.sentence);
    if (!input.verdict.compared)
        return section;
    const ModelComparison &c = input.verdict.comparison;
    section.rows.append({QStringLiteral("F test:"),
                         c.nested ? QStringLiteral("F = ") + FitNumberText(c.f) + QStringLiteral(", ") + pText(c.p)
                                  : QStringLiteral("none: the models are not nested")});
    if (c.aiccAvailable) {
        const SaturationModelFit &first = input.fits[input.verdict.simplerFirst ? 0 : 1];
        const SaturationModelFit &second = input.fits[input.verdict.simplerFirst ? 1 : 0];
        section.rows.append({QStringLiteral("AICc difference:"),
                             FitNumberText(c.deltaAicc) + QStringLiteral(" (") + ModelName(second.model)
                                 + QStringLiteral(" less ") + ModelName(first.model) + QLatin1Char(')')});
        section.rows.append({QStringLiteral("Probability right:"),
                             ModelName(first.model) + QStringLiteral(" ") + percentText(c.probabilityFirst)
                                 + QStringLiteral(", ") + ModelName(second.model) + QStringLiteral(" ")
                                 + percentText(c.probabilitySecond)});
    }
    return section;
}

ReportSection testsSection(const SaturationModelFit &fit)
{
    ReportSection section{QStringLiteral("Tests of the fit (") + ModelName(fit.model) + QLatin1Char(')'),
                          SaturationTestRows(fit)};
    const QStringList warnings = SaturationWarnings(fit);
    if (warnings.isEmpty())
        section.rows.append({QStringLiteral("Warnings:"), QStringLiteral("none")});
    for (int i = 0; i < warnings.size(); ++i)
        appendWrapped(section, i == 0 ? QStringLiteral("Warnings:") : QString(), warnings[i]);
    return section;
}

} // namespace

QList<ReportSection> SaturationReportSections(const SaturationReportInput &input)
{
    QList<ReportSection> sections;
    if (input.fits.empty())
        return sections;
    sections.append(dataSection(QStringLiteral("Binding data"), input.binding));
    if (!input.nonspecific.x.empty())
        sections.append(dataSection(QStringLiteral("Nonspecific binding data"), input.nonspecific));
    for (const SaturationModelFit &fit : input.fits)
        sections.append(fitSection(fit));
    if (input.fits.size() > 1)
        sections.append(comparisonSection(input));
    const SaturationModelFit &chosen = input.fits.front();
    if (chosen.problem.isEmpty() && chosen.result.outcome == FitResult::Fitted && !chosen.sets.empty())
        sections.append(testsSection(chosen));
    return sections;
}

QList<QStringList> SaturationTestRows(const SaturationModelFit &fit)
{
    QList<QStringList> rows;
    if (fit.result.outcome != FitResult::Fitted || fit.sets.empty() || fit.result.residuals.empty())
        return rows;
    const FitDataSet &data = fit.sets.front();
    const std::vector<double> &residuals = fit.result.residuals.front();
    const RunsTest runs = RunsOfResiduals(data.x, residuals);
    rows.append({QStringLiteral("Runs test:"), QStringLiteral("%1 runs of %2 positive and %3 negative residuals, ")
                                                       .arg(runs.runs)
                                                       .arg(runs.positive)
                                                       .arg(runs.negative)
                                                   + pText(runs.p)});
    const ReplicatesTest replicates = TestReplicates(data.x, residuals, int(fit.result.freeIndex.size()));
    rows.append({QStringLiteral("Replicates test:"),
                 replicates.available ? QStringLiteral("lack of fit F = %1 (df %2, %3), ")
                                                .arg(FitNumberText(replicates.f))
                                                .arg(replicates.lackOfFitDf)
                                                .arg(replicates.pureErrorDf)
                                            + pText(replicates.p)
                                      : QStringLiteral("not available: no X measured more than once, or too few X")});
    return rows;
}

} // namespace modStatistics
