#include "cli/EquilibriumOptions.h"

#include "cli/Failures.h"
#include "equilibrium/EquilibriumInput.h"
#include "equilibrium/SolveEquilibrium.h"
#include "platform/RuntimeFault.h"

namespace cli {

const char *const QuantityNames[6] = {"A", "Total A", "B", "Total B", "[A/B]", "Kd"};

namespace {

const char *const optionNames[6] = {"a", "total-a", "b", "total-b", "ab", "kd"};

} // namespace

std::vector<Option> EquilibriumQuantityOptions()
{
    return {
        {"a", "CONC", "Free A."},
        {"total-a", "CONC", "Total A (A + [A/B])."},
        {"b", "CONC", "Free B."},
        {"total-b", "CONC", "Total B (B + [A/B])."},
        {"ab", "CONC", "The complex [A/B]."},
        {"kd", "CONC", "The dissociation constant Kd = A*B/[A/B]."},
    };
}

Equilibrium SolveGivenQuantities(const Arguments &arguments, const Unit &unit)
{
    modVornish::GivenQuantities given;
    for (int i = 0; i < 6; ++i)
        if (arguments.has(optionNames[i]))
            given[i] = Concentration(arguments.value(optionNames[i]), unit,
                                     QStringLiteral("--") + QLatin1String(optionNames[i]));
    modVornish::EquilibriumInput in = modVornish::ChooseEquilibriumInput(given);
    if (in.problem != modVornish::InputProblem::None)
        throw Refusal{modVornish::MessageOfInputProblem(in.problem).text};
    try {
        modVornish::SolveEquilibrium(in.A, in.Atot, in.B, in.Btot, in.AB, in.Kd, in.code);
    } catch (const RuntimeFault &) {
        throw Refusal{modVornish::ArithmeticFaultText()};
    }
    return {in.A, in.Atot, in.B, in.Btot, in.AB, in.Kd};
}

double InUnit(double molar, const Unit &unit)
{
    try {
        return fault::divide(molar, unit.factor);
    } catch (const RuntimeFault &) {
        throw Refusal{modVornish::ArithmeticFaultText()};
    }
}

} // namespace cli
