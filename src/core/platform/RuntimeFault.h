#pragma once

#include <QString>

// A run-time fault: the one way computation reports an arithmetic or
// conversion failure to the single handler of the user operation.
// Numbers follow the classic run-time error numbers.
class RuntimeFault
{
public:
    enum Number {
        Overflow = 6,
        DivisionByZero = 11,
        TypeMismatch = 13,
        InvalidProcedureCall = 5,
    };

    RuntimeFault(int number, QString description);

    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    // "Unexpected error #" number " occurred: " description, as a run or a
    // replot that a fault ends reports it.
    QString unexpectedErrorText() const;

    static RuntimeFault overflow();
    static RuntimeFault divisionByZero();
    static RuntimeFault typeMismatch();

private:
    int m_number;
    QString m_description;
};

namespace fault {

// Returns v, or throws Overflow when v is infinite or not a number.
double checkedFinite(double v);

// a / b, throwing DivisionByZero when b is 0 and Overflow when the
// quotient is not finite.
double divide(double a, double b);

} // namespace fault
