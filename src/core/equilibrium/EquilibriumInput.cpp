#include "equilibrium/EquilibriumInput.h"

#include "equilibrium/SolveEquilibrium.h"
#include "platform/Messages.h"
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
    {{FAtot, FBtot, FKd}, TotalsAndKd},  {{FA, FB, FAB}, FreeAndComplex},     {{FA, FB, FKd}, FreeAndKd},
    {{FA, FAtot, FKd}, AComplexKd},      {{FA, FAB, FKd}, AComplexKd},        {{FB, FBtot, FKd}, BComplexKd},
    {{FB, FAB, FKd}, BComplexKd},        {{FA, FAtot, FB}, ATotalAB},         {{FA, FB, FBtot}, ABTotalB},
    {{FA, FAtot, FBtot}, ATotalATotalB}, {{FAtot, FB, FBtot}, BTotalATotalB},
};

const QString &textOf(const EquilibriumFields &f, Field field)
{
    switch (field) {
    case FA:
        return f.A;
    case FAtot:
        return f.Atot;
    case FB:
        return f.B;
    case FBtot:
        return f.Btot;
    case FAB:
        return f.AB;
    case FKd:
        break;
    }
    return f.Kd;
}

double &valueOf(EquilibriumInput &in, Field field)
{
    switch (field) {
    case FA:
        return in.A;
    case FAtot:
        return in.Atot;
    case FB:
        return in.B;
    case FBtot:
        return in.Btot;
    case FAB:
        return in.AB;
    case FKd:
        break;
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

constexpr int PatternCount = int(sizeof kPatterns / sizeof kPatterns[0]);

// The order of the first accepted pattern whose three quantities are all
// given, or -1.
int decidingOrder(const std::array<bool, 6> &given)
{
    for (int order = 0; order < PatternCount; ++order) {
        const Pattern &p = kPatterns[order];
        if (given[p.fields[0]] && given[p.fields[1]] && given[p.fields[2]])
            return order;
    }
    return -1;
}

EquilibriumInput checked(EquilibriumInput in, int order)
{
    in.code = kPatterns[order].code;
    in.problem = check(in, order);
    return in;
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
    std::array<bool, 6> given{};
    for (Field f : {FA, FAtot, FB, FBtot, FAB, FKd})
        given[f] = NumberText::isNumeric(textOf(fields, f));
    EquilibriumInput in;
    const int order = decidingOrder(given);
    if (order < 0) {
        in.problem = InputProblem::NoValidCombination;
        return in;
    }
    // Only the deciding three are read: the other fields are ignored.
    for (Field f : kPatterns[order].fields)
        valueOf(in, f) = fault::checkedFinite(std::fabs(NumberText::numericValue(textOf(fields, f))) * factor);
    return checked(in, order);
}

EquilibriumInput ChooseEquilibriumInput(const GivenQuantities &given)
{
    std::array<bool, 6> present{};
    for (int f = 0; f < 6; ++f)
        present[f] = given[f].has_value();
    EquilibriumInput in;
    const int order = decidingOrder(present);
    if (order < 0) {
        in.problem = InputProblem::NoValidCombination;
        return in;
    }
    for (Field f : kPatterns[order].fields)
        valueOf(in, f) = fault::checkedFinite(std::fabs(*given[f]));
    return checked(in, order);
}

InputProblemMessage MessageOfInputProblem(InputProblem problem)
{
    const QString invalid = QStringLiteral("Input is not valid");
    switch (problem) {
    case InputProblem::None:
        break;
    case InputProblem::NoValidCombination:
        return {QStringLiteral("Input does not meet program requirements. Do not enter non-numeric data, and make "
                               "sure that one of the valid input combinations was used.")
                    + Messages::paragraph()
                    + QStringLiteral("Click on 'Help' in the menu bar for more information, or use the Equilibrium "
                                     "Tool Assistant."),
                QStringLiteral("Data Input Error")};
    case InputProblem::NotGreaterThanZero:
        return {QStringLiteral("Concentrations should be greater than zero.") + Messages::lineBreak()
                    + QStringLiteral("Check whether individual concentrations are less than 'Total' (sum)values."),
                invalid};
    case InputProblem::TotalCannotBeLower:
        return {QStringLiteral("The concentration of 'Total A' or 'Total B' cannot be lower than or equal to that "
                               "of respectively 'A' or 'B'."),
                invalid};
    case InputProblem::TotalAMinusATooLarge:
        return {QStringLiteral("The concentration of 'Total A' minus that of 'A' (= 'AB') should be smaller than "
                               "'Total B'."),
                invalid};
    case InputProblem::TotalBMinusBTooLarge:
        return {QStringLiteral("The concentration of 'Total B' minus that of 'B' (= 'AB') should be smaller than "
                               "'Total A'."),
                invalid};
    }
    return {};
}

QString ArithmeticFaultText()
{
    return QStringLiteral("Enter numeric values.");
}

} // namespace modVornish
