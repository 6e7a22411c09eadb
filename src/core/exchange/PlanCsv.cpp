#include "exchange/PlanCsv.h"

#include "exchange/CsvText.h"
#include "planning/PlanTable.h"

namespace PlanCsv {

std::string Text(const Planning::AssayPlan &plan, const Planning::PlanInput &input, const QString &unit,
                 double molarPerUnit)
{
    std::string out = "# Assay plan, concentrations in " + unit.toStdString() + ", times in s\r\n";
    for (const Planning::PlanFact &fact : Planning::PlanFacts(plan, input))
        out += ("# " + fact.name + ": " + fact.value + "\r\n").toStdString();
    for (const QString &note : plan.notes)
        out += ("# " + note + "\r\n").toStdString();
    out += CsvText::record(Planning::PlanHeaders(input.experiment, unit));
    for (const Planning::PlanRow &row : plan.rows) {
        bool first = true;
        for (double v : Planning::PlanValues(row, input.experiment, molarPerUnit)) {
            if (!first)
                out += ',';
            first = false;
            CsvText::appendNumber(out, v);
        }
        CsvText::endRecord(out);
    }
    return out;
}

} // namespace PlanCsv
