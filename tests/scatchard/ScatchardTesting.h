#pragma once

#include "TestFixture.h"

class EditableGrid;

// Types the text key by key into whichever widget has the focus, as a user would.
void typeIntoFocus(const QString &text);

// A mouse click on a cell of the grid (row and column as the grid counts them).
void clickCell(EditableGrid &grid, int row, int col);

// Writes rows of (Bound, Bound/Free) texts into the grid from row 1.
void fillGrid(EditableGrid &grid, const QList<QStringList> &rows);
