#pragma once

#include "dynamic/SimulationInput.h"

#include <QObject>

#include <optional>

class frmDynVornish;

// Finish: validates the wizard's boxes, converts them to molar and seconds,
// settles the rate constants, reads the programmed events, runs the
// simulation into a fresh results file, plots it, and restores the wizard
// on every way out. "Use existing simulation data" plots the stored run
// instead. A run can be stopped between two recording intervals: what was
// computed is kept and plotted.
class DynamicFinish : public QObject
{
public:
    explicit DynamicFinish(frmDynVornish &wizard);
    // One Finish at a time; closing the program's main window during a run
    // stops the run and closes the program once it has ended.
    void run();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void begin();
    void plotStoredResults();
    bool readConcentrations();
    bool settleRateConstants();
    bool readTimes();
    void readEvents();
    void simulate();
    void restore();

    frmDynVornish &m_wizard;
    modVornish::SimulationInput m_input;
    bool m_closeRequested = false;
    std::optional<double> m_stoppedAt; // time of the last sample of a run stopped early
};
