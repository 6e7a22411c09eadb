#pragma once

#include <QString>
#include <QStringList>

// Numbers and quantities as the command line takes them: the decimal point
// is "." whatever the locale; a concentration or a time may carry its unit
// ("10nM", "2.5 min"), otherwise it is in the unit the subcommand's --unit
// or --time-unit names.
namespace cli {

// A number written in full: optional sign, digits with at most one ".",
// optional exponent, nothing else. Throws Refusal naming what (an option
// or a field) when the text is not such a number or is out of range.
double PlainNumber(const QString &text, const QString &what);

struct Unit
{
    QString name;  // as shown: "nM", "µM", "min"
    double factor; // molar or seconds per unit
};

// "M", "mM", "uM" (also "µM"), "nM", "pM", "fM". Throws Refusal for others.
Unit ConcentrationUnit(const QString &name, const QString &what);
// "ms", "s", "min", "h". Throws Refusal for others.
Unit TimeUnit(const QString &name, const QString &what);

// A number with an optional unit of the kind, in molar or seconds:
// number x factor of its unit, or of defaultUnit when it has none.
// Throws Refusal naming what.
double Concentration(const QString &text, const Unit &defaultUnit, const QString &what);
double Time(const QString &text, const Unit &defaultUnit, const QString &what);

} // namespace cli
