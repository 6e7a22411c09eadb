#include "competition/CompetitionFields.h"

#include "competition/CompetitionMessages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <cmath>

namespace modCompetition {
namespace {

enum class Kind { Total, Constant };

// The problem of one field, or empty; value in molar.
QString readField(const QString &text, const QString &name, Kind kind, double factor, double &value)
{
    if (!NumberText::isNumeric(text))
        return CompetitionMessages::notANumber(name);
    try {
        value = fault::checkedFinite(NumberText::numericValue(text) * factor);
    } catch (const RuntimeFault &) {
        return CompetitionMessages::notANumber(name);
    }
    if (kind == Kind::Constant && !(value > 0))
        return CompetitionMessages::notAboveZero(name);
    if (value < 0)
        return CompetitionMessages::negativeTotal(name);
    // A value too small for a double reads as 0: refused as 0 is.
    if (kind == Kind::Constant && std::fpclassify(value) == FP_SUBNORMAL)
        return CompetitionMessages::notAboveZero(name);
    return QString();
}

} // namespace

FieldsRead ReadCompetitionFields(const CompetitionFieldTexts &texts, double factor)
{
    FieldsRead read;
    CompetitionInput &in = read.input;
    const QString totalC = texts.totalC.trimmed().isEmpty() ? QStringLiteral("0") : texts.totalC;
    struct Field
    {
        const QString &text;
        const char *name;
        Kind kind;
        double &value;
    };
    const Field fields[] = {{texts.totalA, "Total A", Kind::Total, in.totalA},
                            {texts.totalB, "Total B", Kind::Total, in.totalB},
                            {texts.kd, "Kd", Kind::Constant, in.kd},
                            {totalC, "Total C", Kind::Total, in.totalC},
                            {texts.ki, "Ki", Kind::Constant, in.ki}};
    for (int i = 0; i < 5; ++i) {
        read.problem = readField(fields[i].text, QLatin1String(fields[i].name), fields[i].kind, factor,
                                 fields[i].value);
        if (!read.problem.isEmpty()) {
            read.field = i;
            return read;
        }
    }
    if (!(in.totalA > 0) || !(in.totalB > 0)) {
        read.problem = CompetitionMessages::assayNeedsLabelAndSites();
        read.field = in.totalA > 0 ? 1 : 0;
    }
    return read;
}

QString ReadPositiveField(const QString &text, const QString &name, double factor, double &molar)
{
    return readField(text, name, Kind::Constant, factor, molar);
}

} // namespace modCompetition
