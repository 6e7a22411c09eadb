#pragma once

#include "platform/ChildWindow.h"

class QLabel;
class QTimer;

// "Simulating...": a small notice with a turning arrow, shown while the
// Dynamic Equilibrium Tool simulates.
class frmWaiting : public ChildWindow
{
    Q_OBJECT

public:
    frmWaiting();

    QLabel *picArrow[4] = {};
    QTimer *Timer1 = nullptr; // 50 ms, off until a simulation starts it

    // Each tick brings the next arrow to the front (1, 2, 3, 0, 1, ...) and
    // lets pending window events run.
    void Timer1_Timer();
    short arrowIndex() const { return m_index; }

private:
    short m_index = 0;
};
