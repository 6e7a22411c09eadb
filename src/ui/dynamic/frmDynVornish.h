#pragma once

#include "platform/ChildWindow.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class EditableGrid;

// The Dynamic Equilibrium Wizard: three steps on a tabbed control gather
// the initial concentrations, the rate constants, the time window and the
// programmed events; Finish validates them and runs the simulation.
class frmDynVornish : public ChildWindow
{
    Q_OBJECT

public:
    explicit frmDynVornish(QWidget *parent = nullptr);

    // What a Finish shows when it ends: the tab, the caption of cmdGo and
    // the state of Back all follow from the step (0, 1 or 2).
    int stepToRestore = 0;
    // Warnings given by the positive-value checks of the two time boxes.
    int endTimeWarnings = 0;
    int recordingIntervalWarnings = 0;
    // Set once the user typed a recording interval: no more suggestions.
    bool recordingIntervalManual = false;

    // Shows a step with its Next/Finish caption and Back state.
    void ShowStep(int tabIndex);
    int CurrentStep() const; // 1, 2 or 3

    // The programmed-events cells: rows 1 to 4, column 1 "Time", 2 "Change".
    QString EventCell(int row, int column) const;
    void SetEventCell(int row, int column, const QString &text);

    // Step 1 with the rate constants of a kinetics fit: k_ass (M-1 s-1)
    // and Kd (M); k_diss is left empty, as two of the three are given.
    void FillRateConstants(double kAss, double kd);
    // One planned point: ligand and sites in M, no complex yet, the rate
    // constants as above, run for the time given (s).
    void FillPlannedPoint(double ligand, double sites, double kAss, double kd, double seconds);

    // Brings the controls in line with the unit preferences.
    void ShowConcentrationUnit(const QString &unit);
    void SelectTimeUnit(const QString &abbreviation);

    // Step 1
    QLabel *lblInputHeading;
    QGroupBox *Frame1;
    QLineEdit *txtA;
    QLineEdit *txtB;
    QLineEdit *txtAB;
    std::array<QLabel *, 2> lblConcentrationUnit; // 0 on step 1, 1 inside lblEventsText
    QGroupBox *Frame2;
    QLineEdit *txtK_ass_rate;
    QLineEdit *txtK_diss_rate;
    QLineEdit *txtKd;
    QLabel *lblStar1;
    QLabel *lblStar2;

    // Step 2
    QLineEdit *txtEndTime;
    QLabel *lblTimeUnit;
    QLabel *lblRecordingInterval;
    QLineEdit *txtRecordingInterval;
    QLabel *lblTimeUnit2;
    QComboBox *cmbSimulationPrecision;
    QComboBox *cmbTimeUnit;
    QPushButton *cmdOptions;
    QPushButton *cmdPlotGraphFromDB;

    // Step 3
    QLabel *lblEvents;
    EditableGrid *flgDynamVn_Events;
    QLineEdit *txtEdit; // the grid's in-cell editor
    std::array<QComboBox *, 4> cmbSelectChangingVariable;
    QCheckBox *chkChallenge;
    QPushButton *cmdKinetics;
    QLabel *lblEventsText;
    QLabel *lblEndTime;
    QLabel *lblTip;
    QLabel *lblTipText;

    // All steps
    QTabWidget *SSTab1;
    QPushButton *cmdBack;
    QPushButton *cmdGo;
    QPushButton *cmdClearForm;
    QPushButton *cmdClose;
    QPushButton *cmdDynamVnTlAssistant;

    void cmdGo_Click();
    void cmdBack_Click();
    void SSTab1_MouseUp();
    void cmdClearForm_Click();
    void cmdClose_Click();
    void cmdOptions_Click();
    void cmdPlotGraphFromDB_Click();
    void cmdDynamVnTlAssistant_Click();
    void cmbTimeUnit_Click();
    void chkChallenge_Click();
    void cmdKinetics_Click();
    void txtEndTime_Change();
    void txtEndTime_KeyUp();
    void txtEndTime_LostFocus();
    void txtRecordingInterval_KeyUp();
    void txtRecordingInterval_LostFocus();
    void Form_Activate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Load();
    void buildStep1(QWidget *page);
    void buildStep2(QWidget *page);
    void buildStep3(QWidget *page);
    void buildButtons(QWidget *content);
    void connectHandlers();
    void joinSharedPreferences();
    void afterStepChange();
    void refreshAssistant();
    void placeEventsTextOverlays();

    bool m_endTimeTyped = false;
    bool m_recordingIntervalTyped = false;
};
