#pragma once

#include <QString>

// Numbers as text: the one place that owns the format patterns, the strict
// numeric test, the leading-number reading and the general text form.
// What the program writes with these it reads back to the same value in
// any locale: fields use the locale's decimal separator.
namespace NumberText {

// Formats v by a pattern: "0" a required digit, "#" an optional digit,
// "." the decimal point, no grouping (for example "##0.0#####", "#0"),
// or one of the named formats "Scientific" (1.00E-09) and
// "General Number" (the general text form).
QString format(double v, const QString &pattern);

// The strict test: the whole text is a number (optional sign, digits, "."
// or the locale's decimal separator as the decimal point, optional
// exponent, blanks around it). Under a decimal comma both "2,5" and "2.5"
// are 2.5, as the grid reads them; digits are never grouped.
bool isNumeric(const QString &text);

// The value of a text that passes the strict test. Throws TypeMismatch for
// any other text and Overflow when the number is out of range.
double numericValue(const QString &text);

// The number at the start of the text, as grid cells and manual axis texts
// are read: blanks, tabs and line feeds skipped anywhere, "." or the
// locale's decimal separator (which is how the program writes numbers),
// an optional exponent with E or D; 0 when the text does not start with a
// number. Throws Overflow when the number is out of range.
double leadingNumber(const QString &text);

// A field of a data file: wholly a number as the strict test has it, with
// "." or "," as the decimal point whatever the locale (a file comes from
// anywhere; its fields are already split). Throws TypeMismatch for any
// other text and Overflow when the number is out of range.
double dataFieldValue(const QString &text);
bool isDataField(const QString &text);

// Whether a text starts as a number does (blanks, a sign, a decimal point,
// then a digit): a data line that does is data, one that does not is text.
bool startsLikeNumber(const QString &text);

// The shortest text that reads back to exactly v, with the locale's
// decimal separator ("0,1", "1E-09"): for cells filled from a file.
QString exactText(double v);

// The general text form: the shortest text with up to 15 significant
// digits, scientific with "E" for very large or small magnitudes.
QString generalText(double v);

} // namespace NumberText
