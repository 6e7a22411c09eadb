#include "shell/HelpTopics.h"

#include <QHash>
#include <QWidget>

namespace HelpTopics {
namespace {

const QHash<QString, QString> &topics()
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("frmVn_Main"), QStringLiteral("main-window.html")},
        {QStringLiteral("frmVnSplash"), QStringLiteral("main-window.html#start-up")},
        {QStringLiteral("frmStartMenu"), QStringLiteral("main-window.html#tool-menu")},
        {QStringLiteral("frmVornish"), QStringLiteral("equilibrium-tool.html")},
        {QStringLiteral("frmVnTlAssistant"), QStringLiteral("equilibrium-assistant.html")},
        {QStringLiteral("frmScatchard"), QStringLiteral("scatchard-tool.html")},
        {QStringLiteral("frmScatchTlAssistant"), QStringLiteral("scatchard-assistant.html")},
        {QStringLiteral("frmSaturation"), QStringLiteral("saturation-binding.html")},
        {QStringLiteral("frmDynVornish"), QStringLiteral("dynamic-wizard.html")},
        {QStringLiteral("frmDynamVnTlAssistant"), QStringLiteral("dynamic-assistant.html")},
        {QStringLiteral("frmWaiting"), QStringLiteral("dynamic-wizard.html#running")},
        {QStringLiteral("frm_dbResults_DynamVn"), QStringLiteral("results-browser.html")},
        {QStringLiteral("frmKinetics"), QStringLiteral("kinetics-summary.html")},
        {QStringLiteral("frmCompetition"), QStringLiteral("competition-tool.html")},
        {QStringLiteral("frmKineticsFit"), QStringLiteral("kinetics-fit.html")},
        {QStringLiteral("frmAssayPlanner"), QStringLiteral("assay-planner.html")},
        {QStringLiteral("frmGraph"), QStringLiteral("graph-window.html")},
        {QStringLiteral("frmOptions"), QStringLiteral("options-window.html")},
        {QStringLiteral("frmPrintOptions"), QStringLiteral("print-window.html")},
        {QStringLiteral("frmVnAbout"), QStringLiteral("about.html")},
        {QStringLiteral("frmContribute"), QStringLiteral("about.html#reminder")},
        {QStringLiteral("frmHelp"), QStringLiteral("help-window.html")},
        {QStringLiteral("dlgGraphResolution"), QStringLiteral("data-exchange.html#resolution")},
        {QStringLiteral("dlgExportProgress"), QStringLiteral("data-exchange.html#progress")},
    };
    return table;
}

} // namespace

QString topicOf(const QString &windowName)
{
    return topics().value(windowName);
}

QString topicAround(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QString topic = topicOf(w->objectName());
        if (!topic.isEmpty())
            return topic;
    }
    return topicOf(QStringLiteral("frmVn_Main"));
}

QStringList windowNames()
{
    return topics().keys();
}

} // namespace HelpTopics
