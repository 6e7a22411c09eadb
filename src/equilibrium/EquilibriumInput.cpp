#include "equilibrium/EquilibriumInput.h"

#include "equilibrium/SolveEquilibrium.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <cmath>

namespace modVornish {
namespace {

enum Field { FA, FAtot, FB, FBtot, FAB, FKd };

struct Pattern
{
    Field fields[3];
    short code;
};

// The eleven accepted input patterns, in the order they are tried.
const Pattern kPatterns[] = {
    {{FAtot, FBtot, FKd}, TotalsAndKd},
    {{FA, FB, FAB}, FreeAndComplex},
    {{FA, FB, FKd}, FreeAndKd},
    {{FA, FAtot, FKd}, AComplexKd},
    {{FA, FAB, FKd}, AComplexKd},
    {{FB, FBtot, FKd}, BComplexKd},
    {{FB, FAB, FKd}, BComplexKd},
    {{FA, FAtot, FB}, ATotalAB},
    {{FA, FB, FBtot}, ABTotalB},
    {{FA, FAtot, FBtot}, ATotalATotalB},
    {{FAtot, FB, FBtot}, BTotalATotalB},
};

const QString &textOf(const EquilibriumFields &f, Field field)
{
    switch (field) {
    case FA: return f.A;
    case FAtot: return f.Atot;
    case FB: return f.B;
    case FBtot: return f.Btot;
    case FAB: return f.AB;
    case FKd: break;
    }
    return f.Kd;
}

double &valueOf(EquilibriumInput &in, Field field)
{
    switch (field) {
    case FA: return in.A;
    case FAtot: return in.Atot;
    case FB: return in.B;
    case FBtot: return in.Btot;
    case FAB: return in.AB;
    case FKd: break;
    }
    return in.Kd;
}

bool allPositive(std::initializer_list<double> values)
{
    for (double v : values)
        if (!(v > 0))
            return false;
    return true;
}

InputProblem check(EquilibriumInput &in, int order)
{
    switch (order) {
    case 3: // A, Total A, Kd: the complex is what A leaves of its total
        in.AB = in.Atot - in.A;
        return allPositive({in.A, in.AB, in.Kd}) ? InputProblem::None : InputProblem::NotGreaterThanZero;
    case 5: // B, Total B, Kd
        in.AB = in.Btot - in.B;
        return allPositive({in.B, in.AB, in.Kd}) ? InputProblem::None : InputProblem::NotGreaterThanZero;
    case 7:
        if (!allPositive({in.A, in.Atot, in.B}))
            return InputProblem::NotGreaterThanZero;
        return in.A < in.Atot ? InputProblem::None : InputProblem::TotalCannotBeLower;
    case 8:
        if (!allPositive({in.A, in.B, in.Btot}))
            return InputProblem::NotGreaterThanZero;
        return in.Btot > in.B ? InputProblem::None : InputProblem::TotalCannotBeLower;
    case 9:
        if (!allPositive({in.A, in.Atot, in.Btot}))
            return InputProblem::NotGreaterThanZero;
        if (!(in.A < in.Atot))
            return InputProblem::TotalCannotBeLower;
        return in.Atot - in.A < in.Btot ? InputProblem::None : InputProblem::TotalAMinusATooLarge;
    case 10:
        if (!allPositive({in.Atot, in.B, in.Btot}))
            return InputProblem::NotGreaterThanZero;
        if (!(in.B < in.Btot))
            return InputProblem::TotalCannotBeLower;
        return in.Btot - in.B < in.Atot ? InputProblem::None : InputProblem::TotalBMinusBTooLarge;
    default: {
        const Pattern &p = kPatterns[order];
        return allPositive({valueOf(in, p.fields[0]), valueOf(in, p.fields[1]), valueOf(in, p.fields[2])})
                   ? InputProblem::None
                   : InputProblem::NotGreaterThanZero;
    }
    }
}

} // namespace

QVector<std::array<bool, 6>> AcceptedInputPatterns()
{
    QVector<std::array<bool, 6>> patterns;
    for (const Pattern &p : kPatterns) {
        std::array<bool, 6> uses{};
        for (Field f : p.fields)
            uses[f] = true;
        patterns.append(uses);
    }
    return patterns;
}

EquilibriumInput ReadEquilibriumInput(const EquilibriumFields &fields, double factor)
{
    EquilibriumInput in;
    const int patternCount = int(sizeof kPatterns / sizeof kPatterns[0]);
    for (int order = 0; order < patternCount; ++order) {
        const Pattern &p = kPatterns[order];
        if (!(NumberText::isNumeric(textOf(fields, p.fields[0])) && NumberText::isNumeric(textOf(fields, p.fields[1]))
              && NumberText::isNumeric(textOf(fields, p.fields[2]))))
            continue;
        for (Field f : p.fields)
            valueOf(in, f) = fault::checkedFinite(std::fabs(NumberText::numericValue(textOf(fields, f))) * factor);
        in.code = p.code;
        in.problem = check(in, order);
        return in;
    }
    in.problem = InputProblem::NoValidCombination;
    return in;
}

} // namespace modVornish
