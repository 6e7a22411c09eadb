#pragma once

#include "fitting/ReplicateTable.h"
#include "platform/ChildWindow.h"
#include "printing/ToolLists.h"
#include "scatchard/SaturationModels.h"
#include "scatchard/SaturationPlots.h"

class FitDataTable;
class FitResultsPanel;
class PlotPicture;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class ResidualGraph;

// "Saturation Binding": measured binding (and nonspecific binding) against
// ligand in tables of replicates, a model fitted by nonlinear least squares
// and compared with a second one, the curves with their residuals and a
// Scatchard or Rosenthal view in the window, and the saturation graph in the
// graph window too (for printing and export).
class frmSaturation : public ChildWindow
{
    Q_OBJECT

public:
    frmSaturation();

    QTabWidget *tabData = nullptr;
    FitDataTable *flgBinding = nullptr, *flgNonspecific = nullptr;
    QComboBox *cmbModel = nullptr, *cmbCompare = nullptr, *cmbWeighting = nullptr, *cmbReplicates = nullptr;
    QLabel *lblSites = nullptr;
    QLineEdit *txtSites = nullptr, *txtYUnit = nullptr;
    QPushButton *cmdFit = nullptr, *cmdExport = nullptr, *cmdClearForm = nullptr, *cmdClose = nullptr;
    QTabWidget *tabResults = nullptr;
    FitResultsPanel *fitResults = nullptr;
    PlotPicture *picFit = nullptr;
    ResidualGraph *picResiduals = nullptr;
    QComboBox *cmbView = nullptr;
    PlotPicture *picView = nullptr;

    // The fits shown (the chosen model first, then the compared one) and
    // the verdict between them.
    const std::vector<modStatistics::SaturationModelFit> &fits() const { return m_fits; }
    const QString &verdict() const { return m_comparison.sentence; }

    void cmdFit_Click();
    void cmdExport_Click();
    void cmdClearForm_Click();
    void cmbModel_Click();
    void cmbView_Click();
    void DataChanged();
    // The pictures faded while the results are out of date.
    void FadePictures(bool fade);

private:
    void BuildControls();
    QGridLayout *BuildChoices(QWidget *content);
    QWidget *BuildResultTabs(QWidget *content);
    // Reads the tables and the entries; false after a message.
    bool ReadInput(modStatistics::SaturationData &data);
    // Reads, fits and shows the results in the window; false after a message.
    bool FitData();
    void ShowFits();
    void PlotGraph();
    modStatistics::SaturationPlotData PlotData() const;
    QString CsvText() const;
    ReportColumns ReportList() const;
    void JoinProject();
    // No results: nothing fitted, or a project without a fit opened.
    void ClearResults();

    modStatistics::SaturationModel chosenModel() const;
    Fitting::FitOptions options() const;

    std::vector<modStatistics::SaturationModelFit> m_fits;
    Fitting::ReplicateTable m_binding, m_nonspecific; // as fitted
    modStatistics::SaturationVerdict m_comparison;
};
