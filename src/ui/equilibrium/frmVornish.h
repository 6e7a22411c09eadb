#pragma once

#include "equilibrium/EquilibriumInput.h"
#include "platform/ChildWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Equilibrium Tool": the six concentrations of A + B <=> [A/B]; any
// accepted three of them give the other three.
class frmVornish : public ChildWindow
{
    Q_OBJECT

public:
    frmVornish();

    QGroupBox *Frame1 = nullptr;
    QLabel *lblInputHeading = nullptr;
    QLabel *lblA = nullptr, *lblA_tot = nullptr, *lblB = nullptr, *lblB_tot = nullptr, *lblAB = nullptr,
           *lblKd = nullptr;
    QLineEdit *txtA = nullptr, *txtA_tot = nullptr, *txtB = nullptr, *txtB_tot = nullptr, *txtAB = nullptr,
              *txtKd = nullptr;
    QPushButton *cmdVornish = nullptr;
    QPushButton *cmdClearForm = nullptr;
    QPushButton *cmdOptions = nullptr;
    QPushButton *cmdVnTlAssistant = nullptr;
    QPushButton *cmdClose = nullptr;

    // The heading over the fields, in the current concentration unit.
    static QString InputHeading(const QString &unit);

    modVornish::EquilibriumFields fields() const;

    void Form_Load();
    void Form_Activate();
    void txtA_Change();
    void txtA_tot_Change();
    void txtB_Change();
    void txtB_tot_Change();
    void txtAB_Change();
    void txtKd_Change();
    void cmdVornish_Click();
    void cmdClearForm_Click();
    void cmdOptions_Click();
    void cmdVnTlAssistant_Click();
    void cmdClose_Click();

private:
    void BuildControls();
    // Registers the replot, the unit display and the report list of this window.
    void JoinSharedPreferences();
    void RefreshGuidance();
    void ShowResults(double A, double Atot, double B, double Btot, double AB, double Kd);
};
