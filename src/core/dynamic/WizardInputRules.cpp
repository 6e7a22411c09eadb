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
    // "." or the locale's separator, as the strict test takes them.
    const QString sep = QStringLiteral("[\\.%1]").arg(QRegularExpression::escape(QLocale().decimalPoint()));
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

RateConstants SettleRateConstants(const QString &kAssText, const QString &kDissText, const QString &kdText)
{
    const auto given = [](const QString &text) {
        return NumberText::isNumeric(text) ? std::optional<double>(PositiveValue(text)) : std::nullopt;
    };
    std::optional<double> kd = given(kdText);
    // A Kd box holding a text that is no number, next to both rates, counts
    // as a Kd of 0: the check of the ratio divides by zero.
    if (!kd && !kdText.trimmed().isEmpty() && NumberText::isNumeric(kAssText) && NumberText::isNumeric(kDissText))
        kd = 0.0;
    return SettleRateConstantValues(given(kAssText), given(kDissText), kd);
}

RateConstants SettleRateConstantValues(std::optional<double> kAss, std::optional<double> kDiss,
                                       std::optional<double> kd)
{
    using Outcome = RateConstants::Outcome;
    RateConstants result;
    if (kAss && kDiss) {
        result.kAss = std::fabs(*kAss);
        result.kDiss = std::fabs(*kDiss);
        result.kd = fault::divide(result.kDiss, result.kAss);
        if (!kd) {
            result.outcome = Outcome::KdComputed;
            return result;
        }
        const double ratio = fault::divide(result.kd, std::fabs(*kd));
        result.outcome = (ratio < 0.999 || ratio > 1.001) ? Outcome::KdConflict : Outcome::KdConsistent;
        if (result.outcome == Outcome::KdConsistent)
            result.kd = std::fabs(*kd);
        return result;
    }
    if (kAss && kd) {
        result.kAss = std::fabs(*kAss);
        result.kd = std::fabs(*kd);
        result.kDiss = fault::checkedFinite(result.kd * result.kAss);
        result.outcome = Outcome::KDissComputed;
        return result;
    }
    if (kDiss && kd) {
        result.kDiss = std::fabs(*kDiss);
        result.kd = std::fabs(*kd);
        result.kAss = fault::divide(result.kDiss, result.kd);
        result.outcome = Outcome::KAssComputed;
        return result;
    }
    return result;
}

EventsRead ReadProgrammedEvents(const std::vector<EventRowText> &rows, double timeFactor, double concentrationFactor)
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
