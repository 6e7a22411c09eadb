#pragma once

#include "competition/CompetitionFit.h"

#include <QWidget>

#include <functional>

class FitDataTable;
class FitResultsPanel;
class PlotPicture;
class QPushButton;
class QTabWidget;
class ResidualGraph;

// The Competition Tool's page for a measured competition curve: Total C
// and replicate signals in the fit data table; beside it, a tab each for
// the two fits' results (the logistic, and the exact model with the
// logistic's IC50 as Ki by the four methods under its fitted Ki), both
// curves over the data, and the residuals.
class CompetitionFitPage : public QWidget
{
    Q_OBJECT

public:
    // Fills the assay's Total A, Total B and Kd in the shown unit; false
    // after the window showed why it cannot.
    using AssayOfWindow = std::function<bool(modCompetition::AssayConditions &assay)>;
    explicit CompetitionFitPage(AssayOfWindow assay, QWidget *parent = nullptr);

    FitDataTable *flgCompetitionData = nullptr;
    QPushButton *cmdFit = nullptr, *cmdExport = nullptr;
    QTabWidget *tabFit = nullptr;
    FitResultsPanel *fraLogistic = nullptr, *fraExact = nullptr;
    PlotPicture *picFit = nullptr;
    ResidualGraph *picResiduals = nullptr;

    void cmdFit_Click();
    void cmdExport_Click();
    // The table emptied and the fits with it; or the fits alone.
    void clear();
    void clearFits();

    // The fits shown, in the unit of the fit; none before a fit.
    const modCompetition::CompetitionFitReport *shownFit() const;

private:
    void DataChanged();
    void ShowFits(const std::vector<double> &totalC, const std::vector<double> &signal,
                  const modCompetition::AssayConditions &assay, const modCompetition::CompetitionFitReport &report);

    AssayOfWindow m_assay;
    bool m_hasFit = false;
    modCompetition::CompetitionFitReport m_report;
    QString m_unit; // the concentration unit of the fit
};
