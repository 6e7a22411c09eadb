#pragma once

#include "competition/CompetitionFit.h"

#include <QWidget>

#include <functional>

class FitDataTable;
class FitResultsPanel;
class PlotPicture;
class QLabel;
class QPushButton;
class ResidualGraph;

// The Competition Tool's page for a measured competition curve: Total C
// and replicate signals in the fit data table, both fits (the logistic and
// the exact model) in their results panels, the logistic's IC50 as Ki by
// the four methods beside the fitted Ki, and both curves over the data.
class CompetitionFitPage : public QWidget
{
    Q_OBJECT

public:
    // Fills the assay's Total A, Total B and Kd in the shown unit; false
    // after the window showed why it cannot.
    using AssayOfWindow = std::function<bool(modCompetition::AssayConditions &assay)>;
    explicit CompetitionFitPage(AssayOfWindow assay, QWidget *parent = nullptr);

    FitDataTable *flgCompetitionData = nullptr;
    QPushButton *cmdFit = nullptr;
    FitResultsPanel *fraLogistic = nullptr, *fraExact = nullptr;
    QLabel *lblFitKi = nullptr;
    PlotPicture *picFit = nullptr;
    ResidualGraph *picResiduals = nullptr;

    void cmdFit_Click();
    void clear();

private:
    void DataChanged();
    void ShowFits(const std::vector<double> &totalC, const std::vector<double> &signal,
                  const modCompetition::AssayConditions &assay, const modCompetition::CompetitionFitReport &report);

    AssayOfWindow m_assay;
};
