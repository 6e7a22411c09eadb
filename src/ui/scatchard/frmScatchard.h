#pragma once

#include "platform/ChildWindow.h"
#include "scatchard/ScatchardInput.h"

#include <QStringList>

class EditableGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SaturationFitPanel;

// "Scatchard Analysis": up to 20 measured pairs (Bound, Bound/Free) in a
// grid; Analyze data fits the line and shows Kd with its 95 % interval.
class frmScatchard : public ChildWindow
{
    Q_OBJECT

public:
    frmScatchard();

    QLabel *lblReactionEquation = nullptr;
    QGroupBox *fraInput = nullptr;
    QLabel *lblInputHeading = nullptr;
    QLabel *lblUnit = nullptr;
    EditableGrid *flgInputScatchard = nullptr;
    QLineEdit *txtEdit = nullptr;
    QPushButton *cmdScatchardAssistant = nullptr;
    QLabel *lblBestFitTitle = nullptr, *lblBestFit = nullptr;
    QLabel *lblOutputIntercept = nullptr, *lblOutputSlope = nullptr;
    QLabel *lblSEb = nullptr, *lblOutputSEb = nullptr;
    QLabel *lbldf = nullptr, *lblOutputdf = nullptr;
    QGroupBox *fraResults = nullptr;
    QLabel *lblKd = nullptr, *lblOutputKd = nullptr;
    QLabel *lblKdConfidence = nullptr, *lblOutputCI = nullptr;
    QPushButton *cmdScatchard = nullptr;
    QPushButton *cmdClearForm = nullptr;
    QPushButton *cmdOptions = nullptr;
    QPushButton *cmdClose = nullptr;
    SaturationFitPanel *fitPanel = nullptr; // Fit Curve and its results

    // "(in nM )" for the unit nM.
    static QString UnitLabel(const QString &unit);

    // The texts of the grid's data rows 1 to 20.
    QList<modStatistics::DataRowText> gridRows() const;
    // Data pairs entered as the user would: the form cleared, the cells
    // filled from row 1, the window in front.
    void EnterData(const QList<QStringList> &cells);

    void Form_Load();
    void Form_Activate();
    void cmdScatchard_Click();
    void cmdClearForm_Click();
    void cmdOptions_Click();
    void cmdClose_Click();
    void cmdScatchardAssistant_Click();
    void flgInputScatchard_CellCommitted();
    void flgInputScatchard_DataChanged();

private:
    void BuildControls();
    void BuildInputFrame(QWidget *content);
    void BuildOutputs(QWidget *content);

    bool m_resultsOfGrid = false; // the outputs are those of the grid's data
};
