#pragma once

#include "dynamic/ResultsStore.h"
#include "platform/ChildWindow.h"
#include "platform/DataControl.h"

class QComboBox;
class QLabel;
class QTableView;

// The results browser: one table of the results file in a data-bound grid,
// with a list to switch between the tables of A, B and [A/B]. It shows the
// stored values as they are: seconds, molar, molar per second, as its
// headers say.
class frm_dbResults_DynamVn : public ChildWindow
{
    Q_OBJECT

public:
    frm_dbResults_DynamVn();

    QLabel *lblReactionEquation = nullptr;
    QComboBox *cmbWhichTable = nullptr;
    DataControl datPrimaryRS;
    QTableView *grdDataGrid = nullptr;

    // After a run: the results file on table A, list index 0, shown in front.
    void ShowResults();

    void cmbWhichTable_Click();
    void datPrimaryRS_Error(const QString &errorText);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The table in the grid, every row fetched, the headers with units.
    void ShowTable(modVornish::ResultsTable table);
    void Form_Load();
    // Columns as wide as their headings and numbers, the grid and the window
    // as wide as the columns: no number and no column is cut.
    void FitColumnsToNewTable();
    void WidenColumnsToShownRows();
    void FitGridWidth();

    bool m_loaded = false;
};
