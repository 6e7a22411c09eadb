#pragma once

#include "platform/ChildWindow.h"

class QLabel;
class QTimer;

// "Simulating...": a small notice with a turning arrow, shown while the
// Dynamic Equilibrium Tool simulates. Closing it or pressing Escape asks
// the run to stop; the notice stays until the run has stopped.
class frmWaiting : public ChildWindow
{
    Q_OBJECT

public:
    frmWaiting();

    QLabel *picArrow[4] = {};
    QTimer *Timer1 = nullptr; // 50 ms, off until a simulation starts it

    // Shows the notice in front, beside keepClear (the wizard's frame, in
    // the main window's client area) so that it hides none of the wizard's
    // tabs, and starts the arrow. A stop asked before is forgotten.
    void Start(const QRect &keepClear);
    // Hides the notice and stops the arrow.
    void Stop();
    // True once the user asked the run to stop since Start.
    bool cancelRequested() const { return m_cancelRequested; }

    // Each tick brings the next arrow to the front (1, 2, 3, 0, 1, ...) and
    // lets pending window events run.
    void Timer1_Timer();
    short arrowIndex() const { return m_index; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void requestCancel();
    void fitContents();
    void placeBeside(const QRect &keepClear);

    short m_index = 0;
    bool m_cancelRequested = false;
};
