#include "printing/ToolLists.h"

#include <initializer_list>
#include <map>
#include <utility>

namespace ToolLists {
namespace {

using Row = std::pair<QString, QString>;

std::map<modPlot_Graph::ToolCode, ReportSource> &sources()
{
    static std::map<modPlot_Graph::ToolCode, ReportSource> registered;
    return registered;
}

ReportColumns columns(std::initializer_list<Row> rows)
{
    const QString lineBreak = QStringLiteral("\r\n");
    ReportColumns list;
    bool first = true;
    for (const Row &row : rows) {
        if (!first) {
            list.labels += lineBreak;
            list.values += lineBreak;
        }
        first = false;
        list.labels += row.first;
        list.values += row.second;
    }
    return list;
}

} // namespace

void AppendRow(ReportColumns &list, const QString &label, const QString &value)
{
    const bool first = list.labels.isEmpty() && list.values.isEmpty();
    list.labels += (first ? QString() : QStringLiteral("\r\n")) + label;
    list.values += (first ? QString() : QStringLiteral("\r\n")) + value;
}

ReportColumns EquilibriumToolList(const EquilibriumValues &shown, const QString &unit)
{
    return columns({
        {QStringLiteral("Concentrations (") + unit + QStringLiteral("):"), QString()},
        {QStringLiteral("A:"), shown.a},
        {QStringLiteral("Total A:"), shown.totalA},
        {QStringLiteral("B:"), shown.b},
        {QStringLiteral("Total B:"), shown.totalB},
        {QStringLiteral("[A/B]:"), shown.complex},
        {QStringLiteral("Kd:"), shown.kd},
    });
}

ReportColumns ScatchardToolList(const ScatchardValues &shown)
{
    return columns({
        {QStringLiteral("Results:"), QString()},
        {QStringLiteral("Calculated Kd:"), shown.kd},
        {QStringLiteral("95% Confidence interval:"), shown.interval},
        {QString(), QString()},
        {QStringLiteral("Linear regression data:"), QString()},
        {QStringLiteral("Slope:"), shown.slope},
        {QStringLiteral("Intercept:"), shown.intercept},
        {QStringLiteral("Degrees of freedom: "), shown.degreesOfFreedom},
        {QStringLiteral("Standard error of the slope: "), shown.slopeError},
    });
}

ReportColumns DynamicToolList(const DynamicValues &shown, const QString &unit)
{
    return columns({
        {QStringLiteral("Concentrations at t=0 (") + unit + QStringLiteral("):"), QString()},
        {QStringLiteral("A:"), shown.a},
        {QStringLiteral("B:"), shown.b},
        {QStringLiteral("[A/B]:"), shown.complex},
        {QString(), QString()},
        {QStringLiteral("Equilibrium constants:"), QString()},
        {QStringLiteral("K-ass. rate ( /M /s ):"), shown.associationRate},
        {QStringLiteral("K-diss. rate ( /s ):"), shown.dissociationRate},
        {QStringLiteral("Kd (equilibrium, M):"), shown.kd},
    });
}

void SetReportSource(modPlot_Graph::ToolCode tool, ReportSource source)
{
    sources()[tool] = std::move(source);
}

ReportColumns ToolList(modPlot_Graph::ToolCode tool, const QString &unit)
{
    const auto found = sources().find(tool);
    return found != sources().end() && found->second ? found->second(unit) : ReportColumns();
}

} // namespace ToolLists
