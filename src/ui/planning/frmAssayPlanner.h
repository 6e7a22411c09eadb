#pragma once

#include "planning/AssayPlan.h"
#include "planning/PredictedPrecision.h"
#include "platform/ChildWindow.h"

#include <vector>

class PlotPicture;
class PrecisionRun;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;

// "Assay Planner": what is known before a binding experiment (the expected
// Kd, the binding sites, the rates when known, the range and points, the
// scatter) turned into a plan: the concentrations with their occupancy,
// depletion and times to equilibrium, the regime, the incubation time, the
// warnings and the controls; the precision of Kd two designs would give,
// predicted by simulated experiments fitted one by one; the plan as CSV,
// in the report, and one planned point into the Dynamic Equilibrium Wizard.
class frmAssayPlanner : public ChildWindow
{
    Q_OBJECT

public:
    frmAssayPlanner();

    QLabel *lblHeading = nullptr;
    QComboBox *cmbExperiment = nullptr;
    QLineEdit *txtKd = nullptr, *txtSites = nullptr, *txtKAss = nullptr, *txtKDiss = nullptr;
    QLineEdit *txtLabelled = nullptr, *txtKi = nullptr;
    QLineEdit *txtLowest = nullptr, *txtHighest = nullptr, *txtPoints = nullptr;
    QLineEdit *txtCv = nullptr, *txtReplicates = nullptr, *txtPointsB = nullptr, *txtReplicatesB = nullptr;
    QPushButton *cmdPlan = nullptr, *cmdSimulate = nullptr, *cmdExport = nullptr, *cmdClose = nullptr;

    QTabWidget *tabResults = nullptr;
    QTableWidget *flgPlan = nullptr;
    QPlainTextEdit *txtNotes = nullptr; // what the plan says, its warnings and controls
    QPushButton *cmdPrecision = nullptr, *cmdCancel = nullptr;
    QProgressBar *prgPrecision = nullptr;
    QTableWidget *flgPrecision = nullptr; // one column a design
    PlotPicture *picCurves = nullptr;

    bool hasPlan() const { return !m_plan.rows.empty(); }
    const Planning::AssayPlan &plan() const { return m_plan; }
    bool precisionRunning() const;

    void cmbExperiment_Click();
    void cmdPlan_Click();
    void cmdPrecision_Click();
    void cmdCancel_Click();
    void cmdSimulate_Click();
    void cmdExport_Click();
    void cmdClose_Click();

signals:
    // One planned point for the Dynamic Equilibrium Wizard: ligand and
    // sites in M, k_ass per M per s, Kd in M, the time to run in s.
    void simulateRequested(double ligand, double sites, double kAss, double kd, double seconds);

private:
    void BuildControls();
    QWidget *BuildInputs();
    QWidget *BuildPlanPage();
    QWidget *BuildPrecisionPage();
    void JoinProgram();
    // The input from the fields; false after the message (focus on the field).
    bool ReadInput(Planning::PlanInput &input);
    // The two designs of the precision run from the plan and the fields;
    // false after the message.
    bool ReadDesigns(std::vector<Planning::PrecisionDesign> &designs);
    void ShowPlan();
    void ShowCurves(const std::vector<Planning::PrecisionDesign> &designs);
    void ShowPrecision();
    void ClearResults();

    Planning::PlanInput m_input;
    Planning::AssayPlan m_plan;
    std::vector<Planning::PrecisionDesign> m_designs;
    PrecisionRun *m_run = nullptr;
};
