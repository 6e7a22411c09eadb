#include "cli/SimulationOptions.h"

#include "cli/Failures.h"
#include "cli/SimulationFile.h"
#include "dynamic/RunLength.h"
#include "dynamic/SimulationEngine.h"
#include "dynamic/WizardInputRules.h"
#include "dynamic/WizardMessages.h"
#include "platform/Messages.h"

#include <cmath>
#include <optional>

namespace cli {
namespace {

using namespace modVornish;

// The options and a file's names alike.
const char *const ValueNames[] = {"a",        "b",         "ab",    "k-ass",      "k-diss", "kd",       "end-time",
                                  "interval", "precision", "event", "competitor", "unit",   "time-unit"};

// The values of one run: the options given, else the file's.
class Parameters
{
public:
    explicit Parameters(const Arguments &arguments)
        : m_arguments(arguments)
    {
        if (!arguments.has("config"))
            return;
        m_file = arguments.value("config");
        QStringList known;
        for (const char *name : ValueNames)
            known << QLatin1String(name);
        m_values = ReadSimulationFile(m_file, known);
    }

    bool has(const char *name) const { return m_arguments.has(name) || m_values.count(QLatin1String(name)); }

    QString value(const char *name) const
    {
        if (m_arguments.has(name))
            return m_arguments.value(name);
        const auto it = m_values.find(QLatin1String(name));
        return it == m_values.end() ? QString() : it->second.first();
    }

    QStringList values(const char *name) const
    {
        if (m_arguments.has(name))
            return m_arguments.values(name);
        const auto it = m_values.find(QLatin1String(name));
        return it == m_values.end() ? QStringList() : it->second;
    }

    // How a message names a value: the option, or the file and its name.
    QString where(const char *name) const
    {
        if (m_arguments.has(name) || m_file.isEmpty())
            return QStringLiteral("--") + QLatin1String(name);
        return m_file + QStringLiteral(": ") + QLatin1String(name);
    }

private:
    const Arguments &m_arguments;
    QString m_file;
    std::map<QString, QStringList> m_values;
};

std::optional<double> optionalConcentration(const Parameters &p, const char *name, const Unit &unit)
{
    if (!p.has(name))
        return std::nullopt;
    return Concentration(p.value(name), unit, p.where(name));
}

void readRateConstants(const Parameters &p, const Unit &unit, SimulationInput &input)
{
    const auto rate = [&](const char *name) -> std::optional<double> {
        if (!p.has(name))
            return std::nullopt;
        return PlainNumber(p.value(name), p.where(name));
    };
    // A zero divisor is a fault, reported as the wizard reports it.
    const RateConstants constants = SettleRateConstantValues(rate("k-ass"), rate("k-diss"),
                                                             optionalConcentration(p, "kd", unit));
    if (constants.outcome == RateConstants::Outcome::MissingConstants)
        throw Refusal{RateConstantsMissingText()};
    // No one to ask: the wizard's question becomes a refusal.
    if (constants.outcome == RateConstants::Outcome::KdConflict)
        throw Refusal{RateConstantsConflictText()};
    input.kAss = constants.kAss;
    input.kDiss = constants.kDiss;
}

float precisionFactor(const Parameters &p)
{
    if (!p.has("precision"))
        return PrecisionFactors[1];
    const QString text = p.value("precision").trimmed();
    for (int i = 0; i < PrecisionCount; ++i)
        if (text == QLatin1String(PrecisionListTexts[i]))
            return PrecisionFactors[i];
    throw Refusal{p.where("precision")
                  + QStringLiteral(": %1 is not one of 5, 1, 0.2, 0.05, 0.01 (percent)").arg(Messages::quoted(text))};
}

ProgrammedEvent readEvent(const QString &text, const QString &where, const Unit &unit, const Unit &timeUnit)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 2 || parts.size() > 3)
        throw Refusal{
            where
            + QStringLiteral(": %1 is not TIME,CHANGE[,TARGET], for example 2min,+5nM,A").arg(Messages::quoted(text))};
    ProgrammedEvent event;
    event.time = std::fabs(Time(parts[0], timeUnit, where));
    event.change = Concentration(parts[1], unit, where);
    const QString target = parts.size() == 3 ? parts[2].trimmed() : QStringLiteral("A");
    if (target == QLatin1String("A"))
        event.target = EventTarget::A;
    else if (target == QLatin1String("B"))
        event.target = EventTarget::B;
    else if (target == QLatin1String("AB") || target == QLatin1String("[A/B]"))
        event.target = EventTarget::AB;
    else
        throw Refusal{where + QStringLiteral(": the target %1 is not A, B or AB").arg(Messages::quoted(target))};
    return event;
}

bool competitorChallenge(const Parameters &p)
{
    if (!p.has("competitor"))
        return false;
    const QString value = p.value("competitor").trimmed().toLower();
    // The option is a flag (its value empty); a file says true or false.
    if (value.isEmpty() || value == QLatin1String("true") || value == QLatin1String("1")
        || value == QLatin1String("yes"))
        return true;
    if (value == QLatin1String("false") || value == QLatin1String("0") || value == QLatin1String("no"))
        return false;
    throw Refusal{p.where("competitor") + QStringLiteral(": true or false is needed")};
}

double maxIntervals(const Arguments &arguments)
{
    if (!arguments.has("max-intervals"))
        return DefaultMaxRecordingIntervals;
    const double n = PlainNumber(arguments.value("max-intervals"), QStringLiteral("--max-intervals"));
    if (!(n >= 1) || n != std::floor(n))
        throw Refusal{QStringLiteral("--max-intervals: a whole number of 1 or more is needed")};
    return n;
}

} // namespace

std::vector<Option> SimulationInputOptions()
{
    return {
        {"config", "FILE", "Read the values below from a JSON or INI file; options given as well win."},
        {"a", "CONC", "Free A at t = 0."},
        {"b", "CONC", "Free B at t = 0."},
        {"ab", "CONC", "[A/B] at t = 0."},
        {"k-ass", "K", "Association rate constant k_ass (1/(M s))."},
        {"k-diss", "K", "Dissociation rate constant k_diss (1/s)."},
        {"kd", "CONC", "Kd; two of k_ass, k_diss and Kd are needed (all three must agree within 0.1 %)."},
        {"end-time", "TIME", "End of the simulation."},
        {"interval", "TIME",
         "Recording interval (default: the wizard's suggestion, a fiftieth of the end time "
         "cut to its first significant digit)."},
        {"precision", "PERCENT", "Integration step in percent of the interval: 5, 1 (default), 0.2, 0.05 or 0.01."},
        {"event", "TIME,CHANGE[,TARGET]",
         "A programmed change of A (default), B or AB, e.g. 2min,-5nM,B; up to "
         "four, in table order.",
         true},
        {"competitor", nullptr,
         "Competitor challenge: the first event adds an unlabelled competitor of B at |CHANGE|."},
        {"unit", "UNIT",
         "Concentration unit of values without one and of the results: M, mM, uM, nM, pM or fM "
         "(default nM)."},
        {"time-unit", "UNIT", "Time unit of times without one and of the results: ms, s (default), min or h."},
        {"max-intervals", "N",
         "Refuse a run of more than N recording intervals (end time / interval; default 1000000)."},
    };
}

SimulationSetup ReadSimulationSetup(const Arguments &arguments)
{
    const Parameters p(arguments);
    SimulationSetup setup{{}, {QStringLiteral("nM"), 1e-9}, {QStringLiteral("s"), 1}};
    if (p.has("unit"))
        setup.unit = ConcentrationUnit(p.value("unit"), p.where("unit"));
    if (p.has("time-unit"))
        setup.timeUnit = TimeUnit(p.value("time-unit"), p.where("time-unit"));
    SimulationInput &input = setup.input;

    if (!p.has("a") || !p.has("b") || !p.has("ab"))
        throw Refusal{InitialConcentrationsMissingText()};
    input.initialA = std::fabs(Concentration(p.value("a"), setup.unit, p.where("a")));
    input.initialB = std::fabs(Concentration(p.value("b"), setup.unit, p.where("b")));
    input.initialAB = std::fabs(Concentration(p.value("ab"), setup.unit, p.where("ab")));
    readRateConstants(p, setup.unit, input);

    if (!p.has("end-time"))
        throw Refusal{EndTimeMissingText()};
    input.endTime = std::fabs(Time(p.value("end-time"), setup.timeUnit, p.where("end-time")));
    input.recordingInterval = p.has("interval")
                                  ? std::fabs(Time(p.value("interval"), setup.timeUnit, p.where("interval")))
                                  : SuggestRecordingInterval(input.endTime / setup.timeUnit.factor)
                                        * setup.timeUnit.factor;
    input.precisionFactor = precisionFactor(p);
    const QString refusal = SimulationInputRefusal(input);
    if (!refusal.isEmpty())
        throw Refusal{refusal};
    const QString tooLong = RunLengthRefusal(input, maxIntervals(arguments));
    if (!tooLong.isEmpty())
        throw Refusal{tooLong + QStringLiteral(" (--max-intervals raises the bound)")};

    const QStringList events = p.values("event");
    if (events.size() > 4)
        throw Refusal{p.where("event") + QStringLiteral(": at most four programmed events")};
    for (const QString &event : events)
        input.events.push_back(readEvent(event, p.where("event"), setup.unit, setup.timeUnit));
    input.competitorChallenge = competitorChallenge(p);
    if (input.competitorChallenge && !input.events.empty() && input.events.front().target != EventTarget::A)
        throw Refusal{QStringLiteral("--competitor: the first event adds the competitor; its target is A")};
    return setup;
}

} // namespace cli
