#include "dynamic/RunKinetics.h"

#include "dynamic/DynamicWindows.h"
#include "dynamic/KineticsText.h"
#include "dynamic/LastRunKinetics.h"
#include "dynamic/frmKinetics.h"
#include "platform/Messages.h"

namespace modKinetics {

RunKinetics::RunKinetics(const modVornish::SimulationInput &input)
    : m_check(input)
{
    LastRunKinetics.reset();
}

void RunKinetics::runEnded(std::optional<double> stoppedAt)
{
    KineticsReport report = m_check.finish();
    if (stoppedAt) {
        report.end = RunEnd::Cancelled;
        report.endedAt = *stoppedAt;
    }
    SuggestPrecision(report);
    keep(std::move(report));
}

void RunKinetics::runFailed(const QString &message, double lastSampleTime)
{
    KineticsReport report = m_check.finish();
    report.end = RunEnd::Failed;
    report.endedAt = lastSampleTime;
    report.failure = message;
    keep(std::move(report));
}

void RunKinetics::keep(KineticsReport report)
{
    LastRunKinetics = std::move(report);
    if (frmKinetics *window = dynamicWindows().kinetics; window && window->isVisible())
        window->Refresh();
}

void RunKinetics::tellUser() const
{
    if (!LastRunKinetics)
        return;
    const QStringList findings = AccuracyFindings(*LastRunKinetics);
    if (findings.isEmpty())
        return;
    Messages::show(findings.join(Messages::paragraph()) + Messages::paragraph()
                       + QStringLiteral("Tools > Kinetics Summary... gives the details."),
                   Messages::Buttons::Ok, Messages::Icon::Information, QStringLiteral("Accuracy check"));
}

} // namespace modKinetics
