#pragma once

#include "competition/CompetitionFields.h"
#include "competition/Ic50Conversion.h"
#include "platform/ChildWindow.h"

#include <utility>
#include <vector>

class QBoxLayout;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class CompetitionFitPage;

// "Competition Tool": a labelled ligand A and a competitor C for the same
// sites B at equilibrium, the IC50 of the set-up and its competition
// curve; and IC50 <-> Ki by four methods side by side.
class frmCompetition : public ChildWindow
{
    Q_OBJECT

public:
    frmCompetition();

    QGroupBox *fraCompetition = nullptr;
    QLabel *lblInputHeading = nullptr;
    QLineEdit *txtTotalA = nullptr, *txtTotalB = nullptr, *txtKd = nullptr, *txtTotalC = nullptr, *txtKi = nullptr;
    QWidget *fraResults = nullptr;
    QLineEdit *txtFreeA = nullptr, *txtFreeB = nullptr, *txtFreeC = nullptr, *txtComplexA = nullptr,
              *txtComplexC = nullptr, *txtFractionBound = nullptr, *txtIc50OfSetUp = nullptr;
    QPushButton *cmdCalculate = nullptr, *cmdOptions = nullptr, *cmdClearForm = nullptr, *cmdClose = nullptr;

    QTabWidget *tabCompetition = nullptr;
    CompetitionFitPage *pageFit = nullptr;

    QWidget *fraIc50 = nullptr;
    QLineEdit *txtIc50 = nullptr;
    QPushButton *cmdKiFromIc50 = nullptr, *cmdIc50FromKi = nullptr;
    QLabel *lblKiChengPrusoff = nullptr, *lblKiMunsonRodbard = nullptr, *lblKiNikolovskaColeska = nullptr,
           *lblKiExact = nullptr;
    QLabel *lblChengPrusoffError = nullptr, *lblRegime = nullptr, *lblTitrationZone = nullptr;

    modCompetition::CompetitionFieldTexts fields() const;

    void cmdCalculate_Click();
    void cmdKiFromIc50_Click();
    void cmdIc50FromKi_Click();
    void cmdClearForm_Click();
    void cmdOptions_Click();
    void cmdClose_Click();

    // The fields and buttons above the pages, and the window's size, for the page shown.
    void ArrangeForPage();

private:
    void BuildControls();
    QWidget *BuildResultsPage();
    QWidget *BuildIc50Page();
    void JoinSharedPreferences();
    void JoinProject();
    // Reads the fields; false (after the message, focus on the field) when one is refused.
    bool ReadFields(modCompetition::CompetitionInput &input);
    // Total A, Total B and Kd alone (for an IC50 or a fit), in molar; false after the message.
    bool ReadAssay(modCompetition::AssayConditions &assay);
    void ClearConversions();

    QGridLayout *m_inputGrid = nullptr;
    QGridLayout *m_buttons = nullptr;
    QBoxLayout *m_top = nullptr;
    std::vector<std::pair<QLabel *, QLineEdit *>> m_inputPairs;
};
