#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class EditableGrid;
class QAbstractItemView;

// Cells as text for spreadsheets: rows of tab-separated cells, numbers with
// the user's decimal separator, so that a copy pastes into a spreadsheet
// of the same locale, and a block copied from one pastes into a grid.
namespace GridClipboard {

// A cell text that is a plain number with "." or "," as decimal separator
// written with the user's separator ("1.5" is "1,5" under a decimal comma);
// any other text trimmed of blanks and otherwise unchanged.
QString localNumberText(const QString &text);

// The selected cells of a view (its current cell when nothing is selected)
// as rows of tab-separated texts, joined by line feeds. Numbers of the
// model are written with the user's separator in their shortest form that
// reads back to the same double.
QString selectedCellsText(const QAbstractItemView &view);

// The rows and cells of a block of tab-separated text (CR LF, LF or CR
// between rows; a final line break adds no row).
QList<QStringList> blockCells(const QString &text);

// Writes a block of cells into the grid from (row, col) on, each text made
// local with localNumberText. When the block reaches past the grid's last
// row or column, a message says how many rows and columns were read and
// how many fit, and no cell is written. False then. A grid that grows its
// rows (EditableGrid::growsRows) takes every row of the block.
bool fillCells(EditableGrid &grid, int row, int col, const QList<QStringList> &cells);

// Pastes a clipboard block at the grid's current cell (fillCells).
bool pasteBlock(EditableGrid &grid, const QString &text);

} // namespace GridClipboard
