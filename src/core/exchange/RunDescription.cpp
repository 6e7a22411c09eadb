#include "exchange/RunDescription.h"

#include "dynamic/SimulationInput.h"
#include "exchange/CsvText.h"

namespace ResultsCsv {
namespace {

void line(std::string &out, const QString &name, double value, const QString &unit = QString())
{
    out += "# " + name.toStdString() + ": ";
    CsvText::appendNumber(out, value);
    if (!unit.isEmpty())
        out += ' ' + unit.toStdString();
    CsvText::endRecord(out);
}

void line(std::string &out, const QString &text)
{
    out += "# " + text.toStdString();
    CsvText::endRecord(out);
}

QString number(double value)
{
    std::string text;
    CsvText::appendNumber(text, value);
    return QString::fromStdString(text);
}

QString eventText(const modVornish::ProgrammedEvent &event, bool competitor, const Units &units)
{
    using modVornish::EventTarget;
    const QString at = QStringLiteral("at %1 %2, ").arg(number(event.time / units.secondsPerUnit), units.time);
    const QString amount = QStringLiteral("%1%2 %3").arg(event.change > 0 ? QStringLiteral("+") : QString(),
                                                         number(event.change / units.molarPerUnit),
                                                         units.concentration);
    if (competitor)
        return at + amount + QStringLiteral(" of a competitor of A for B");
    switch (event.target) {
    case EventTarget::A:
        return at + amount + QStringLiteral(" of A");
    case EventTarget::B:
        return at + amount + QStringLiteral(" of B");
    case EventTarget::AB:
        return at + amount + QStringLiteral(" of [A/B]");
    case EventTarget::None:
        break;
    }
    return at + QStringLiteral("no change");
}

} // namespace

std::string RunDescription(const modVornish::SimulationInput *run, const Units &units)
{
    std::string out;
    line(out, QStringLiteral("Simulation of A + B <=> [A/B], concentrations in %1, times in %2")
                  .arg(units.concentration, units.time));
    if (!run) {
        line(out, QStringLiteral("The run's constants are not known: the results were not simulated in this session."));
        return out;
    }
    const double c = units.molarPerUnit, t = units.secondsPerUnit;
    line(out, QStringLiteral("A at time 0"), run->initialA / c, units.concentration);
    line(out, QStringLiteral("B at time 0"), run->initialB / c, units.concentration);
    line(out, QStringLiteral("[A/B] at time 0"), run->initialAB / c, units.concentration);
    line(out, QStringLiteral("k_ass"), run->kAss, QStringLiteral("1/(M s)"));
    line(out, QStringLiteral("k_diss"), run->kDiss, QStringLiteral("1/s"));
    if (run->kAss > 0)
        line(out, QStringLiteral("Kd"), run->kDiss / run->kAss / c, units.concentration);
    line(out, QStringLiteral("End time"), run->endTime / t, units.time);
    line(out, QStringLiteral("Recording interval"), run->recordingInterval / t, units.time);
    for (int i = 0; i < modVornish::PrecisionCount; ++i)
        if (modVornish::PrecisionFactors[i] == run->precisionFactor)
            line(out, QStringLiteral("Integration step: %1 % of the recording interval")
                          .arg(QLatin1String(modVornish::PrecisionListTexts[i])));
    for (size_t i = 0; i < run->events.size(); ++i)
        line(out, QStringLiteral("Event %1: ").arg(i + 1)
                      + eventText(run->events[i], i == 0 && run->competitorChallenge, units));
    return out;
}

} // namespace ResultsCsv
