#pragma once

#include "fitting/ReplicateTable.h"

#include <QStringList>
#include <QWidget>

class EditableGrid;
class QLabel;

// The data table of every fit window: an X column and its Y columns (one to
// six replicates, or a kinetics fit's traces), as many rows as the data
// need (a spare empty row always at the end), blanks allowed. Cells are typed as in every grid of the program;
// Copy and Paste work on blocks of cells, and Open Data reads a file of
// columns (its context menu). Any change of a cell, by typing, pasting,
// Open Data or clearing, emits edited().
class FitDataTable : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MaxReplicates = 6;

    // The grid is named gridName; the headings are the X column's and the
    // Y columns' ("Free", "Total" gives "Total 1", "Total 2", ...).
    FitDataTable(const QString &gridName, const QString &title, const QString &xHeading, const QString &yHeading,
                 int replicates, QWidget *parent = nullptr);

    EditableGrid *grid = nullptr;
    QLabel *lblTitle = nullptr;

    int replicates() const { return m_replicates; }

    // The cell texts of the rows in use (an edit in progress committed first).
    QList<QStringList> cells() const;
    // The table as numbers; false with problem set (row and reason).
    bool table(Fitting::ReplicateTable &table, QString &problem) const;

    // New data, as typed: the table emptied, then filled from its first row.
    void enterCells(const QList<QStringList> &cells);
    void clear();

    // Open Data...: a file of columns into the table (nothing changes when
    // it cannot be read or the user cancels).
    void openData();

signals:
    void edited();

private:
    void keepSpareRow();
    void emptyCells();
    int usedRows() const;

    int m_replicates;
    bool m_bulkChange = false; // many cells change: one edited() at the end
};
