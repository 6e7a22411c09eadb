#pragma once

#include "kineticsfit/KineticsFit.h"
#include "kineticsfit/TraceReader.h"
#include "platform/ChildWindow.h"

#include <vector>

class FitResultsPanel;
class PlotPicture;
class ResidualGraph;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

// The Kinetics Fit window: measured traces opened, pasted or taken from the
// last simulation, listed with a check box each; the model and what the
// traces share; the global fit with its constants, intervals and warnings;
// the traces with their fitted curves, the residuals and k_obs against the
// concentration; the parameters and curves as CSV, and the fitted constants
// into the Dynamic Equilibrium Wizard.
class frmKineticsFit : public ChildWindow
{
    Q_OBJECT

public:
    frmKineticsFit();

    // Traces
    QPushButton *cmdOpenTraces = nullptr;
    QPushButton *cmdPasteTraces = nullptr;
    QPushButton *cmdFromSimulation = nullptr;
    QComboBox *cmbTimeUnit = nullptr;
    QTableWidget *flgTraces = nullptr; // include, concentration, dissociation start, points
    // Model
    QComboBox *cmbModel = nullptr;
    QComboBox *cmbScale = nullptr;
    QComboBox *cmbBaseline = nullptr;
    QLabel *lblTotalB = nullptr;
    QLineEdit *txtTotalB = nullptr;
    QCheckBox *chkFitTotalB = nullptr;
    QLabel *lblLigand = nullptr;
    QLineEdit *txtLigand = nullptr, *txtLigandKAss = nullptr, *txtLigandKDiss = nullptr;
    QPushButton *cmdFit = nullptr;
    // Results
    QTabWidget *tabResults = nullptr;
    FitResultsPanel *fitResults = nullptr; // the constants; the warnings as its note
    PlotPicture *picTraces = nullptr;
    ResidualGraph *picResiduals = nullptr;
    PlotPicture *picKObs = nullptr;
    QPushButton *cmdSimulate = nullptr;
    QPushButton *cmdExportParameters = nullptr;
    QPushButton *cmdExportCurves = nullptr;
    QPushButton *cmdClose = nullptr;

    // Shows the window in front, placed at its first showing.
    void ShowWindow();
    // Puts traces into the list, every one checked; the last fit goes.
    void SetTraces(const std::vector<KineticsFit::Trace> &traces);
    const KineticsFit::KineticsFitResult &result() const { return m_result; }

    void cmdOpenTraces_Click();
    void cmdPasteTraces_Click();
    void cmdFromSimulation_Click();
    void cmdFit_Click();
    void cmbModel_Click();
    void cmdSimulate_Click();
    void cmdExportParameters_Click();
    void cmdExportCurves_Click();
    void cmdClose_Click();

signals:
    // "Simulate these constants": k_ass per M per s and Kd in M.
    void simulateRequested(double kAss, double kd);

private:
    void buildTraces(QWidget *content);
    void buildModel(QWidget *content);
    void buildResults(QWidget *content);
    void connectHandlers();
    // Reads a reading's traces into the list, or says why it cannot.
    void takeReading(const KineticsFit::TraceReading &reading, const QString &source);
    // The request from the list and the model's fields; false (with the
    // message shown) when a field is not a number.
    bool readRequest(KineticsFit::FitRequest &request);
    KineticsFit::Units units() const;
    void showResult();
    void clearResult();

    std::vector<KineticsFit::Trace> m_traces;
    KineticsFit::KineticsFitResult m_result;
    KineticsFit::Units m_fittedUnits;
    bool m_placed = false;
};
