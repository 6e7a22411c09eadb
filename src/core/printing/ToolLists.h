#pragma once

#include "session/GraphPreferences.h"

#include <QString>

#include <functional>

// The input and output of a tool as the report prints them: two columns,
// each one text of lines joined by CR LF, line k of the labels beside
// line k of the values. Values are the texts the tool window shows.
struct ReportColumns
{
    QString labels;
    QString values;
};

namespace ToolLists {

// Adds one line of a label and its value to a list.
void AppendRow(ReportColumns &list, const QString &label, const QString &value);

struct EquilibriumValues
{
    QString a, totalA, b, totalB, complex, kd;
};
ReportColumns EquilibriumToolList(const EquilibriumValues &shown, const QString &unit);

struct ScatchardValues
{
    QString kd, interval, slope, intercept, degreesOfFreedom, slopeError;
};
ReportColumns ScatchardToolList(const ScatchardValues &shown);

struct DynamicValues
{
    QString a, b, complex, associationRate, dissociationRate, kd;
};
ReportColumns DynamicToolList(const DynamicValues &shown, const QString &unit);

// Each tool window registers what it gives the report: its list in the
// given concentration unit, from the texts it shows at the time.
using ReportSource = std::function<ReportColumns(const QString &unit)>;
void SetReportSource(modPlot_Graph::ToolCode tool, ReportSource source);

// The list of a tool in the unit; empty for a tool without a source.
ReportColumns ToolList(modPlot_Graph::ToolCode tool, const QString &unit);

} // namespace ToolLists
