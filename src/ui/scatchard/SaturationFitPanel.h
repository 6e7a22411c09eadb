#pragma once

#include "scatchard/SaturationComparison.h"

#include <QObject>

class frmScatchard;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// The saturation-curve fit in the Scatchard window: the Fit Curve button
// among the window's buttons, and the frame "Saturation Curve Fit" to the
// right of the window's own outputs, which the window widens to show. The
// fit's Kd and Bmax stand next to those of the Scatchard line.
class SaturationFitPanel : public QObject
{
    Q_OBJECT

public:
    // Builds the controls into the window's content.
    SaturationFitPanel(frmScatchard &form, QWidget *content);

    QPushButton *cmdFitCurve = nullptr;
    QGroupBox *fraSaturationFit = nullptr;
    QLabel *lblFitModel = nullptr;
    QLabel *lblFitHeading = nullptr, *lblScatchardHeading = nullptr;
    QLabel *lblFitKd = nullptr, *lblOutputFitKd = nullptr, *lblOutputScatchardKd = nullptr;
    QLabel *lblFitBmax = nullptr, *lblOutputFitBmax = nullptr, *lblOutputScatchardBmax = nullptr;
    QLabel *lblKdProfile = nullptr, *lblOutputKdProfile = nullptr;
    QLabel *lblKdAsymptotic = nullptr, *lblOutputKdAsymptotic = nullptr;
    QLabel *lblBmaxAsymptotic = nullptr, *lblOutputBmaxAsymptotic = nullptr;
    QLabel *lblResidualSD = nullptr, *lblOutputResidualSD = nullptr;
    QLabel *lblRSquared = nullptr, *lblOutputRSquared = nullptr;
    QLabel *lblFitdf = nullptr, *lblOutputFitdf = nullptr;
    QLabel *lblFitNote = nullptr;
    QPushButton *cmdSaturationGraph = nullptr;
    QPushButton *cmdHideFit = nullptr;

    // Fit Curve: fits the grid's data, shows the results beside the
    // Scatchard ones and the fitted model on the Scatchard graph.
    void cmdFitCurve_Click();
    // Saturation Graph: fits the grid's data and plots Bound against Free
    // with the fitted curve.
    void cmdSaturationGraph_Click();
    void cmdHideFit_Click();

    // Draws the graph the fit drew last again (Apply, printing); false when
    // the last Scatchard graph came from Analyze data.
    bool ReplotFitGraph();

    // The grid's data changed: the fit's results and the graph it drew are
    // those of earlier data, so they go (the frame says why).
    void DataChanged();

    // The results of a comparison in the unit; the cases in words.
    void ShowComparison(const modStatistics::SaturationComparison &comparison, const QString &unit);

private:
    enum class FitGraph { None, ScatchardWithModel, Saturation };
    void RunFit(FitGraph graph);
    void ShowPanel();
    void BuildResults();

    frmScatchard &m_form;
    FitGraph m_lastGraph = FitGraph::None;
    bool m_showsResults = false; // the frame holds the results of a fit
};
