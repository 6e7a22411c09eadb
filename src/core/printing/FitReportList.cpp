#include "printing/FitReportList.h"

#include "fitting/FitTexts.h"
#include "platform/NumberText.h"

namespace ToolLists {

using namespace Fitting;

QString EstimateLine(const ParameterEstimate &estimate)
{
    const QString unit = estimate.unit.isEmpty() ? QString() : QLatin1Char(' ') + estimate.unit;
    if (estimate.fixed)
        return FitNumberText(estimate.value) + unit + QStringLiteral(" (fixed)");
    QString line = FitNumberText(estimate.value) + QStringLiteral(" ± ") + FitNumberText(estimate.se) + unit
                   + QStringLiteral(", 95%: ") + AsymptoticText(estimate);
    const QString profile = ProfileText(estimate);
    if (!profile.isEmpty())
        line += QStringLiteral(" (profile ") + profile + QLatin1Char(')');
    return line;
}

ReportColumns FitResultList(const FitResult &result)
{
    ReportColumns list;
    for (const ParameterEstimate &estimate : result.parameters)
        AppendRow(list, estimate.name + QLatin1Char(':'), EstimateLine(estimate));
    AppendRow(list, QStringLiteral("Residual SD:"), FitNumberText(result.residualSD));
    AppendRow(list, QStringLiteral("R²:"), FitNumberText(result.rSquared));
    AppendRow(list, QStringLiteral("AICc:"), FitNumberText(result.aicc));
    AppendRow(list, QStringLiteral("Degrees of freedom (df):"), NumberText::format(result.df, QStringLiteral("#0")));
    return list;
}

} // namespace ToolLists
