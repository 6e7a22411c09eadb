#include "project/ProjectWindow.h"

#include "platform/ChildWindow.h"
#include "platform/EditableGrid.h"
#include "project/ProjectParts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <memory>
#include <vector>

namespace ProjectWindow {
namespace {

const QString kWindow = QStringLiteral("window");

// The controls that hold state: named by the window, not Qt's own parts
// (a list's or a grid's inner editor).
template <typename Control>
QList<Control *> stateControls(const QWidget &window)
{
    // A grid's in-cell editor holds no state of its own: what it commits is the grid's.
    QList<const QObject *> editors;
    for (const EditableGrid *grid : window.findChildren<EditableGrid *>())
        editors.append(grid->editor());
    QList<Control *> controls;
    for (Control *control : window.findChildren<Control *>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || editors.contains(control))
            continue;
        if (qobject_cast<QComboBox *>(control->parentWidget()))
            continue;
        controls.append(control);
    }
    return controls;
}

bool isOutputLabel(const QLabel *label)
{
    return label->objectName().startsWith(QLatin1String("lblOutput"));
}

bool isStateButton(const QAbstractButton *button)
{
    return button->isCheckable() && !qobject_cast<const QPushButton *>(button);
}

// A grid's cells by data row and column from 0: an editable grid keeps its
// headings and row labels apart from its cells.
QString cellText(const QTableWidget &grid, int row, int column)
{
    if (const auto *editable = qobject_cast<const EditableGrid *>(&grid))
        return editable->TextMatrix(row + EditableGrid::FixedRows(), column + EditableGrid::FixedCols());
    const QTableWidgetItem *item = grid.item(row, column);
    return item ? item->text() : QString();
}

void setCellText(QTableWidget &grid, int row, int column, const QString &text)
{
    if (auto *editable = qobject_cast<EditableGrid *>(&grid))
        editable->setTextMatrix(row + EditableGrid::FixedRows(), column + EditableGrid::FixedCols(), text);
    else if (grid.item(row, column) || !text.isEmpty())
        grid.setItem(row, column, new QTableWidgetItem(text));
}

void fillGrid(QTableWidget &grid, const Project::DataTable *table)
{
    const int rows = table ? int(table->rows.size()) : 0;
    if (rows > grid.rowCount()) {
        if (auto *editable = qobject_cast<EditableGrid *>(&grid))
            editable->setDataRows(rows);
        else
            grid.setRowCount(rows);
    }
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            setCellText(grid, r, c, table ? table->rows.value(r).value(c) : QString());
}

QString tableName(const QTableWidget &grid, const QHash<QString, QString> &tableNames)
{
    return tableNames.value(grid.objectName(), grid.objectName());
}

QJsonObject placeOf(const QWidget &window)
{
    QJsonObject place;
    place.insert(QStringLiteral("shown"), !window.isHidden());
    if (const auto *child = qobject_cast<const ChildWindow *>(&window)) {
        place.insert(QStringLiteral("maximized"), child->isMaximized());
        place.insert(QStringLiteral("geometry"),
                     QJsonArray{child->twipsLeft(), child->twipsTop(), child->twipsWidth(), child->twipsHeight()});
    }
    return place;
}

void restorePlace(QWidget &window, const QJsonObject &place)
{
    if (place.isEmpty())
        return;
    if (auto *child = qobject_cast<ChildWindow *>(&window)) {
        const QJsonArray g = place.value(QStringLiteral("geometry")).toArray();
        if (g.size() == 4 && !child->isMaximized())
            child->setTwipsGeometry(g[0].toDouble(), g[1].toDouble(), g[2].toDouble(), g[3].toDouble());
        if (place.value(QStringLiteral("maximized")).toBool())
            child->showMaximized();
    }
    window.setVisible(place.value(QStringLiteral("shown")).toBool());
}

void watchEdits(QWidget &window)
{
    const auto changed = [] { Project::markModified(); };
    // Typed, or computed into a field by the window: either changes the work.
    for (QLineEdit *field : stateControls<QLineEdit>(window))
        QObject::connect(field, &QLineEdit::textChanged, &window, changed);
    for (QComboBox *list : stateControls<QComboBox>(window)) {
        QObject::connect(list, &QComboBox::activated, &window, changed);
        if (list->lineEdit())
            QObject::connect(list->lineEdit(), &QLineEdit::textEdited, &window, changed);
    }
    for (QAbstractButton *button : stateControls<QAbstractButton>(window))
        if (isStateButton(button))
            QObject::connect(button, &QAbstractButton::clicked, &window, changed);
    for (QPlainTextEdit *text : stateControls<QPlainTextEdit>(window))
        QObject::connect(text, &QPlainTextEdit::textChanged, &window, changed);
    for (QTableWidget *grid : stateControls<QTableWidget>(window))
        QObject::connect(grid, &QTableWidget::itemChanged, &window, changed);
}

} // namespace

Project::PartState Capture(const QWidget &window, const Extras &extras)
{
    Project::PartState state;
    QJsonObject &v = state.values;
    for (const QLineEdit *field : stateControls<QLineEdit>(window))
        v.insert(field->objectName(), field->text());
    for (const QComboBox *list : stateControls<QComboBox>(window))
        v.insert(list->objectName(),
                 list->isEditable() ? QJsonValue(list->currentText()) : QJsonValue(list->currentIndex()));
    for (const QAbstractButton *button : stateControls<QAbstractButton>(window)) {
        if (!isStateButton(button))
            continue;
        const auto *box = qobject_cast<const QCheckBox *>(button);
        v.insert(button->objectName(), box ? QJsonValue(int(box->checkState())) : QJsonValue(button->isChecked()));
    }
    for (const QPlainTextEdit *text : stateControls<QPlainTextEdit>(window))
        v.insert(text->objectName(), text->toPlainText());
    for (const QLabel *label : stateControls<QLabel>(window))
        if (isOutputLabel(label))
            v.insert(label->objectName(), label->text());
    v.insert(kWindow, placeOf(window));
    for (const QTableWidget *grid : stateControls<QTableWidget>(window))
        state.tables.append(TableOf(*grid, tableName(*grid, extras.tableNames)));
    return state;
}

void Restore(QWidget &window, const Project::PartState &state, const Extras &extras)
{
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    if (extras.quietly)
        for (QWidget *control : window.findChildren<QWidget *>())
            blockers.push_back(std::make_unique<QSignalBlocker>(control));
    const QJsonObject &v = state.values;
    // Grids first: a window may clear its outputs when its data change.
    for (QTableWidget *grid : stateControls<QTableWidget>(window)) {
        const QString name = tableName(*grid, extras.tableNames);
        const Project::DataTable *table = nullptr;
        for (const Project::DataTable &candidate : state.tables)
            if (candidate.name == name)
                table = &candidate;
        fillGrid(*grid, table);
    }
    for (QComboBox *list : stateControls<QComboBox>(window)) {
        const QJsonValue value = v.value(list->objectName());
        if (list->isEditable() && value.isString())
            list->setEditText(value.toString());
        else if (value.isDouble() && value.toInt() < list->count())
            list->setCurrentIndex(value.toInt());
    }
    for (QAbstractButton *button : stateControls<QAbstractButton>(window)) {
        const QJsonValue value = v.value(button->objectName());
        if (!isStateButton(button) || value.isUndefined())
            continue;
        if (auto *box = qobject_cast<QCheckBox *>(button))
            box->setCheckState(Qt::CheckState(value.toInt()));
        else
            button->setChecked(value.toBool());
    }
    for (QLineEdit *field : stateControls<QLineEdit>(window))
        if (v.contains(field->objectName()))
            field->setText(v.value(field->objectName()).toString());
    for (QPlainTextEdit *text : stateControls<QPlainTextEdit>(window))
        if (v.contains(text->objectName()))
            text->setPlainText(v.value(text->objectName()).toString());
    for (QLabel *label : stateControls<QLabel>(window))
        if (isOutputLabel(label) && v.contains(label->objectName()))
            label->setText(v.value(label->objectName()).toString());
    restorePlace(window, v.value(kWindow).toObject());
}

Project::DataTable TableOf(const QTableWidget &grid, const QString &name)
{
    Project::DataTable table;
    table.name = name;
    for (int c = 0; c < grid.columnCount(); ++c) {
        const QTableWidgetItem *heading = grid.horizontalHeaderItem(c);
        table.columns.append(heading ? heading->text().trimmed() : QString());
    }
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < grid.columnCount(); ++c)
            row.append(cellText(grid, r, c));
        table.rows.append(row);
    }
    // Rows left empty at the end are not data.
    while (!table.rows.isEmpty() && table.rows.last().join(QString()).trimmed().isEmpty())
        table.rows.removeLast();
    return table;
}

Extras TablesNamed(QHash<QString, QString> tableNames)
{
    Extras extras;
    extras.tableNames = std::move(tableNames);
    return extras;
}

void Join(QWidget *window, const QString &part, Extras extras)
{
    watchEdits(*window);
    Project::Join(
        window, part,
        [window, extras] {
            Project::PartState state = Capture(*window, extras);
            if (extras.give)
                extras.give(state);
            return state;
        },
        [window, extras](const Project::PartState &state) {
            Restore(*window, state, extras);
            if (extras.afterTake)
                extras.afterTake(state);
        });
}

} // namespace ProjectWindow
