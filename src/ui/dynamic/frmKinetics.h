#pragma once

#include "platform/ChildWindow.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

// The kinetics summary of the last run of the Dynamic Equilibrium Tool: per
// segment the equilibrium it tends to, k_obs, the half-time and the times to
// 90, 95 and 99 % of the way, and the accuracy check of the stored samples
// against the exact time course, which the graph can draw dashed.
class frmKinetics : public ChildWindow
{
    Q_OBJECT

public:
    frmKinetics();

    QPlainTextEdit *txtSummary = nullptr;
    QCheckBox *chkShowReference = nullptr;
    QPushButton *cmdCopy = nullptr;
    QPushButton *cmdClose = nullptr;

    // Shows the summary of the last run in front.
    void ShowSummary();
    // Brings the text up to date with the last run.
    void Refresh();

    void cmdCopy_Click();
    void cmdClose_Click();
    void chkShowReference_Click();

private:
    bool m_placed = false;
};
