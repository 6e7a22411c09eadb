#include "planning/PlanText.h"

#include "platform/NumberText.h"

#include <cmath>

namespace Planning {
namespace {

QString threeDigits(double v)
{
    return NumberText::generalText(QString::number(v, 'g', 3).toDouble());
}

} // namespace

QString ConcentrationText(double molar)
{
    struct Scale
    {
        double factor;
        const char *name;
    };
    static const Scale scales[] = {{1, "M"}, {1e-3, "mM"}, {1e-6, "µM"}, {1e-9, "nM"}, {1e-12, "pM"}};
    for (const Scale &scale : scales)
        if (std::fabs(molar) >= 0.9995 * scale.factor)
            return threeDigits(molar / scale.factor) + QLatin1Char(' ') + QString::fromUtf8(scale.name);
    return threeDigits(molar / 1e-15) + QStringLiteral(" fM");
}

QString PercentText(double fraction)
{
    return threeDigits(100 * fraction) + QStringLiteral(" %");
}

} // namespace Planning
