#include "exchange/CompetitionCsv.h"

#include "competition/CompetitionRecord.h"
#include "exchange/CsvText.h"

namespace CompetitionCsv {

std::string Text(const modCompetition::CompetitionRecord &record, const QString &unit, double molarPerUnit)
{
    const std::string u = unit.toStdString();
    std::string out = "# Competition of A and C for B at equilibrium, concentrations in " + u + "\r\n";
    const modCompetition::CompetitionInput &in = record.input;
    const modCompetition::CompetitionSpecies &s = record.species;
    std::vector<std::pair<const char *, double>> values = {{"Total A", in.totalA},
                                                           {"Total B", in.totalB},
                                                           {"Kd", in.kd},
                                                           {"Total C", in.totalC},
                                                           {"Ki", in.ki},
                                                           {"A", s.A},
                                                           {"B", s.B},
                                                           {"C", s.C},
                                                           {"[A/B]", s.AB},
                                                           {"[C/B]", s.CB}};
    if (record.ic50 > 0)
        values.emplace_back("IC50", record.ic50);
    for (const auto &[name, molar] : values) {
        out += std::string("# ") + name + ": ";
        CsvText::appendNumber(out, molar / molarPerUnit);
        out += ' ' + u;
        CsvText::endRecord(out);
    }
    out += "# Fraction of A bound: ";
    CsvText::appendNumber(out, s.fractionABound);
    CsvText::endRecord(out);
    out += CsvText::record({QStringLiteral("Total C (%1)").arg(unit), record.valueName});
    for (const auto &[totalC, y] : record.curve) {
        CsvText::appendNumber(out, totalC / molarPerUnit);
        out += ',';
        CsvText::appendNumber(out, y);
        CsvText::endRecord(out);
    }
    return out;
}

} // namespace CompetitionCsv
