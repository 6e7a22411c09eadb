#include "platform/GridClipboard.h"

#include "platform/EditableGrid.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace GridClipboard {
namespace {

QLocale userLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString modelCellText(const QVariant &value)
{
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
        return userLocale().toString(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    return localNumberText(value.toString());
}

} // namespace

QString localNumberText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (!NumberText::isDataField(trimmed))
        return trimmed;
    QString local = trimmed;
    const QString separator = userLocale().decimalPoint();
    local.replace(QRegularExpression(QStringLiteral("[.,]")), separator);
    return local;
}

QString selectedCellsText(const QAbstractItemView &view)
{
    const QAbstractItemModel *model = view.model();
    if (!model)
        return QString();
    QModelIndexList cells = view.selectionModel() ? view.selectionModel()->selectedIndexes() : QModelIndexList();
    if (cells.isEmpty() && view.currentIndex().isValid())
        cells << view.currentIndex();
    if (cells.isEmpty())
        return QString();
    // The block from the first to the last selected row and column.
    int top = cells.first().row(), bottom = top, left = cells.first().column(), right = left;
    for (const QModelIndex &cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    QStringList rows;
    for (int r = top; r <= bottom; ++r) {
        QStringList row;
        for (int c = left; c <= right; ++c) {
            const QModelIndex index = model->index(r, c);
            const bool selected = cells.contains(index);
            row << (selected ? modelCellText(model->data(index, Qt::DisplayRole)) : QString());
        }
        rows << row.join(QLatin1Char('\t'));
    }
    return rows.join(QLatin1Char('\n'));
}

QList<QStringList> blockCells(const QString &text)
{
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QList<QStringList> cells;
    for (const QString &line : lines)
        cells << line.split(QLatin1Char('\t'));
    return cells;
}

bool fillCells(EditableGrid &grid, int row, int col, const QList<QStringList> &cells)
{
    int width = 0;
    for (const QStringList &line : cells)
        width = std::max(width, int(line.size()));
    if (grid.growsRows() && row + int(cells.size()) > grid.Rows())
        grid.setDataRows(row + int(cells.size()) - EditableGrid::FixedRows());
    const int rowsFree = grid.Rows() - row;
    const int colsFree = grid.Cols() - col;
    if (int(cells.size()) > rowsFree || width > colsFree) {
        Messages::show(QStringLiteral("%1 rows of %2 values were read, but from row %3 the grid holds %4 rows of %5 "
                                      "values.")
                               .arg(cells.size())
                               .arg(width)
                               .arg(row)
                               .arg(rowsFree)
                               .arg(colsFree)
                           + Messages::paragraph() + QStringLiteral("Nothing was entered into the grid."),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation, QStringLiteral("Too Many Values"));
        return false;
    }
    grid.CommitEdit();
    for (int r = 0; r < cells.size(); ++r)
        for (int c = 0; c < cells[r].size(); ++c)
            grid.setTextMatrix(row + r, col + c, localNumberText(cells[r][c]));
    return true;
}

bool pasteBlock(EditableGrid &grid, const QString &text)
{
    const QList<QStringList> cells = blockCells(text);
    if (cells.isEmpty())
        return false;
    const bool filled = fillCells(grid, grid.Row(), grid.Col(), cells);
    if (filled)
        emit grid.cellCommitted(grid.Row(), grid.Col());
    return filled;
}

} // namespace GridClipboard
