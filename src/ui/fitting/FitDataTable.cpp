#include "fitting/FitDataTable.h"

#include "exchange/DataExport.h"
#include "platform/ClipboardCommands.h"
#include "platform/EditableGrid.h"
#include "platform/GridClipboard.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int initialRows = 12;

QString formatText(const QString &xHeading, const QString &yHeading, int replicates)
{
    QString format = QStringLiteral("|^") + xHeading;
    for (int r = 1; r <= replicates; ++r)
        format += QStringLiteral("|^")
                  + (replicates == 1 ? yHeading : yHeading + QLatin1Char(' ') + QString::number(r));
    format += QLatin1Char(';');
    for (int row = 1; row <= initialRows; ++row)
        format += QLatin1Char('|') + QString::number(row);
    return format;
}

} // namespace

FitDataTable::FitDataTable(const QString &gridName, const QString &title, const QString &xHeading,
                           const QString &yHeading, int replicates, QWidget *parent)
    : QWidget(parent)
    , m_replicates(std::max(1, replicates))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    lblTitle = new QLabel(title, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    layout->addWidget(lblTitle);
    // The grid's editor is the grid's sibling: a container holds both.
    auto *container = new QWidget(this);
    auto *inner = new QVBoxLayout(container);
    inner->setContentsMargins(0, 0, 0, 0);
    grid = new EditableGrid(gridName, formatText(xHeading, yHeading, m_replicates), container);
    grid->setGrowsRows(true);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->horizontalHeader()->setMinimumSectionSize(grid->fontMetrics().horizontalAdvance(QStringLiteral("0.000000")));
    inner->addWidget(grid);
    layout->addWidget(container, 1);

    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto addItem = [this](const char *name, const QString &text, auto handler) {
        auto *action = new QAction(text, grid);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        grid->addAction(action);
    };
    addItem("mnuTableCopy", QStringLiteral("Copy"), [this] { ClipboardCommands::copy(grid); });
    addItem("mnuTablePaste", QStringLiteral("Paste"), [this] { ClipboardCommands::paste(grid); });
    addItem("mnuTableOpenData", QStringLiteral("Open Data..."), &FitDataTable::openData);
    addItem("mnuTableClear", QStringLiteral("Clear Table"), &FitDataTable::clear);

    connect(grid->model(), &QAbstractItemModel::dataChanged, this, [this] {
        if (m_bulkChange)
            return;
        keepSpareRow();
        emit edited();
    });
}

int FitDataTable::usedRows() const
{
    for (int row = grid->Rows() - 1; row >= 1; --row)
        for (int col = 1; col < grid->Cols(); ++col)
            if (!grid->TextMatrix(row, col).trimmed().isEmpty())
                return row;
    return 0;
}

void FitDataTable::keepSpareRow()
{
    const int needed = std::max(initialRows, usedRows() + 1);
    if (grid->Rows() - 1 < needed)
        grid->setDataRows(needed);
}

QList<QStringList> FitDataTable::cells() const
{
    grid->CommitEdit();
    QList<QStringList> rows;
    for (int row = 1; row <= usedRows(); ++row) {
        QStringList texts;
        for (int col = 1; col < grid->Cols(); ++col)
            texts << grid->TextMatrix(row, col);
        rows << texts;
    }
    return rows;
}

bool FitDataTable::table(Fitting::ReplicateTable &table, QString &problem) const
{
    return Fitting::TableFromCells(cells(), table, problem);
}

void FitDataTable::emptyCells()
{
    grid->CommitEdit();
    for (int row = 1; row < grid->Rows(); ++row)
        for (int col = 1; col < grid->Cols(); ++col)
            grid->setTextMatrix(row, col, QString());
    grid->setDataRows(initialRows);
}

void FitDataTable::clear()
{
    m_bulkChange = true;
    emptyCells();
    m_bulkChange = false;
    grid->setCurrent(1, 1);
    grid->scrollToTop();
    emit edited();
}

void FitDataTable::enterCells(const QList<QStringList> &cells)
{
    QList<QStringList> shown;
    for (const QStringList &row : cells)
        shown << row.mid(0, grid->Cols() - 1);
    m_bulkChange = true;
    emptyCells();
    GridClipboard::fillCells(*grid, 1, 1, shown);
    keepSpareRow();
    m_bulkChange = false;
    grid->setCurrent(1, 1);
    grid->scrollToTop();
    emit edited();
}

void FitDataTable::openData()
{
    QList<QStringList> read;
    if (DataExport::OpenDataColumns(1 + m_replicates, read))
        enterCells(read);
}
