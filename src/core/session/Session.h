#pragma once

#include "session/GraphPreferences.h"

#include <QObject>
#include <QString>

// The program's state: what the windows show and edit but do not hold.
// One Session lives for the whole program (Session::current()); every
// setter emits its change signal only when the value really changes.
class Session : public QObject
{
    Q_OBJECT

public:
    static Session &current();

    // Back to the state of a program that has just started (tests start
    // each case from here).
    void reset();

    // The preferred units in which concentrations and times are shown
    // and typed.
    QString concentrationUnit() const { return m_concentrationUnit; }
    double concentrationFactor() const { return m_concentrationFactor; } // molar per shown unit
    QString timeUnit() const { return m_timeUnit; }
    float timeFactor() const { return m_timeFactor; } // seconds per shown unit
    void setConcentrationUnit(const QString &unit, double factor);
    void setTimeUnit(const QString &unit, float factor);

    // The graph preferences as the Options window last showed them.
    const modPlot_Graph::GraphPreferences &graphPreferences() const { return m_preferences; }
    void setGraphPreferences(const modPlot_Graph::GraphPreferences &preferences);

    // Which tool drew the graph now shown (NoTool: none).
    modPlot_Graph::ToolCode graphSource() const { return m_graphSource; }
    void setGraphSource(modPlot_Graph::ToolCode tool);

    // True while graphs are superimposed or printed: every drawing of the
    // plot engine is then repeated on the printer page.
    bool printerEcho() const { return m_printerEcho; }
    void setPrinterEcho(bool echo);

    // True once a picture was pasted into the graph: clearing the graph
    // then removes the picture too.
    bool graphPicturePasted() const { return m_graphPicturePasted; }
    void setGraphPicturePasted(bool pasted);

    // True while the preferences differ from what was loaded or last
    // restored.
    bool settingsChanged() const { return m_settingsChanged; }
    void setSettingsChanged(bool changed);

    // Makes the wizard's next Finish plot the stored results instead of
    // simulating; every Finish clears it on its way out.
    bool useExistingData() const { return m_useExistingData; }
    void setUseExistingData(bool use);

    // True while a simulation runs.
    bool running() const { return m_running; }
    void setRunning(bool running);

    // The texts of the main window's status bar panels 1 and 2.
    QString statusPanel1() const { return m_statusPanel1; }
    QString statusPanel2() const { return m_statusPanel2; }
    void setStatusPanels(const QString &panel1, const QString &panel2);

signals:
    void concentrationUnitChanged(const QString &unit);
    void timeUnitChanged(const QString &unit);
    void graphPreferencesChanged();
    void graphSourceChanged(modPlot_Graph::ToolCode tool);
    void printerEchoChanged(bool echo);
    void settingsChangedChanged(bool changed);
    void runningChanged(bool running);
    void statusPanelsChanged(const QString &panel1, const QString &panel2);

private:
    QString m_concentrationUnit;
    double m_concentrationFactor = 0;
    QString m_timeUnit;
    float m_timeFactor = 0;
    modPlot_Graph::GraphPreferences m_preferences;
    modPlot_Graph::ToolCode m_graphSource = modPlot_Graph::NoTool;
    bool m_printerEcho = false;
    bool m_graphPicturePasted = false;
    bool m_settingsChanged = false;
    bool m_useExistingData = false;
    bool m_running = false;
    QString m_statusPanel1;
    QString m_statusPanel2;

    Session();
};
