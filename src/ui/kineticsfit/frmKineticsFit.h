#pragma once

#include "kineticsfit/KineticsFit.h"
#include "kineticsfit/TraceReader.h"
#include "platform/ChildWindow.h"

#include <vector>

class FitDataTable;
class FitResultsPanel;
class PlotPicture;
class ResidualGraph;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

// The Kinetics Fit window: measured traces typed into the table, opened,
// pasted or taken from the last simulation, listed with a check box, the
// concentration and the dissociation start of each; the model and what the
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
    QTabWidget *tabTraces = nullptr;
    QTableWidget *flgTraces = nullptr;    // include, concentration, dissociation start, points
    FitDataTable *flgTraceData = nullptr; // time, then one signal column per trace
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
    // Up to MaxTraces traces, as many as the table has signal columns.
    static constexpr int MaxTraces = 8;
    // Puts traces into the table and the list, every one checked; the last
    // fit goes. False (with the message shown, nothing changed) when they
    // do not fit the table.
    bool SetTraces(const std::vector<KineticsFit::Trace> &traces);
    // The traces as the table and the list give them; false (with the
    // message shown) when a cell is not a number or time does not increase.
    bool ReadTraces(std::vector<KineticsFit::Trace> &traces);
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
    // The table changed: the list follows its signal columns, the fit goes.
    void TraceData_Edited();

signals:
    // "Simulate these constants": k_ass per M per s and Kd in M.
    void simulateRequested(double kAss, double kd);

private:
    QWidget *buildTraces();
    QWidget *buildModel();
    QWidget *buildResults();
    QLayout *buildButtons();
    void connectHandlers();
    void joinProject();
    void joinReport();
    void setListRow(int row, const QString &concentration, const QString &dissociation, bool included);
    // Reads a reading's traces into the list, or says why it cannot.
    void takeReading(const KineticsFit::TraceReading &reading, const QString &source);
    // The request from the table, the list and the model's fields, and the
    // list's row of each trace fitted; false (with the message shown) when
    // a field is not a number.
    bool readRequest(KineticsFit::FitRequest &request, std::vector<int> &places);
    KineticsFit::Units units() const;
    void showResult();
    void clearResult();

    KineticsFit::KineticsFitResult m_result;
    KineticsFit::Units m_fittedUnits;
    std::vector<int> m_fittedPlaces; // each fitted trace's row in the list
    bool m_placed = false;
};
