#pragma once

#include <QString>

class frmDynVornish;
class frmScatchard;
class frmVornish;

// The input and output of a tool as the report prints them: two columns,
// each one text of lines joined by CR LF, line k of the labels beside
// line k of the values. Values are the texts the tool window shows.
struct ReportColumns
{
    QString labels;
    QString values;
};

namespace ToolLists {

ReportColumns EquilibriumToolList(const frmVornish &tool, const QString &unit);
ReportColumns ScatchardToolList(const frmScatchard &tool);
ReportColumns DynamicToolList(const frmDynVornish &tool, const QString &unit);

// The list of a tool code (1 Equilibrium, 2 Scatchard, 3 Dynamic) in the
// current concentration unit; empty for any other code or a missing window.
ReportColumns ToolList(short toolCode);

} // namespace ToolLists
