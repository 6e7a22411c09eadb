#include "platform/ClipboardCommands.h"

#include "platform/ClipboardPicture.h"
#include "platform/EditableGrid.h"
#include "platform/GridClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace ClipboardCommands {
namespace {

enum class Command { Cut, Copy, Paste };

void putText(const QString &text)
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void onLineEdit(QLineEdit *edit, Command command)
{
    switch (command) {
    case Command::Cut:
        putText(edit->selectedText());
        if (!edit->isReadOnly())
            edit->del();
        break;
    case Command::Copy:
        putText(edit->selectedText());
        break;
    case Command::Paste:
        if (!edit->isReadOnly())
            edit->insert(QApplication::clipboard()->text());
        break;
    }
}

void onComboBox(QComboBox *combo, Command command)
{
    switch (command) {
    case Command::Cut:
        putText(combo->currentText());
        if (combo->isEditable())
            combo->setEditText(QString());
        break;
    case Command::Copy:
        putText(combo->currentText());
        break;
    case Command::Paste:
        if (combo->isEditable())
            combo->setEditText(QApplication::clipboard()->text());
        break;
    }
}

void onPicture(ClipboardPicture *picture, Command command)
{
    switch (command) {
    case Command::Cut:
    case Command::Copy:
        QApplication::clipboard()->clear();
        QApplication::clipboard()->setImage(picture->pictureImage());
        if (command == Command::Cut)
            picture->clearPicture();
        break;
    case Command::Paste: {
        const QImage image = QApplication::clipboard()->image();
        if (!image.isNull())
            picture->setPicture(image);
        break;
    }
    }
}

void onList(QListWidget *list, Command command)
{
    QListWidgetItem *item = list->currentItem();
    switch (command) {
    case Command::Cut:
        if (item) {
            putText(item->text());
            delete list->takeItem(list->row(item));
        }
        break;
    case Command::Copy:
        if (item)
            putText(item->text());
        break;
    case Command::Paste:
        list->addItem(QApplication::clipboard()->text());
        break;
    }
}

// Grids: the selected cells as tab-separated text; a pasted block fills the
// cells from the current one on.
void onGrid(EditableGrid *grid, Command command)
{
    switch (command) {
    case Command::Cut:
    case Command::Copy:
        putText(GridClipboard::selectedCellsText(*grid));
        if (command == Command::Cut) {
            for (QTableWidgetItem *item : grid->selectedItems())
                item->setText(QString());
            emit grid->cellCommitted(grid->Row(), grid->Col());
        }
        break;
    case Command::Paste:
        GridClipboard::pasteBlock(*grid, QApplication::clipboard()->text());
        break;
    }
}

void apply(QWidget *focused, Command command)
{
    // A drop-down's focus may sit on its inner line edit: the drop-down decides.
    for (QWidget *w = focused; w; w = w->parentWidget()) {
        if (auto *combo = qobject_cast<QComboBox *>(w))
            return onComboBox(combo, command);
        if (w != focused)
            break;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(focused))
        return onLineEdit(edit, command);
    if (auto *picture = dynamic_cast<ClipboardPicture *>(focused))
        return onPicture(picture, command);
    if (auto *list = qobject_cast<QListWidget *>(focused))
        return onList(list, command);
    if (auto *grid = qobject_cast<EditableGrid *>(focused))
        return onGrid(grid, command);
    // A read-only table (the results browser) gives its cells to Copy.
    if (auto *table = qobject_cast<QAbstractItemView *>(focused); table && command == Command::Copy)
        return putText(GridClipboard::selectedCellsText(*table));
}

} // namespace

void cut(QWidget *focused)
{
    apply(focused, Command::Cut);
}
void copy(QWidget *focused)
{
    apply(focused, Command::Copy);
}
void paste(QWidget *focused)
{
    apply(focused, Command::Paste);
}

void copyText(const QString &text)
{
    putText(text);
}

} // namespace ClipboardCommands
