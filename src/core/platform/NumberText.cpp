#include "platform/NumberText.h"

#include "platform/RuntimeFault.h"

#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cmath>

namespace NumberText {
namespace {

QString decimalSeparator()
{
    return QLocale().decimalPoint();
}

// The decimal points a typed number may use: "." always (the program never
// groups digits, so a "." is never a thousands separator) and the locale's.
QString typedSeparators()
{
    return QLatin1Char('.') + decimalSeparator();
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
double parseCNumber(const QByteArray &cText)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(QString::fromLatin1(cText), &ok);
    if (!std::isfinite(v))
        throw RuntimeFault::overflow();
    return ok ? v : 0.0;
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The blanks around a number that the strict test allows.
bool isAsciiSpace(QChar c)
{
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

// Reads the number that starts at text[from]: an optional sign, digits with
// at most one decimal separator (one of separators) and at least one digit,
// then an optional exponent (a letter of exponentLetters, an optional sign,
// digits). Writes it to cText in the C form and returns the index after it,
// or -1 when no number starts there. A plain scan rather than a regular
// expression, which would refuse a text that is not valid UTF-16 (a lone
// surrogate from a paste) as a whole.
int scanNumber(const QString &text, int from, const QString &separators, QLatin1String exponentLetters,
               QByteArray &cText)
{
    const int size = int(text.size());
    int i = from;
    cText.clear();
    if (i < size && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        cText += char(text[i++].unicode());
    int digits = 0;
    for (; i < size && isAsciiDigit(text[i]); ++i, ++digits)
        cText += char(text[i].unicode());
    if (i < size && separators.contains(text[i])) {
        int j = i + 1;
        QByteArray fraction;
        for (; j < size && isAsciiDigit(text[j]); ++j)
            fraction += char(text[j].unicode());
        if (digits > 0 || !fraction.isEmpty()) {
            digits += int(fraction.size());
            cText += '.' + (fraction.isEmpty() ? QByteArray("0") : fraction);
            i = j;
        }
    }
    if (digits == 0)
        return -1;
    if (i < size && QString(exponentLetters).contains(text[i])) {
        int j = i + 1;
        QByteArray exponent("E");
        if (j < size && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            exponent += char(text[j++].unicode());
        const int firstDigit = j;
        for (; j < size && isAsciiDigit(text[j]); ++j)
            exponent += char(text[j].unicode());
        if (j > firstDigit) {
            cText += exponent;
            i = j;
        }
    }
    return i;
}

// The C form of a text that is wholly a number with one of separators as
// its decimal point, blanks around it allowed; empty when it is not.
QByteArray strictCText(const QString &text, const QString &separators)
{
    int begin = 0, end = int(text.size());
    while (begin < end && isAsciiSpace(text[begin]))
        ++begin;
    while (end > begin && isAsciiSpace(text[end - 1]))
        --end;
    QByteArray cText;
    if (scanNumber(text.left(end), begin, separators, QLatin1String("eE"), cText) != end)
        cText.clear();
    return cText;
}

// Rounding to the shown digits can carry a number at the very top of the
// range past the largest double, and its text would then not read back:
// such a number is written cut toward zero instead.
QString numberWithinRange(double v, char style, int precision)
{
    const QString text = QString::number(v, style, precision);
    bool ok = false;
    if (std::isfinite(QLocale::c().toDouble(text, &ok)))
        return text;
    const int significant = style == 'g' ? precision : precision + 1;
    const QString full = QString::number(v, 'e', 16);
    const QString mantissa = full.left((v < 0 ? 2 : 1) + (significant > 1 ? significant : 0));
    const double cut = QLocale::c().toDouble(mantissa + full.mid(full.indexOf(QLatin1Char('e'))), &ok);
    return QString::number(cut, style, precision);
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
        return withLocaleSeparator(numberWithinRange(v, 'E', 2));
    if (pattern == QLatin1String("General Number"))
        return generalText(v);
    return formatDigits(v, pattern);
}

bool isNumeric(const QString &text)
{
    return !strictCText(text, typedSeparators()).isEmpty();
}

double numericValue(const QString &text)
{
    const QByteArray cText = strictCText(text, typedSeparators());
    if (cText.isEmpty())
        throw RuntimeFault::typeMismatch();
    return parseCNumber(cText);
}

bool isDataField(const QString &text)
{
    return !strictCText(text, QStringLiteral(".,")).isEmpty();
}

double dataFieldValue(const QString &text)
{
    const QByteArray cText = strictCText(text, QStringLiteral(".,"));
    if (cText.isEmpty())
        throw RuntimeFault::typeMismatch();
    return parseCNumber(cText);
}

bool startsLikeNumber(const QString &text)
{
    int i = 0;
    const int size = int(text.size());
    while (i < size && isAsciiSpace(text[i]))
        ++i;
    if (i < size && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    if (i < size && (text[i] == QLatin1Char('.') || text[i] == QLatin1Char(',')))
        ++i;
    return i < size && isAsciiDigit(text[i]);
}

QString exactText(double v)
{
    char digits[32];
    const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, v);
    return withLocaleSeparator(QString::fromLatin1(digits, int(written.ptr - digits)).toUpper());
}

double leadingNumber(const QString &text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            compact += c;
    QByteArray cText;
    if (scanNumber(compact, 0, typedSeparators(), QLatin1String("eEdD"), cText) < 0)
        return 0.0;
    return parseCNumber(cText);
}

QString generalText(double v)
{
    QString text = numberWithinRange(v, 'g', 15).toUpper();
    return withLocaleSeparator(text);
}

} // namespace NumberText
