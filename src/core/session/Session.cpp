#include "session/Session.h"

namespace {

template <typename Value, typename Signal>
void change(Session &session, Value &field, const Value &value, Signal signal)
{
    if (field == value)
        return;
    field = value;
    emit(session.*signal)(value);
}

} // namespace

Session::Session()
{
    reset();
}

Session &Session::current()
{
    static Session session;
    return session;
}

void Session::reset()
{
    setConcentrationUnit(QStringLiteral("nM"), 1E-09);
    setTimeUnit(QStringLiteral("min."), 60.0f);
    setGraphPreferences(modPlot_Graph::GraphPreferences());
    setGraphSource(modPlot_Graph::NoTool);
    setPrinterEcho(false);
    setGraphPicturePasted(false);
    setSettingsChanged(false);
    setUseExistingData(false);
    setRunning(false);
    setStatusPanels(QString(), QString());
}

void Session::setConcentrationUnit(const QString &unit, double factor)
{
    m_concentrationFactor = factor;
    change(*this, m_concentrationUnit, unit, &Session::concentrationUnitChanged);
}

void Session::setTimeUnit(const QString &unit, float factor)
{
    m_timeFactor = factor;
    change(*this, m_timeUnit, unit, &Session::timeUnitChanged);
}

void Session::setGraphPreferences(const modPlot_Graph::GraphPreferences &preferences)
{
    m_preferences = preferences;
    emit graphPreferencesChanged();
}

void Session::setGraphSource(modPlot_Graph::ToolCode tool)
{
    change(*this, m_graphSource, tool, &Session::graphSourceChanged);
}

void Session::setPrinterEcho(bool echo)
{
    change(*this, m_printerEcho, echo, &Session::printerEchoChanged);
}

void Session::setGraphPicturePasted(bool pasted)
{
    m_graphPicturePasted = pasted;
}

void Session::setSettingsChanged(bool changed)
{
    change(*this, m_settingsChanged, changed, &Session::settingsChangedChanged);
}

void Session::setUseExistingData(bool use)
{
    m_useExistingData = use;
}

void Session::setRunning(bool running)
{
    change(*this, m_running, running, &Session::runningChanged);
}

void Session::setStatusPanels(const QString &panel1, const QString &panel2)
{
    m_statusPanel1 = panel1;
    m_statusPanel2 = panel2;
    emit statusPanelsChanged(panel1, panel2);
}
