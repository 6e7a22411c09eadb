#include "exchange/EquilibriumCsv.h"

#include "equilibrium/EquilibriumRecord.h"
#include "exchange/CsvText.h"

namespace EquilibriumCsv {

std::string Text(const modVornish::EquilibriumRecord &record, const QString &unit, double molarPerUnit)
{
    std::string out = "# Equilibrium of A + B <=> [A/B], concentrations in " + unit.toStdString() + "\r\n";
    const std::pair<const char *, double> values[] = {{"A", record.A},      {"Total A", record.Atot},
                                                      {"B", record.B},      {"Total B", record.Btot},
                                                      {"[A/B]", record.AB}, {"Kd", record.Kd}};
    for (const auto &[name, molar] : values) {
        out += std::string("# ") + name + ": ";
        CsvText::appendNumber(out, molar / molarPerUnit);
        out += ' ' + unit.toStdString();
        CsvText::endRecord(out);
    }
    const QString curveUnit = record.unit.isEmpty() ? unit : record.unit;
    const QString swept = record.sweptName.isEmpty() ? QStringLiteral("Total A") : record.sweptName;
    const QString value = record.valueName.isEmpty() ? QStringLiteral("[A/B]") : record.valueName;
    out += CsvText::record(
        {QStringLiteral("%1 (%2)").arg(swept, curveUnit), QStringLiteral("%1 (%2)").arg(value, curveUnit)});
    for (const auto &[x, y] : record.curve) {
        CsvText::appendNumber(out, x);
        out += ',';
        CsvText::appendNumber(out, y);
        CsvText::endRecord(out);
    }
    return out;
}

} // namespace EquilibriumCsv
