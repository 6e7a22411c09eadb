#include "kineticsfit/KineticsFitReport.h"

#include "fitting/FitTexts.h"
#include "kineticsfit/KineticsFitTexts.h"

namespace KineticsFit {
namespace {

constexpr int lineCharacters = 95; // of the report's font across the page

QString number(double v)
{
    return Fitting::FitNumberText(v);
}

} // namespace

ReportColumns ReportList(const KineticsFitResult &result, const Units &units)
{
    ReportColumns list;
    if (!result.fitted)
        return list;
    ToolLists::AppendRow(list, QStringLiteral("Model:"), ModelName(result.model->options().model));
    ToolLists::AppendRow(list, QStringLiteral("Traces:"),
                         QStringLiteral("%1, times in %2, concentrations in %3")
                             .arg(result.model->traces().size())
                             .arg(units.time, units.concentration));
    // Short enough for the page: the asymptotic interval is in the table.
    for (const Fitting::ParameterEstimate &e : result.constants) {
        const QString interval = e.profile.computed ? QStringLiteral("95% profile ") + Fitting::ProfileText(e)
                                                    : QStringLiteral("95% ") + Fitting::AsymptoticText(e);
        ToolLists::AppendRow(list, e.name + QLatin1Char(':'),
                             QStringLiteral("%1 ± %2 %3, %4").arg(number(e.value), number(e.se), e.unit, interval));
    }
    if (result.rateCorrelation != 0.0)
        ToolLists::AppendRow(list, QStringLiteral("Correlation of the rates:"), number(result.rateCorrelation));
    ToolLists::AppendRow(list, QStringLiteral("Residual SD:"),
                         QStringLiteral("%1 (df %2)").arg(number(result.fit.residualSD)).arg(result.fit.df));
    return list;
}

QList<ReportSection> ReportTables(const KineticsFitResult &result, const Units &units)
{
    if (!result.fitted)
        return {};
    ReportSection traces{QStringLiteral("Traces"),
                         {{QStringLiteral("Concentration (%1)").arg(units.concentration),
                           QStringLiteral("Dissociation from (%1)").arg(units.time), QStringLiteral("Points"),
                           QStringLiteral("Time span (%1)").arg(units.time),
                           QStringLiteral("k_obs alone (%1-1)").arg(units.time), QStringLiteral("Residual SD")}}};
    const std::vector<Trace> &fitted = result.model->traces();
    for (size_t i = 0; i < fitted.size() && i < result.traces.size(); ++i) {
        const Trace &trace = fitted[i];
        const TraceSummary &summary = result.traces[i];
        traces.rows << QStringList{number(trace.concentration),
                                   trace.dissociates ? number(trace.dissociationStart) : QString(),
                                   QString::number(trace.time.size()),
                                   number(trace.time.front()) + QStringLiteral(" to ") + number(trace.time.back()),
                                   summary.kObsFitted ? number(summary.kObs) : QString(),
                                   number(summary.residualSD)};
    }
    ReportSection parameters{QStringLiteral("Parameters"),
                             {{QStringLiteral("Parameter"), QStringLiteral("Value"), QStringLiteral("SE"),
                               QStringLiteral("95% asymptotic"), QStringLiteral("95% profile"),
                               QStringLiteral("Unit")}}};
    for (const Fitting::ParameterEstimate &e : ReportedFit(result).parameters)
        parameters.rows << QStringList{e.name,
                                       number(e.value),
                                       e.fixed ? QStringLiteral("fixed") : number(e.se),
                                       e.fixed ? QString() : Fitting::AsymptoticText(e),
                                       Fitting::ProfileText(e),
                                       e.unit};
    QList<ReportSection> sections{traces, parameters};
    if (!result.warnings.isEmpty()) {
        ReportSection warnings{QStringLiteral("Warnings"), {}};
        for (const QString &warning : result.warnings)
            for (const QString &line : ReportDetails::WrappedLines(warning, lineCharacters))
                warnings.rows << QStringList{line};
        sections << warnings;
    }
    return sections;
}

} // namespace KineticsFit
