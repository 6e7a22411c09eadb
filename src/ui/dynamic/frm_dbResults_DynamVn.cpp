#include "dynamic/frm_dbResults_DynamVn.h"

#include "dynamic/ResultsStore.h"
#include "exchange/ToolData.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A grid column that shows its numbers in one format pattern.
class NumberFormatDelegate : public QStyledItemDelegate
{
public:
    NumberFormatDelegate(QString pattern, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_pattern(std::move(pattern))
    {
    }

    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        bool numeric = false;
        const double v = value.toDouble(&numeric);
        return numeric ? NumberText::format(v, m_pattern) : QStyledItemDelegate::displayText(value, locale);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    }

private:
    QString m_pattern;
};

struct TableChoice
{
    modVornish::ResultsTable table;
    const char *caption;
};

const TableChoice Choices[] = {
    {modVornish::ResultsTable::A, "Results table for A"},
    {modVornish::ResultsTable::B, "Results table for B"},
    {modVornish::ResultsTable::AB, "Results table for [A/B]"},
};

} // namespace

frm_dbResults_DynamVn::frm_dbResults_DynamVn()
    : ChildWindow(QStringLiteral("frm_dbResults_DynamVn"), QString::fromLatin1(Choices[0].caption))
{
    ToolData::RegisterWindow(this, ToolData::Source::ResultsTable);
    ToolData::SetShownResultsTable(this, [this] {
        const int index = cmbWhichTable->currentIndex();
        return Choices[index >= 0 && index < 3 ? index : 0].table;
    });
    auto *content = new QWidget();
    auto *layout = new QVBoxLayout(content);

    lblReactionEquation = new QLabel(QStringLiteral("A + B <==> [A/B]"), content);
    lblReactionEquation->setObjectName(QStringLiteral("lblReactionEquation"));
    layout->addWidget(lblReactionEquation);

    cmbWhichTable = new QComboBox(content);
    cmbWhichTable->setObjectName(QStringLiteral("cmbWhichTable"));
    cmbWhichTable->addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("[A/B]")});
    layout->addWidget(cmbWhichTable);

    grdDataGrid = new QTableView(content);
    grdDataGrid->setObjectName(QStringLiteral("grdDataGrid"));
    grdDataGrid->setModel(datPrimaryRS.model());
    grdDataGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDataGrid->setItemDelegateForColumn(0, new NumberFormatDelegate(QStringLiteral("General Number"), grdDataGrid));
    grdDataGrid->setItemDelegateForColumn(1, new NumberFormatDelegate(QStringLiteral("Scientific"), grdDataGrid));
    grdDataGrid->setItemDelegateForColumn(2, new NumberFormatDelegate(QStringLiteral("Scientific"), grdDataGrid));
    grdDataGrid->verticalHeader()->setDefaultSectionSize(grdDataGrid->fontMetrics().height() + 4);
    // The numbers grow wider down a run (times of six digits and more): the
    // columns widen to every number shown, and the window with them.
    connect(grdDataGrid->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &frm_dbResults_DynamVn::WidenColumnsToShownRows);
    connect(grdDataGrid->model(), &QAbstractItemModel::rowsInserted, this,
            &frm_dbResults_DynamVn::WidenColumnsToShownRows);
    connect(grdDataGrid->horizontalHeader(), &QHeaderView::sectionResized, this, &frm_dbResults_DynamVn::FitGridWidth);
    connect(grdDataGrid->verticalHeader(), &QHeaderView::geometriesChanged, this, &frm_dbResults_DynamVn::FitGridWidth);
    grdDataGrid->installEventFilter(this);
    layout->addWidget(grdDataGrid, 1);
    setWidget(content);

    datPrimaryRS.RecordSource = modVornish::ResultsQuery(modVornish::ResultsTable::A);
    datPrimaryRS.onError = [this](const QString &text) { datPrimaryRS_Error(text); };
    connect(cmbWhichTable, &QComboBox::currentIndexChanged, this, &frm_dbResults_DynamVn::cmbWhichTable_Click);
}

void frm_dbResults_DynamVn::Form_Load()
{
    m_loaded = true;
    const double width = 5445;
    const double height = 5235;
    double left = 0;
    double top = 0;
    if (QWidget *frame = parentWidget()) {
        left = (Twips::fromPixelsX(frame->width()) - width) / 2;
        top = (Twips::fromPixelsY(frame->height()) - height - 2000) / 2;
    }
    setTwipsGeometry(left < 0 ? 0 : left, top < 0 ? 0 : top, width, height);
}

void frm_dbResults_DynamVn::ShowResults()
{
    if (!m_loaded)
        Form_Load();
    ShowTable(modVornish::ResultsTable::A);
    if (cmbWhichTable->currentIndex() == 0)
        setWindowTitle(QString::fromLatin1(Choices[0].caption));
    else
        cmbWhichTable->setCurrentIndex(0); // its handler shows table A again
    showInFront();
}

void frm_dbResults_DynamVn::FitColumnsToNewTable()
{
    grdDataGrid->resizeColumnsToContents();
    FitGridWidth();
}

void frm_dbResults_DynamVn::WidenColumnsToShownRows()
{
    const QAbstractItemView *view = grdDataGrid; // the widths of the rows in view
    for (int column = 0; column < grdDataGrid->model()->columnCount(); ++column) {
        const int shown = std::max(view->sizeHintForColumn(column),
                                   grdDataGrid->horizontalHeader()->sectionSizeHint(column));
        if (shown > grdDataGrid->columnWidth(column))
            grdDataGrid->setColumnWidth(column, shown);
    }
}

void frm_dbResults_DynamVn::FitGridWidth()
{
    const int needed = grdDataGrid->verticalHeader()->sizeHint().width() + grdDataGrid->horizontalHeader()->length()
                       + 2 * grdDataGrid->frameWidth() + grdDataGrid->verticalScrollBar()->sizeHint().width();
    grdDataGrid->setMinimumWidth(needed);
    resize(size().expandedTo(minimumSizeHint()));
}

void frm_dbResults_DynamVn::cmbWhichTable_Click()
{
    const int index = cmbWhichTable->currentIndex();
    if (index < 0 || index > 2)
        return;
    setWindowTitle(QString::fromLatin1(Choices[index].caption));
    ShowTable(Choices[index].table);
}

void frm_dbResults_DynamVn::ShowTable(modVornish::ResultsTable table)
{
    datPrimaryRS.DatabaseName = modVornish::ResultsFilePath();
    datPrimaryRS.RecordSource = modVornish::ResultsQuery(table);
    datPrimaryRS.Refresh();
    // The stored fields with their units, which the wizard and the graph do
    // not use.
    const QStringList headings = {modVornish::TimeField + QStringLiteral(" (s)"),
                                  modVornish::ConcentrationField + QStringLiteral(" (M)"),
                                  modVornish::RateField + QStringLiteral(" (M/s)")};
    QAbstractItemModel *model = datPrimaryRS.model();
    for (int column = 0; column < model->columnCount() && column < int(headings.size()); ++column)
        model->setHeaderData(column, Qt::Horizontal, headings[column]);
    FitColumnsToNewTable();
}

bool frm_dbResults_DynamVn::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl+Home and Ctrl+End select the cell they go to, so that Ctrl+C
    // copies what is in view.
    if (watched == grdDataGrid && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool home = key->key() == Qt::Key_Home, end = key->key() == Qt::Key_End;
        const int rows = grdDataGrid->model()->rowCount();
        if ((home || end) && key->modifiers() == Qt::ControlModifier && rows > 0) {
            const int column = std::max(grdDataGrid->currentIndex().column(), 0);
            const QModelIndex to = grdDataGrid->model()->index(home ? 0 : rows - 1, column);
            grdDataGrid->selectionModel()->setCurrentIndex(to, QItemSelectionModel::ClearAndSelect);
            grdDataGrid->scrollTo(to);
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void frm_dbResults_DynamVn::datPrimaryRS_Error(const QString &errorText)
{
    Messages::show(QStringLiteral("Data error event hit err:") + errorText);
}
