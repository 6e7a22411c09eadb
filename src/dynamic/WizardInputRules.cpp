#include "dynamic/WizardInputRules.h"

#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace modVornish {

double PositiveValue(const QString &text)
{
    if (!NumberText::isNumeric(text))
        return 0.0;
    return std::fabs(NumberText::numericValue(text));
}

bool IsIncompleteNumber(const QString &text)
{
    if (NumberText::isNumeric(text))
        return false;
    const QString sep = QRegularExpression::escape(QLocale().decimalPoint());
    // Every prefix of a number that is not a number itself: a sign, a lone
    // separator, an exponent still waiting for its digits.
    const QRegularExpression prefix(
        QStringLiteral("^\\s*[+-]?(%1)?$|^\\s*[+-]?(\\d+(%1\\d*)?|%1\\d+)[eE][+-]?$").arg(sep));
    return prefix.match(text).hasMatch();
}

double SuggestRecordingInterval(double endTime)
{
    double s = std::fabs(endTime / 50);
    // Cut to the first significant decimal place, down to four places.
    if (s >= 1)
        return std::floor(s);
    for (double scale = 10; scale <= 10000; scale *= 10) {
        if (s >= 1 / scale)
            return std::floor(s * scale) / scale;
    }
    return s;
}

RateConstants SettleRateConstants(const QString &kAssText, const QString &kDissText,
                                  const QString &kdText)
{
    using Outcome = RateConstants::Outcome;
    const bool hasKAss = NumberText::isNumeric(kAssText);
    const bool hasKDiss = NumberText::isNumeric(kDissText);
    const bool hasKd = NumberText::isNumeric(kdText);
    RateConstants result;
    if (hasKAss && hasKDiss) {
        result.kAss = PositiveValue(kAssText);
        result.kDiss = PositiveValue(kDissText);
        result.kd = fault::divide(result.kDiss, result.kAss);
        if (kdText.trimmed().isEmpty()) {
            result.outcome = Outcome::KdComputed;
            return result;
        }
        // A Kd box holding 0 or a text that is no number divides by zero.
        const double ratio = fault::divide(result.kd, PositiveValue(kdText));
        result.outcome = (ratio < 0.999 || ratio > 1.001) ? Outcome::KdConflict : Outcome::KdConsistent;
        if (result.outcome == Outcome::KdConsistent)
            result.kd = PositiveValue(kdText);
        return result;
    }
    if (hasKAss && hasKd) {
        result.kAss = PositiveValue(kAssText);
        result.kd = PositiveValue(kdText);
        result.kDiss = fault::checkedFinite(result.kd * result.kAss);
        result.outcome = Outcome::KDissComputed;
        return result;
    }
    if (hasKDiss && hasKd) {
        result.kDiss = PositiveValue(kDissText);
        result.kd = PositiveValue(kdText);
        result.kAss = fault::divide(result.kDiss, result.kd);
        result.outcome = Outcome::KAssComputed;
        return result;
    }
    return result;
}

EventsRead ReadProgrammedEvents(const std::vector<EventRowText> &rows, double timeFactor,
                                double concentrationFactor)
{
    static const EventTarget targets[] = {EventTarget::A, EventTarget::B, EventTarget::AB};
    EventsRead read;
    std::vector<ProgrammedEvent> counted;
    size_t used = 0;
    for (size_t i = 0; i < rows.size() && i < 4; ++i) {
        const EventRowText &row = rows[i];
        if (!NumberText::isNumeric(row.time))
            break;
        const double time = PositiveValue(row.time);
        read.rewrittenTimes << NumberText::generalText(time);
        ProgrammedEvent event;
        event.time = fault::checkedFinite(time * timeFactor);
        if (NumberText::isNumeric(row.change)) {
            event.change = fault::checkedFinite(NumberText::numericValue(row.change) * concentrationFactor);
            if (row.variableIndex >= 0 && row.variableIndex < 3)
                event.target = targets[row.variableIndex];
            used = i + 1;
        } else {
            ++read.nonValidRows;
            used = i;
        }
        counted.push_back(event);
    }
    counted.resize(used);
    read.events = counted;
    return read;
}

} // namespace modVornish
