#pragma once

#include <QTableWidget>

class QLineEdit;

// An editable text grid with one fixed header row and one fixed header
// column, a current cell, and an in-cell editor: the line edit "txtEdit",
// a sibling of the grid in its container, placed over the current cell
// while a value is typed. Shared by every window that takes a small table
// of numbers.
//
// Coordinates are those of the whole grid: row 0 holds the column headings
// and column 0 the row labels (both fixed and frozen when scrolling); the
// cells are rows 1 .. Rows() - 1 and columns 1 .. Cols() - 1.
//
// The format text gives headings and labels: "|^ Heading 1|^Heading 2;|1|2|3"
// lists the entries of row 0 (column 0 first) before the ";" and those of
// column 0 (row 0 first) after it; a leading "<", "^" or ">" aligns the
// column left, centred or right. The number of columns is that of the row-0
// entries, the number of rows that of the column-0 entries.
//
// Editing, as the user sees it:
// - typing a printable character on the grid opens the editor holding just
//   that character (the new value replaces the cell's text); a double-click,
//   Space, Enter, Backspace or another control key opens it on the cell's
//   text with the caret at the end (GridEdit);
// - in the editor (EditKeyCode): Esc discards the text and returns to the
//   grid; Space returns to the grid, which commits; the arrow keys commit
//   and move one cell, never into the fixed row or column and never past
//   the last row or column; Enter is swallowed; other keys edit the text;
// - a visible editor commits (writes its text into the cell it was opened
//   on, then hides) whenever the grid gets the focus or the current cell
//   changes, by the user or by the program. The editor never commits by
//   itself otherwise.
class EditableGrid : public QTableWidget
{
    Q_OBJECT

public:
    // The grid is named objectName and placed in container, which also
    // receives the editor. Position and size are the owner's to set.
    EditableGrid(const QString &objectName, const QString &formatText, QWidget *container);

    int Rows() const;
    int Cols() const;
    static constexpr int FixedRows() { return 1; }
    static constexpr int FixedCols() { return 1; }

    // The current cell (a data cell: row >= 1, column >= 1). Setting it
    // to another cell is a cell change: a visible editor commits first.
    int Row() const;
    int Col() const;
    void setRow(int row);
    void setCol(int col);
    void setCurrent(int row, int col);

    // Text of any cell, fixed ones included (those are read-only here).
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);

    QLineEdit *editor() const { return m_editor; }
    // The editor is open (committing or Esc closes it).
    bool isEditing() const;

    // Opens the editor over the current cell for a key code (16-bit
    // character code; 32 for a double-click): codes above 32 (or below 0)
    // start a new text of that character, codes 0 to 32 edit the cell's.
    void GridEdit(int keyAscii);

    // The editor's handling of a key by its virtual key code (27 Esc,
    // 32 Space, 37 to 40 Left, Up, Right, Down); shift is not used.
    // Returns true when the key was consumed.
    bool EditKeyCode(int keyCode, int shift);

    // Writes a visible editor's text into its cell and hides it.
    void CommitEdit();

    // A grid without a row limit: pasted blocks and Open Data add the rows
    // they need (GridClipboard::fillCells) instead of being refused.
    bool growsRows() const { return m_growsRows; }
    void setGrowsRows(bool grows) { m_growsRows = grows; }
    // Sets the number of data rows (Rows() - 1): new rows get empty cells
    // and their number as label; rows beyond it go with their texts.
    void setDataRows(int rows);

signals:
    // The editor wrote its text into (row, col): on a cell change, on Space
    // or an arrow key, or when the grid got the focus back.
    void cellCommitted(int row, int col);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openEditor(const QString &text, int caret);
    void returnToGrid();
    // Empty cells, aligned as their column, in the rows from fromRow on.
    void fillEmptyCells(int fromRow);

    QLineEdit *m_editor;
    int m_editRow = 1;
    int m_editCol = 1;
    bool m_growsRows = false;
    QList<Qt::Alignment> m_alignments; // of each data column
};
