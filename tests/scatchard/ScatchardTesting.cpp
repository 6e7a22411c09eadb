#include "ScatchardTesting.h"

#include "platform/EditableGrid.h"

void typeIntoFocus(const QString &text)
{
    for (const QChar ch : text)
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
}

void clickCell(EditableGrid &grid, int row, int col)
{
    const QModelIndex cell = grid.model()->index(row - 1, col - 1);
    grid.scrollTo(cell);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(cell).center());
}

void fillGrid(EditableGrid &grid, const QList<QStringList> &rows)
{
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            grid.setTextMatrix(r + 1, c + 1, rows[r][c]);
}
