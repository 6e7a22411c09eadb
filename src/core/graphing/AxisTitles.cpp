#include "graphing/AxisTitles.h"

namespace modPlot_Graph {
namespace {

QString equilibriumYTitle(EquilibriumY y, const QString &u)
{
    switch (y) {
    case EquilibriumY::A:
        return QStringLiteral("[Free A] (") + u + QStringLiteral(")");
    case EquilibriumY::B:
        return QStringLiteral("[Free B] (") + u + QStringLiteral(")");
    case EquilibriumY::AB:
        break;
    }
    return QStringLiteral("[A/B complex] (") + u + QStringLiteral(")");
}

QString dynamicYTitle(DynamicY y, const QString &u, const QString &t)
{
    const QString rate = QStringLiteral(" (") + u + QStringLiteral("/") + t + QStringLiteral(")");
    switch (y) {
    case DynamicY::A:
        return QStringLiteral("[A] (") + u + QStringLiteral(")");
    case DynamicY::B:
        return QStringLiteral("[B] (") + u + QStringLiteral(")");
    case DynamicY::AB:
        return QStringLiteral("[A/B] (") + u + QStringLiteral(")");
    case DynamicY::dAdt:
        return QStringLiteral("d[A]dt") + rate;
    case DynamicY::dBdt:
        return QStringLiteral("d[B]dt") + rate;
    case DynamicY::dABdt:
        return QStringLiteral("d[A/B]dt") + rate;
    case DynamicY::Together:
        return QStringLiteral("[A], [B], [A/B] (") + u + QStringLiteral(")");
    }
    return QString();
}

} // namespace

AxisTitles ComposeAxisTitles(short toolCode, const GraphPreferences &preferences, const QString &concentrationUnit,
                             const QString &timeUnit)
{
    const QString &u = concentrationUnit;
    AxisTitles titles;
    switch (toolCode) {
    case EquilibriumTool: {
        // On the log scale the X values are exponents of molar concentrations.
        const QString xUnit = preferences.logScale ? QStringLiteral("M") : u;
        const QString total = preferences.equilibriumX == EquilibriumX::TotalA ? QStringLiteral("[Total A] (")
                                                                               : QStringLiteral("[Total B] (");
        titles.x = total + xUnit + QStringLiteral(")");
        titles.y = equilibriumYTitle(preferences.equilibriumY, u);
        break;
    }
    case ScatchardTool:
        titles.x = QStringLiteral("[Bound] (") + u + QStringLiteral(")");
        titles.y = QStringLiteral("[Bound] / [Free]");
        break;
    case DynamicTool:
        titles.x = QStringLiteral("Time (") + timeUnit + QStringLiteral(")");
        titles.y = dynamicYTitle(preferences.dynamicY, u, timeUnit);
        break;
    case CompetitionTool:
        // The X values are exponents of molar concentrations.
        titles.x = QStringLiteral("[Total C] (M)");
        titles.y = preferences.competitionPercent ? QStringLiteral("[A/B] (% of no competitor)")
                                                  : QStringLiteral("[A/B complex] (") + u + QStringLiteral(")");
        break;
    default:
        break;
    }
    if (!preferences.xTitle.isEmpty())
        titles.x = preferences.xTitle;
    if (!preferences.yTitle.isEmpty())
        titles.y = preferences.yTitle;
    return titles;
}

} // namespace modPlot_Graph
