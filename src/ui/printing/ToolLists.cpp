#include "printing/ToolLists.h"

#include "dynamic/frmDynVornish.h"
#include "equilibrium/frmVornish.h"
#include "session/GraphPreferences.h"
#include "session/Session.h"
#include "scatchard/frmScatchard.h"
#include "dynamic/DynamicWindows.h"
#include "equilibrium/EquilibriumWindows.h"
#include "scatchard/ScatchardWindows.h"

#include <QLabel>
#include <QLineEdit>

#include <initializer_list>
#include <utility>

namespace ToolLists {
namespace {

using Row = std::pair<QString, QString>;

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

ReportColumns EquilibriumToolList(const frmVornish &tool, const QString &unit)
{
    return columns({
        {QStringLiteral("Concentrations (") + unit + QStringLiteral("):"), QString()},
        {QStringLiteral("A:"), tool.txtA->text()},
        {QStringLiteral("Total A:"), tool.txtA_tot->text()},
        {QStringLiteral("B:"), tool.txtB->text()},
        {QStringLiteral("Total B:"), tool.txtB_tot->text()},
        {QStringLiteral("[A/B]:"), tool.txtAB->text()},
        {QStringLiteral("Kd:"), tool.txtKd->text()},
    });
}

ReportColumns ScatchardToolList(const frmScatchard &tool)
{
    return columns({
        {QStringLiteral("Results:"), QString()},
        {QStringLiteral("Calculated Kd:"), tool.lblOutputKd->text()},
        {QStringLiteral("95% Confidence interval:"), tool.lblOutputCI->text()},
        {QString(), QString()},
        {QStringLiteral("Linear regression data:"), QString()},
        {QStringLiteral("Slope:"), tool.lblOutputSlope->text()},
        {QStringLiteral("Intercept:"), tool.lblOutputIntercept->text()},
        {QStringLiteral("Degrees of freedom: "), tool.lblOutputdf->text()},
        {QStringLiteral("Standard error of the slope: "), tool.lblOutputSEb->text()},
    });
}

ReportColumns DynamicToolList(const frmDynVornish &tool, const QString &unit)
{
    return columns({
        {QStringLiteral("Concentrations at t=0 (") + unit + QStringLiteral("):"), QString()},
        {QStringLiteral("A:"), tool.txtA->text()},
        {QStringLiteral("B:"), tool.txtB->text()},
        {QStringLiteral("[A/B]:"), tool.txtAB->text()},
        {QString(), QString()},
        {QStringLiteral("Equilibrium constants:"), QString()},
        {QStringLiteral("K-ass. rate ( /M /s ):"), tool.txtK_ass_rate->text()},
        {QStringLiteral("K-diss. rate ( /s ):"), tool.txtK_diss_rate->text()},
        {QStringLiteral("Kd (equilibrium, M):"), tool.txtKd->text()},
    });
}

ReportColumns ToolList(short toolCode)
{
    const QString unit = Session::current().concentrationUnit();
    switch (toolCode) {
    case modPlot_Graph::EquilibriumTool:
        return equilibriumWindows().vornish ? EquilibriumToolList(*equilibriumWindows().vornish, unit) : ReportColumns();
    case modPlot_Graph::ScatchardTool:
        return scatchardWindows().scatchard ? ScatchardToolList(*scatchardWindows().scatchard) : ReportColumns();
    case modPlot_Graph::DynamicTool:
        return dynamicWindows().dynamic ? DynamicToolList(*dynamicWindows().dynamic, unit) : ReportColumns();
    default:
        return ReportColumns();
    }
}

} // namespace ToolLists
