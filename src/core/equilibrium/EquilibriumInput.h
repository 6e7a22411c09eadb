#pragma once

#include <QString>
#include <QVector>

#include <array>
#include <optional>

namespace modVornish {

// The six field texts of the Equilibrium Tool, in the shown unit.
struct EquilibriumFields
{
    QString A, Atot, B, Btot, AB, Kd;
};

enum class InputProblem {
    None,
    NoValidCombination,   // fewer than three numeric fields, or a set that is not accepted
    NotGreaterThanZero,   // a deciding value is zero, or a derived [A/B] is not positive
    TotalCannotBeLower,   // a total not above its free part
    TotalAMinusATooLarge, // Total A - A not below Total B
    TotalBMinusBTooLarge, // Total B - B not below Total A
};

// The deciding values in molar, the combination code and the first failed
// check. Values of fields outside the deciding pattern are 0.
struct EquilibriumInput
{
    double A = 0, Atot = 0, B = 0, Btot = 0, AB = 0, Kd = 0;
    short code = 0;
    InputProblem problem = InputProblem::None;
};

// Tries the eleven accepted input patterns in their order; the first whose
// three fields are all numeric decides. Values are read as |number| x factor.
// Throws RuntimeFault when a number is out of range.
EquilibriumInput ReadEquilibriumInput(const EquilibriumFields &fields, double factor);

// The six quantities in the order A, Total A, B, Total B, [A/B], Kd, each a
// molar value or absent.
using GivenQuantities = std::array<std::optional<double>, 6>;

// The same choice and checks for values already read: the first accepted
// pattern whose three quantities are all given decides; its values are
// taken as their absolute values.
EquilibriumInput ChooseEquilibriumInput(const GivenQuantities &given);

// The message of a problem, as the Equilibrium Tool shows it (exclamation
// icon, OK button); its paragraphs are separated by CR LF.
struct InputProblemMessage
{
    QString text;
    QString title;
};
InputProblemMessage MessageOfInputProblem(InputProblem problem);

// The message of an arithmetic fault during the operation, title
// "Input is not valid".
QString ArithmeticFaultText();

// The eleven accepted input patterns in the order they are tried: for each,
// which of A, Total A, B, Total B, [A/B], Kd it uses.
QVector<std::array<bool, 6>> AcceptedInputPatterns();

} // namespace modVornish
