#pragma once

#include "platform/ChildWindow.h"

class QGroupBox;
class QLabel;

// "Equilibrium Tool Assistant": the chart of the accepted input
// combinations and the guidance that follows the fields while typing.
class frmVnTlAssistant : public ChildWindow
{
    Q_OBJECT

public:
    frmVnTlAssistant();

    QGroupBox *fraInputCombinations = nullptr;
    QWidget *Picture1 = nullptr;
    QLabel *lblA = nullptr, *lblA_tot = nullptr, *lblB = nullptr, *lblB_tot = nullptr, *lblAB = nullptr,
           *lblKd = nullptr;
    QGroupBox *fraVnToolHelp = nullptr;
    QLabel *lblInputSuggestion = nullptr;

    void Form_Load();
};

namespace modVornish {

// Reads the six fields of the Equilibrium Tool window and sets the
// assistant's guidance label.
void UpdateInputGuidance();

} // namespace modVornish
