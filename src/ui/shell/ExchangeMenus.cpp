#include "shell/ExchangeMenus.h"

#include "dynamic/frm_dbResults_DynamVn.h"
#include "exchange/DataExport.h"
#include "exchange/GraphExport.h"
#include "exchange/ReportExport.h"
#include "platform/EditableGrid.h"
#include "scatchard/frmScatchard.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

#include <QAction>
#include <QMenu>
#include <QTableView>

namespace ExchangeMenus {
namespace {

// A new item placed before an existing one of a menu (at its end when
// before is null).
template <typename Handler>
QAction *insertItem(QMenu *menu, QAction *before, const char *name, const QString &caption, Handler handler)
{
    auto *item = new QAction(caption, menu);
    item->setObjectName(QLatin1String(name));
    menu->insertAction(before, item);
    QObject::connect(item, &QAction::triggered, menu, handler);
    return item;
}

// A context menu item of a widget.
template <typename Handler>
QAction *addContextItem(QWidget *widget, const char *name, const QString &caption, Handler handler)
{
    auto *item = new QAction(caption, widget);
    item->setObjectName(QLatin1String(name));
    widget->addAction(item);
    QObject::connect(item, &QAction::triggered, widget, handler);
    return item;
}

void addFileItems(frmVn_Main &main)
{
    QMenu *file = main.findChild<QMenu *>(QStringLiteral("mnuFile"));
    QAction *print = main.action(QStringLiteral("mnuFilePrint"));
    insertItem(file, print, "mnuFileOpenData", QStringLiteral("&Open Data..."), &DataExport::OpenActiveWindowData);
    insertItem(file, print, "mnuFileExportData", QStringLiteral("&Export Data as CSV..."),
               &DataExport::ExportActiveWindowData);
    insertItem(file, print, "mnuFileSaveGraph", QStringLiteral("Save &Graph As..."), &GraphExport::SaveGraphAs);
    file->insertSeparator(print)->setObjectName(QStringLiteral("mnuFileBarExchange"));
    QAction *afterPrint = main.findChild<QAction *>(QStringLiteral("mnuFileBar5"));
    insertItem(file, afterPrint, "mnuFileExportReport", QStringLiteral("Export Report as P&DF..."),
               &ReportExport::ExportReportAsPdf);
}

void addGraphItems(frmVn_Main &main)
{
    QMenu *graph = main.mnuGraph;
    QAction *graphBar = main.findChild<QAction *>(QStringLiteral("mnuGraphBar1"));
    insertItem(graph, graphBar, "mnuGraphCopyGraph", QStringLiteral("Copy Graph"), &GraphExport::CopyGraph);
    insertItem(graph, graphBar, "mnuGraphSaveAs", QStringLiteral("Save Graph As..."), &GraphExport::SaveGraphAs);
}

void addScatchardItems(frmVn_Main &main, frmScatchard &scatchard)
{
    EditableGrid *grid = scatchard.flgInputScatchard;
    // A block of cells can be selected for Copy.
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    addContextItem(grid, "mnuGridCopy", QStringLiteral("Copy"), [&main] { main.mnuEditCopy_Click(); });
    addContextItem(grid, "mnuGridPaste", QStringLiteral("Paste"), [&main] { main.mnuEditPaste_Click(); });
    addContextItem(grid, "mnuGridOpenData", QStringLiteral("Open Data..."), &DataExport::OpenScatchardData);
    addContextItem(grid, "mnuGridExportData", QStringLiteral("Export Data as CSV..."),
                   &DataExport::ExportScatchardData);
}

void addBrowserItems(frmVn_Main &main, frm_dbResults_DynamVn &browser)
{
    QTableView *table = browser.grdDataGrid;
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    addContextItem(table, "mnuTableCopy", QStringLiteral("Copy"), [&main] { main.mnuEditCopy_Click(); });
    addContextItem(table, "mnuTableExport", QStringLiteral("Export Table as CSV..."), &DataExport::ExportBrowserTable);
    addContextItem(table, "mnuTableExportRun", QStringLiteral("Export All Results as CSV..."),
                   &DataExport::ExportDynamicResults);
}

} // namespace

void AddCommands(frmVn_Main &main)
{
    addFileItems(main);
    addGraphItems(main);
    const AppWindows &windows = appWindows();
    if (windows.scatchard)
        addScatchardItems(main, *windows.scatchard);
    if (windows.results)
        addBrowserItems(main, *windows.results);
}

} // namespace ExchangeMenus
