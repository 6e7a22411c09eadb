#include "graphing/CurveStyles.h"

#include "platform/NumberText.h"

#include <cmath>
#include <set>

namespace modPlot_Graph {
namespace {

const LineDash dashOrder[] = {LineDash::Solid,   LineDash::Dashed,   LineDash::Dotted,
                              LineDash::DashDot, LineDash::LongDash, LineDash::DashDotDot};

double roundedToSignificantDigits(double value, int digits)
{
    if (value == 0 || !std::isfinite(value))
        return value;
    const double scale = std::pow(10.0, digits - 1 - int(std::floor(std::log10(std::fabs(value)))));
    return std::round(value * scale) / scale;
}

const CurveParameter *find(const std::vector<CurveParameter> &curve, const QString &name)
{
    for (const CurveParameter &parameter : curve)
        if (parameter.name == name)
            return &parameter;
    return nullptr;
}

// The names of the parameters, in the order they first appear.
QStringList namesOf(const std::vector<std::vector<CurveParameter>> &curves)
{
    QStringList names;
    for (const auto &curve : curves)
        for (const CurveParameter &parameter : curve)
            if (!names.contains(parameter.name))
                names.append(parameter.name);
    return names;
}

// The texts of one parameter over the curves at a number of digits; empty
// where a curve lacks it.
QStringList textsOf(const std::vector<std::vector<CurveParameter>> &curves, const QString &name, int digits)
{
    QStringList texts;
    for (const auto &curve : curves) {
        const CurveParameter *parameter = find(curve, name);
        texts.append(parameter ? ParameterText(*parameter, digits) : QString());
    }
    return texts;
}

size_t distinctCount(const QStringList &texts)
{
    return std::set<QString>(texts.begin(), texts.end()).size();
}

} // namespace

const std::vector<QColor> &CurvePalette()
{
    static const std::vector<QColor> palette = {
        QColor(0, 0, 0),       // black
        QColor(230, 159, 0),   // orange
        QColor(86, 180, 233),  // sky blue
        QColor(0, 158, 115),   // bluish green
        QColor(213, 94, 0),    // vermillion
        QColor(0, 114, 178),   // blue
        QColor(204, 121, 167), // reddish purple
        QColor(240, 228, 66),  // yellow
    };
    return palette;
}

CurveStyle CurveStyleAt(int index, bool blackAndWhite)
{
    const int place = std::max(0, index);
    const std::vector<QColor> &palette = CurvePalette();
    CurveStyle style;
    style.dash = dashOrder[place % std::size(dashOrder)];
    style.color = blackAndWhite ? QColor(0, 0, 0) : palette[size_t(place) % palette.size()];
    return style;
}

std::vector<double> DashPattern(LineDash dash)
{
    switch (dash) {
    case LineDash::Solid:
        break;
    case LineDash::Dashed:
        return {120, 80};
    case LineDash::Dotted:
        return {20, 60};
    case LineDash::DashDot:
        return {140, 60, 20, 60};
    case LineDash::LongDash:
        return {260, 90};
    case LineDash::DashDotDot:
        return {140, 60, 20, 60, 20, 60};
    }
    return {};
}

QString ParameterText(const CurveParameter &parameter, int significantDigits)
{
    QString text = parameter.name + QStringLiteral(" = ")
                   + NumberText::generalText(roundedToSignificantDigits(parameter.value, significantDigits));
    if (!parameter.unit.isEmpty())
        text += QLatin1Char(' ') + parameter.unit;
    return text;
}

QStringList LegendTexts(const std::vector<std::vector<CurveParameter>> &curves)
{
    const QStringList names = namesOf(curves);
    std::vector<QStringList> columns; // the texts of each differing parameter
    for (const QString &name : names) {
        // As many digits as it takes to tell apart the values that differ.
        const size_t values = distinctCount(textsOf(curves, name, 15));
        QStringList texts = textsOf(curves, name, 4);
        for (int digits = 5; digits <= 15 && distinctCount(texts) < values; ++digits)
            texts = textsOf(curves, name, digits);
        if (values > 1)
            columns.push_back(texts);
    }
    if (columns.empty()) // nothing differs: every parameter names its curve
        for (const QString &name : names)
            columns.push_back(textsOf(curves, name, 4));
    QStringList legend;
    for (size_t curve = 0; curve < curves.size(); ++curve) {
        QStringList parts;
        for (const QStringList &texts : columns)
            if (!texts[int(curve)].isEmpty())
                parts.append(texts[int(curve)]);
        legend.append(parts.join(QStringLiteral(", ")));
    }
    return legend;
}

} // namespace modPlot_Graph
