#include "exchange/CompetitionCsv.h"

#include "competition/CompetitionFit.h"
#include "competition/CompetitionRecord.h"
#include "exchange/CsvText.h"
#include "exchange/FitResultsCsv.h"

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

std::string FitText(const modCompetition::CompetitionFitReport &report, const QString &unit)
{
    using namespace modCompetition;
    std::string out = "# Four-parameter logistic\r\n" + FitResultsCsv::ParameterRows(report.logistic);
    out += "# Exact model (Total A, Total B and Kd fixed)\r\n" + FitResultsCsv::ParameterRows(report.exact);
    const std::string u = ' ' + unit.toStdString();
    const KiEstimates &ki = report.conversions.ki;
    std::vector<std::pair<const char *, double>> conversions = {{"IC50 of the logistic", report.ic50},
                                                                {"Ki by Cheng-Prusoff", ki.chengPrusoff}};
    if (report.conversions.problem == Ic50Problem::None) {
        conversions.emplace_back("Ki by Munson-Rodbard", ki.munsonRodbard);
        conversions.emplace_back("Ki by Nikolovska-Coleska", ki.nikolovskaColeska);
        conversions.emplace_back("Ki exact from the IC50", ki.exact);
    }
    for (const auto &[name, value] : conversions) {
        out += std::string("# ") + name + ": ";
        CsvText::appendNumber(out, value);
        out += u;
        CsvText::endRecord(out);
    }
    return out;
}

} // namespace CompetitionCsv
