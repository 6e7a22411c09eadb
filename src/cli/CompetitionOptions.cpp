#include "cli/CompetitionOptions.h"

#include "cli/Failures.h"
#include "competition/CompetitionMessages.h"

namespace cli {
namespace {

double required(const Arguments &arguments, const char *option, const Unit &unit)
{
    const QString what = QStringLiteral("--") + QLatin1String(option);
    if (!arguments.has(option))
        throw UsageError{what + QStringLiteral(" is required")};
    return Concentration(arguments.value(option), unit, what);
}

} // namespace

std::vector<Option> AssayOptions()
{
    return {
        {"total-a", "CONC", "Total A, the labelled ligand (A + [A/B])."},
        {"total-b", "CONC", "Total B, the binding sites."},
        {"kd", "CONC", "Kd of the labelled ligand."},
    };
}

double RequiredTotal(const Arguments &arguments, const char *option, const QString &name, const Unit &unit)
{
    const double v = required(arguments, option, unit);
    if (v < 0)
        throw Refusal{CompetitionMessages::negativeTotal(name)};
    return v;
}

double RequiredPositive(const Arguments &arguments, const char *option, const QString &name, const Unit &unit)
{
    const double v = required(arguments, option, unit);
    if (!(v > 0))
        throw Refusal{CompetitionMessages::notAboveZero(name)};
    return v;
}

} // namespace cli
