#pragma once

#include "dynamic/SimulationInput.h"

#include <QObject>

class frmDynVornish;

// Finish: validates the wizard's boxes, converts them to molar and seconds,
// settles the rate constants, reads the programmed events, runs the
// simulation into a fresh results file, plots it, and restores the wizard
// on every way out. "Use existing simulation data" plots the stored run
// instead.
class DynamicFinish : public QObject
{
public:
    explicit DynamicFinish(frmDynVornish &wizard);
    // One Finish at a time; while it runs, closing the program's main
    // window waits until it has ended.
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
};
