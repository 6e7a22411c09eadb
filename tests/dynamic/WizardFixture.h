#pragma once

#include "DynamicTesting.h"

class frmDynVornish;
class frmDynamVnTlAssistant;
class frmVn_Main;
class QLineEdit;
class QWidget;

// The running program with the Dynamic Equilibrium Wizard shown, shared by
// the wizard's test classes: start() once per class, reset() before each test.
struct WizardFixture
{
    frmVn_Main *m_main = nullptr;
    frmDynVornish *w = nullptr;
    frmDynamVnTlAssistant *assistant = nullptr;

    void start();
    void stop();
    // An empty form on step 1, minutes, no warnings given yet, no message.
    void reset();

    // A, B, [A/B], k_ass, k_diss and Kd as typed.
    void fillStep1(const QStringList &values);

    // A run of two one-minute intervals at 5 %: three samples per table
    // and two more per event.
    void prepareShortRun();

    // The short run over the given seconds at 0.01 %: 10,001 steps a second.
    void prepareLongRun(const QString &seconds);

    // Step 3, then a click on Finish.
    void finish();

    // Types into the events grid's editor on step 3 and leaves it open
    // while step 1 is shown.
    void leaveEventEditOpen(int row, int column, Qt::Key first, const QString &rest);

    // Leaves a box by moving the focus to another one, as the user does.
    void leave(QLineEdit *box, QWidget *next);

    // The wizard is on tabIndex (Finish on the last, Back from the second
    // on), ready for input, with no trace of a run left.
    void verifyRestored(int tabIndex);
};
