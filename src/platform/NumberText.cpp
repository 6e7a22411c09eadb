#include "platform/NumberText.h"

#include "platform/RuntimeFault.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace NumberText {
namespace {

QString decimalSeparator()
{
    return QLocale().decimalPoint();
}

QString withLocaleSeparator(QString text)
{
    const QString sep = decimalSeparator();
    if (sep != QLatin1String("."))
        text.replace(QLatin1Char('.'), sep);
    return text;
}

// Reads a number written with "." whatever the C library's numeric locale
// (the application object sets it from the user's, where strtod would stop
// at the "." of "2.7"). Too small a number reads as 0, too large overflows.
double parseCNumber(const QString &cText)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(cText, &ok);
    if (!std::isfinite(v))
        throw RuntimeFault::overflow();
    return ok ? v : 0.0;
}

QString formatDigits(double v, const QString &pattern)
{
    const int point = pattern.indexOf(QLatin1Char('.'));
    const QString intPattern = point < 0 ? pattern : pattern.left(point);
    const QString fracPattern = point < 0 ? QString() : pattern.mid(point + 1);
    const int minInt = intPattern.count(QLatin1Char('0'));
    const int minDec = fracPattern.count(QLatin1Char('0'));
    const int maxDec = minDec + fracPattern.count(QLatin1Char('#'));

    const QString digits = QString::number(std::fabs(v), 'f', maxDec);
    const int dot = digits.indexOf(QLatin1Char('.'));
    QString intPart = dot < 0 ? digits : digits.left(dot);
    QString fracPart = dot < 0 ? QString() : digits.mid(dot + 1);
    while (fracPart.size() > minDec && fracPart.endsWith(QLatin1Char('0')))
        fracPart.chop(1);
    if (intPart == QLatin1String("0") && minInt == 0)
        intPart.clear();
    while (intPart.size() < minInt)
        intPart.prepend(QLatin1Char('0'));

    const bool anyNonZero = (intPart + fracPart).contains(QRegularExpression(QStringLiteral("[1-9]")));
    QString text = (v < 0 && anyNonZero) ? QStringLiteral("-") : QString();
    text += intPart;
    if (!fracPart.isEmpty())
        text += decimalSeparator() + fracPart;
    return text;
}

} // namespace

QString format(double v, const QString &pattern)
{
    if (pattern == QLatin1String("Scientific"))
        return withLocaleSeparator(QString::number(v, 'E', 2));
    if (pattern == QLatin1String("General Number"))
        return generalText(v);
    return formatDigits(v, pattern);
}

bool isNumeric(const QString &text)
{
    const QString sep = QRegularExpression::escape(decimalSeparator());
    const QRegularExpression strict(QStringLiteral("^\\s*[+-]?(\\d+(%1\\d*)?|%1\\d+)([eE][+-]?\\d+)?\\s*$").arg(sep));
    return strict.match(text).hasMatch();
}

double numericValue(const QString &text)
{
    if (!isNumeric(text))
        throw RuntimeFault::typeMismatch();
    QString cText = text.trimmed();
    cText.replace(decimalSeparator(), QStringLiteral("."));
    return parseCNumber(cText);
}

double leadingNumber(const QString &text)
{
    static const QRegularExpression skipped(QStringLiteral("[ \\t\\n]"));
    QString compact = text;
    compact.remove(skipped);
    QString seps = QStringLiteral(".");
    if (decimalSeparator() != seps)
        seps += decimalSeparator();
    const QString sepClass = QStringLiteral("[%1]").arg(QRegularExpression::escape(seps));
    const QRegularExpression leading(
        QStringLiteral("^([+-]?(\\d+(%1\\d*)?|%1\\d+))([eEdD]([+-]?\\d+))?").arg(sepClass));
    const QRegularExpressionMatch match = leading.match(compact);
    if (!match.hasMatch())
        return 0.0;
    QString cText = match.captured(1);
    cText.replace(QRegularExpression(sepClass), QStringLiteral("."));
    if (match.hasCaptured(5))
        cText += QLatin1Char('E') + match.captured(5);
    return parseCNumber(cText);
}

QString generalText(double v)
{
    QString text = QString::number(v, 'g', 15).toUpper();
    return withLocaleSeparator(text);
}

} // namespace NumberText
