#include "platform/RuntimeFault.h"

#include <cmath>
#include <utility>

RuntimeFault::RuntimeFault(int number, QString description)
    : m_number(number)
    , m_description(std::move(description))
{
}

QString RuntimeFault::unexpectedErrorText() const
{
    return QStringLiteral("Unexpected error #") + QString::number(m_number) + QStringLiteral(" occurred: ")
           + m_description;
}

RuntimeFault RuntimeFault::overflow()
{
    return RuntimeFault(Overflow, QStringLiteral("Overflow"));
}

RuntimeFault RuntimeFault::divisionByZero()
{
    return RuntimeFault(DivisionByZero, QStringLiteral("Division by zero"));
}

RuntimeFault RuntimeFault::typeMismatch()
{
    return RuntimeFault(TypeMismatch, QStringLiteral("Type mismatch"));
}

namespace fault {

double checkedFinite(double v)
{
    if (!std::isfinite(v))
        throw RuntimeFault::overflow();
    return v;
}

double divide(double a, double b)
{
    if (b == 0.0)
        throw RuntimeFault::divisionByZero();
    return checkedFinite(a / b);
}

} // namespace fault
