#include "platform/EditableGrid.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

struct Entry
{
    QString text;
    Qt::Alignment alignment = Qt::AlignLeft;
};

Entry parseEntry(const QString &raw)
{
    Entry entry{raw, Qt::AlignLeft};
    if (raw.isEmpty())
        return entry;
    const QChar mark = raw.front();
    if (mark == QLatin1Char('<') || mark == QLatin1Char('^') || mark == QLatin1Char('>')) {
        entry.text = raw.mid(1);
        entry.alignment = mark == QLatin1Char('^')   ? Qt::AlignHCenter
                          : mark == QLatin1Char('>') ? Qt::AlignRight
                                                     : Qt::AlignLeft;
    }
    return entry;
}

// The virtual key code of the keys the editor handles; 0 for the others.
int virtualKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        return 0;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

EditableGrid::EditableGrid(const QString &objectName, const QString &formatText, QWidget *container)
    : QTableWidget(container)
    , m_editor(new QLineEdit(container))
{
    setObjectName(objectName);
    const int split = formatText.indexOf(QLatin1Char(';'));
    const QStringList columnEntries = formatText.left(split < 0 ? formatText.size() : split).split(QLatin1Char('|'));
    const QStringList rowEntries = split < 0 ? QStringList{QString()}
                                             : formatText.mid(split + 1).split(QLatin1Char('|'));

    setColumnCount(qMax(0, int(columnEntries.size()) - 1));
    setRowCount(qMax(0, int(rowEntries.size()) - 1));
    for (int c = 1; c < columnEntries.size(); ++c) {
        const Entry entry = parseEntry(columnEntries[c]);
        auto *heading = new QTableWidgetItem(entry.text);
        heading->setTextAlignment(entry.alignment | Qt::AlignVCenter);
        setHorizontalHeaderItem(c - 1, heading);
        m_alignments.append(entry.alignment);
    }
    for (int r = 1; r < rowEntries.size(); ++r) {
        auto *label = new QTableWidgetItem(parseEntry(rowEntries[r]).text);
        label->setTextAlignment(Qt::AlignCenter);
        setVerticalHeaderItem(r - 1, label);
    }
    fillEmptyCells(0);

    // Editing goes through the editor only; Tab leaves the grid.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    if (rowCount() > 0 && columnCount() > 0)
        setCurrentCell(0, 0);

    m_editor->setObjectName(QStringLiteral("txtEdit"));
    m_editor->setFrame(false);
    m_editor->hide();
    m_editor->installEventFilter(this);

    // Any change of the current cell, by the user or the program, commits.
    connect(this, &QTableWidget::currentCellChanged, this, &EditableGrid::CommitEdit);
}

void EditableGrid::fillEmptyCells(int fromRow)
{
    for (int r = fromRow; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            auto *cell = new QTableWidgetItem();
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            cell->setTextAlignment(m_alignments[c] | Qt::AlignVCenter);
            setItem(r, c, cell);
        }
    }
}

void EditableGrid::setDataRows(int rows)
{
    const int before = rowCount();
    if (rows == before || rows < 0)
        return;
    setRowCount(rows);
    for (int r = before; r < rows; ++r) {
        auto *label = new QTableWidgetItem(QString::number(r + 1));
        label->setTextAlignment(Qt::AlignCenter);
        setVerticalHeaderItem(r, label);
    }
    fillEmptyCells(before);
}

int EditableGrid::Rows() const
{
    return rowCount() + FixedRows();
}
int EditableGrid::Cols() const
{
    return columnCount() + FixedCols();
}
int EditableGrid::Row() const
{
    return currentRow() + FixedRows();
}
int EditableGrid::Col() const
{
    return currentColumn() + FixedCols();
}

void EditableGrid::setRow(int row)
{
    setCurrent(row, Col());
}
void EditableGrid::setCol(int col)
{
    setCurrent(Row(), col);
}

void EditableGrid::setCurrent(int row, int col)
{
    if (row < FixedRows() || row >= Rows() || col < FixedCols() || col >= Cols())
        return;
    setCurrentCell(row - FixedRows(), col - FixedCols());
}

QString EditableGrid::TextMatrix(int row, int col) const
{
    if (row == 0 && col == 0)
        return QString();
    if (row == 0) {
        const QTableWidgetItem *heading = horizontalHeaderItem(col - FixedCols());
        return heading ? heading->text() : QString();
    }
    if (col == 0) {
        const QTableWidgetItem *label = verticalHeaderItem(row - FixedRows());
        return label ? label->text() : QString();
    }
    const QTableWidgetItem *cell = item(row - FixedRows(), col - FixedCols());
    return cell ? cell->text() : QString();
}

void EditableGrid::setTextMatrix(int row, int col, const QString &text)
{
    if (QTableWidgetItem *cell = item(row - FixedRows(), col - FixedCols()))
        cell->setText(text);
}

bool EditableGrid::isEditing() const
{
    // Open until committed or discarded, also while its window or tab page
    // is hidden: an edit must not outlive a change made to the cells meanwhile.
    return !m_editor->isHidden();
}

void EditableGrid::GridEdit(int keyAscii)
{
    if (keyAscii < 0 || keyAscii > 32)
        openEditor(QString(QChar(char16_t(keyAscii))), 1);
    else
        openEditor(TextMatrix(Row(), Col()), 1000);
}

void EditableGrid::openEditor(const QString &text, int caret)
{
    if (currentRow() < 0 || currentColumn() < 0)
        return;
    m_editRow = Row();
    m_editCol = Col();
    m_editor->setText(text);
    m_editor->setCursorPosition(qMin(caret, int(text.size())));

    const QModelIndex cell = currentIndex();
    if (const QTableWidgetItem *shown = currentItem())
        m_editor->setAlignment(Qt::Alignment(shown->textAlignment()) & Qt::AlignHorizontal_Mask);
    scrollTo(cell);
    const QRect area = visualRect(cell);
    const QPoint topLeft = viewport()->mapTo(m_editor->parentWidget(), area.topLeft());
    m_editor->setGeometry(QRect(topLeft, area.size()));
    m_editor->show();
    m_editor->raise();
    m_editor->setFocus(Qt::OtherFocusReason);
}

void EditableGrid::CommitEdit()
{
    if (!isEditing())
        return;
    setTextMatrix(m_editRow, m_editCol, m_editor->text());
    m_editor->hide();
    emit cellCommitted(m_editRow, m_editCol);
}

void EditableGrid::returnToGrid()
{
    // Focusing the grid commits; committing here as well keeps that true
    // while the window is not the active one (no focus events arrive then).
    setFocus(Qt::OtherFocusReason);
    CommitEdit();
}

bool EditableGrid::EditKeyCode(int keyCode, int /*shift*/)
{
    switch (keyCode) {
    case 27:
        m_editor->hide();
        setFocus(Qt::OtherFocusReason);
        return true;
    case 32:
        returnToGrid();
        return true;
    case 37:
    case 38:
    case 39:
    case 40:
        returnToGrid();
        QCoreApplication::processEvents();
        if (keyCode == 37 && Col() > FixedCols())
            setCol(Col() - 1);
        else if (keyCode == 38 && Row() > FixedRows())
            setRow(Row() - 1);
        else if (keyCode == 39 && Col() < Cols() - 1)
            setCol(Col() + 1);
        else if (keyCode == 40 && Row() < Rows() - 1)
            setRow(Row() + 1);
        return true;
    default:
        return false;
    }
}

void EditableGrid::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool opensEditor = !text.isEmpty() && event->key() != Qt::Key_Delete && event->key() != Qt::Key_Tab
                             && event->key() != Qt::Key_Backtab;
    if (!opensEditor) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    if (text.size() == 1)
        GridEdit(text.front().unicode());
    else
        openEditor(text, int(text.size())); // a character outside the 16-bit range
    event->accept();
}

void EditableGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    GridEdit(32);
}

void EditableGrid::focusInEvent(QFocusEvent *event)
{
    CommitEdit();
    QTableWidget::focusInEvent(event);
}

bool EditableGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const int code = virtualKeyCode(key->key());
        if (code == 13)
            return true; // Enter types nothing and does nothing
        if (code != 0 && EditKeyCode(code, shiftState(key->modifiers())))
            return true;
    }
    return QTableWidget::eventFilter(watched, event);
}
