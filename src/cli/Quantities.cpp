#include "cli/Quantities.h"

#include "cli/Failures.h"
#include "platform/Messages.h"

#include <charconv>
#include <cmath>
#include <string>

namespace cli {
namespace {

// The length of the number at the start of text (0 when none): sign,
// digits with at most one ".", and an exponent only when it has digits.
int numberLength(const QString &text)
{
    int i = 0;
    const int n = text.size();
    auto digits = [&] {
        const int start = i;
        while (i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'))
            ++i;
        return i - start;
    };
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    int mantissa = digits();
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        const int mark = i++;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ++i;
        if (digits() == 0)
            i = mark;
    }
    return i;
}

double toDouble(const QString &number, const QString &what, const QString &text)
{
    std::string s = number.toStdString();
    if (!s.empty() && s[0] == '+')
        s.erase(0, 1);
    double value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error == std::errc::result_out_of_range || !std::isfinite(value))
        throw Refusal{QStringLiteral("%1: %2 is out of range").arg(what, Messages::quoted(text))};
    if (error != std::errc() || end != s.data() + s.size())
        throw Refusal{QStringLiteral("%1: %2 is not a number").arg(what, Messages::quoted(text))};
    return value;
}

struct UnitRow
{
    const char *name;
    double factor;
};

Unit lookUp(const QString &name, const UnitRow *rows, int count, const QString &what, const char *kind)
{
    for (int i = 0; i < count; ++i)
        if (name == QString::fromUtf8(rows[i].name))
            return {QString::fromUtf8(rows[i].name), rows[i].factor};
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString::fromUtf8(rows[i].name);
    throw Refusal{QStringLiteral("%1: %2 is not a %3 unit (%4)")
                      .arg(what, Messages::quoted(name), QLatin1String(kind), names.join(QStringLiteral(", ")))};
}

const UnitRow concentrationUnits[] = {{"M", 1},          {"mM", 1e-3}, {"uM", 1e-6},  {"µM", 1e-6},
                                      {"\u03bcM", 1e-6}, {"nM", 1e-9}, {"pM", 1e-12}, {"fM", 1e-15}};
const UnitRow timeUnits[] = {{"ms", 0.001}, {"s", 1}, {"min", 60}, {"h", 3600}};

template <int N>
double quantity(const QString &text, const Unit &defaultUnit, const QString &what, const UnitRow (&rows)[N],
                const char *kind)
{
    const QString trimmed = text.trimmed();
    const int length = numberLength(trimmed);
    if (length == 0)
        throw Refusal{QStringLiteral("%1: %2 is not a number").arg(what, Messages::quoted(text))};
    const double number = toDouble(trimmed.left(length), what, text);
    const QString unitName = trimmed.mid(length).trimmed();
    const Unit unit = unitName.isEmpty() ? defaultUnit : lookUp(unitName, rows, N, what, kind);
    const double value = number * unit.factor;
    if (!std::isfinite(value))
        throw Refusal{QStringLiteral("%1: %2 is out of range").arg(what, Messages::quoted(text))};
    return value;
}

} // namespace

double PlainNumber(const QString &text, const QString &what)
{
    const QString trimmed = text.trimmed();
    const int length = numberLength(trimmed);
    if (length == 0 || length != trimmed.size())
        throw Refusal{QStringLiteral("%1: %2 is not a number").arg(what, Messages::quoted(text))};
    return toDouble(trimmed, what, text);
}

Unit ConcentrationUnit(const QString &name, const QString &what)
{
    return lookUp(name, concentrationUnits, int(std::size(concentrationUnits)), what, "concentration");
}

Unit TimeUnit(const QString &name, const QString &what)
{
    return lookUp(name, timeUnits, int(std::size(timeUnits)), what, "time");
}

double Concentration(const QString &text, const Unit &defaultUnit, const QString &what)
{
    return quantity(text, defaultUnit, what, concentrationUnits, "concentration");
}

double Time(const QString &text, const Unit &defaultUnit, const QString &what)
{
    return quantity(text, defaultUnit, what, timeUnits, "time");
}

} // namespace cli
