// The menus, the toolbar and the status bar of the main window.
#include "shell/frmVn_Main.h"

#include "dynamic/frmKinetics.h"
#include "shell/AppWindows.h"
#include "shell/ToolIcons.h"

#include <QAction>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction *addItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = QKeySequence())
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setShortcut(shortcut);
    return item;
}

void addBar(QMenu *menu, const char *name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

void frmVn_Main::BuildMenus()
{
    QMenuBar *bar = menuBar();

    QMenu *file = addMenu(bar, "mnuFile", QStringLiteral("&File"));
    connect(addItem(file, "mnuFileNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &frmVn_Main::mnuFileNew_Click);
    addBar(file, "mnuFileBar1");
    connect(addItem(file, "mnuFilePrint", QStringLiteral("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &frmVn_Main::mnuFilePrint_Click);
    addBar(file, "mnuFileBar5");
    connect(addItem(file, "mnuFileExit", QStringLiteral("E&xit")), &QAction::triggered, this, &QWidget::close);

    QMenu *edit = addMenu(bar, "mnuEdit", QStringLiteral("&Edit"));
    connect(addItem(edit, "mnuEditCut", QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, &frmVn_Main::mnuEditCut_Click);
    connect(addItem(edit, "mnuEditCopy", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, &frmVn_Main::mnuEditCopy_Click);
    connect(addItem(edit, "mnuEditPaste", QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V)),
            &QAction::triggered, this, &frmVn_Main::mnuEditPaste_Click);
    addBar(edit, "mnuEditBar");
    addItem(edit, "mnuEditPref", QStringLiteral("&Preferences..."));

    QMenu *view = addMenu(bar, "mnuView", QStringLiteral("&View"));
    QAction *viewToolbar = addItem(view, "mnuViewToolbar", QStringLiteral("&Toolbar"));
    viewToolbar->setCheckable(true);
    viewToolbar->setChecked(true);
    connect(viewToolbar, &QAction::toggled, this, [this](bool on) { tbToolBar->setVisible(on); });
    QAction *viewStatus = addItem(view, "mnuViewStatusBar", QStringLiteral("Status &Bar"));
    viewStatus->setCheckable(true);
    viewStatus->setChecked(true);
    connect(viewStatus, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu *tools = addMenu(bar, "mnuTools", QStringLiteral("&Tools"));
    connect(addItem(tools, "mnuVnVornish", QStringLiteral("&Equilibrium...")), &QAction::triggered, this,
            &frmVn_Main::mnuVnVornish_Click);
    connect(addItem(tools, "mnuDynamVn", QStringLiteral("&Dynamic Equilibrium...")), &QAction::triggered, this,
            &frmVn_Main::mnuDynamVn_Click);
    connect(addItem(tools, "mnuKinetics", QStringLiteral("&Kinetics Summary...")), &QAction::triggered, this, [] {
        if (frmKinetics *kinetics = appWindows().kinetics)
            kinetics->ShowSummary();
    });
    connect(addItem(tools, "mnuKineticsFit", QStringLiteral("Kinetics &Fit...")), &QAction::triggered, this,
            &frmVn_Main::mnuKineticsFit_Click);
    connect(addItem(tools, "mnuScatchard", QStringLiteral("&Scatchard Analysis...")), &QAction::triggered, this,
            &frmVn_Main::mnuScatchard_Click);
    connect(addItem(tools, "mnuSaturation", QStringLiteral("Saturation &Binding...")), &QAction::triggered, this,
            &frmVn_Main::mnuSaturation_Click);
    connect(addItem(tools, "mnuCompetition", QStringLiteral("&Competition Tool...")), &QAction::triggered, this,
            &frmVn_Main::mnuCompetition_Click);
    connect(addItem(tools, "mnuAssayPlanner", QStringLiteral("&Assay Planner...")), &QAction::triggered, this,
            &frmVn_Main::mnuAssayPlanner_Click);
    addBar(tools, "mnuEquiBar1");
    addItem(tools, "mnuVnOptions", QStringLiteral("&Options..."));

    m_windowMenu = addMenu(bar, "mnuWindow", QStringLiteral("&Window"));
    connect(addItem(m_windowMenu, "mnuWindowNewWindow", QStringLiteral("&New Window")), &QAction::triggered, this,
            &frmVn_Main::mnuVnVornish_Click);
    addBar(m_windowMenu, "mnuWindowBar1");
    connect(addItem(m_windowMenu, "mnuWindowsDocking", QStringLiteral("Default docking")), &QAction::triggered, this,
            &frmVn_Main::mnuWindowsDocking_Click);
    connect(addItem(m_windowMenu, "mnuWindowCascade", QStringLiteral("&Cascade")), &QAction::triggered, mdiArea,
            &QMdiArea::cascadeSubWindows);
    connect(addItem(m_windowMenu, "mnuWindowTileHorizontal", QStringLiteral("Tile &Horizontal")), &QAction::triggered,
            this, [this] { TileWindows(Qt::Vertical); });
    connect(addItem(m_windowMenu, "mnuWindowTileVertical", QStringLiteral("Tile &Vertical")), &QAction::triggered, this,
            [this] { TileWindows(Qt::Horizontal); });
    connect(addItem(m_windowMenu, "mnuWindowArrangeIcons", QStringLiteral("&Arrange Icons")), &QAction::triggered, this,
            [this] {
                // Minimised windows line up along the bottom of the frame.
                int left = 0;
                for (QMdiSubWindow *w : mdiArea->subWindowList()) {
                    if (w->isVisible() && w->isMinimized()) {
                        w->move(left, mdiArea->viewport()->height() - w->height());
                        left += w->width();
                    }
                }
            });
    connect(m_windowMenu, &QMenu::aboutToShow, this, &frmVn_Main::FillWindowList);

    QMenu *help = addMenu(bar, "mnuHelp", QStringLiteral("&Help"));
    connect(addItem(help, "mnuHelpContents", QStringLiteral("&Help Topics...")), &QAction::triggered, this,
            &frmVn_Main::mnuHelpContents_Click);
    connect(addItem(help, "mnuHelpTrouble", QStringLiteral("Help &Problems...")), &QAction::triggered, this,
            &frmVn_Main::mnuHelpTrouble_Click);
    addBar(help, "mnuHelpBar1");
    connect(addItem(help, "mnuReadMe", QStringLiteral("&ReadMe (release notes)")), &QAction::triggered, this,
            &frmVn_Main::mnuReadMe_Click);
    addBar(help, "mnuHelpBar2");
    connect(addItem(help, "mnuHelpAbout", QStringLiteral("&About Vornish...")), &QAction::triggered, this,
            &frmVn_Main::mnuHelpAbout_Click);

    // The Graph menu is never in the menu bar; the graph window pops it up.
    mnuGraph = new QMenu(QStringLiteral("Graph"), this);
    mnuGraph->setObjectName(QStringLiteral("mnuGraph"));
    connect(addItem(mnuGraph, "mnuGraphCopy", QStringLiteral("Copy")), &QAction::triggered, this,
            &frmVn_Main::mnuEditCopy_Click);
    connect(addItem(mnuGraph, "mnuGraphPrint", QStringLiteral("Print")), &QAction::triggered, this,
            &frmVn_Main::mnuFilePrint_Click);
    addBar(mnuGraph, "mnuGraphBar1");
    addItem(mnuGraph, "mnuGraphDisable", QStringLiteral("Disable graph plotting"))->setCheckable(true);
    addItem(mnuGraph, "mnuGraphSuperimpose", QStringLiteral("Superimpose multiple graphs"))->setCheckable(true);
    addItem(mnuGraph, "mnuGraphAxis", QStringLiteral("Axis Properties..."));
}

void frmVn_Main::FillWindowList()
{
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    int number = 0;
    for (QMdiSubWindow *w : mdiArea->subWindowList()) {
        if (!w->isVisible() || w->windowTitle().isEmpty())
            continue;
        if (number == 0)
            m_windowListActions.append(m_windowMenu->addSeparator());
        ++number;
        QAction *entry = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(number).arg(w->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(w == mdiArea->activeSubWindow());
        connect(entry, &QAction::triggered, this, [this, w] { mdiArea->setActiveSubWindow(w); });
        m_windowListActions.append(entry);
    }
}

void frmVn_Main::BuildToolBar()
{
    tbToolBar = addToolBar(QStringLiteral("Toolbar"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    struct Button
    {
        const char *key;
        const char *tip;
    };
    const Button buttons[] = {
        {"New", "New Tool"},
        {"Print", "Print"},
        {"Cut", "Cut"},
        {"Copy", "Copy"},
        {"Paste", "Paste"},
        {"Vornish", "Equilibrium Tool"},
        {"Scatchard Analysis", "Scatchard Analysis Tool"},
        {"DynamVn", "Dynamic Equilibrium Tool"},
        {"Saturation Binding", "Saturation Binding"},
        {"Competition", "Competition Tool"},
        {"Kinetics Fit", "Kinetics Fit"},
        {"Assay Planner", "Assay Planner"},
    };
    for (const Button &b : buttons) {
        const QString key = QLatin1String(b.key);
        if (key == QLatin1String("Cut") || key == QLatin1String("Vornish"))
            tbToolBar->addSeparator();
        QAction *button = tbToolBar->addAction(ToolIcons::icon(key), QString());
        button->setObjectName(QStringLiteral("tb_") + QString(key).remove(QLatin1Char(' ')));
        button->setData(key);
        button->setToolTip(QLatin1String(b.tip));
        connect(button, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
}

void frmVn_Main::BuildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    m_panel1 = new QLabel(bar);
    m_panel1->setObjectName(QStringLiteral("sbPanel1"));
    m_panel2 = new QLabel(bar);
    m_panel2->setObjectName(QStringLiteral("sbPanel2"));
    m_panel2->setMinimumWidth(120);
    m_datePanel = new QLabel(bar);
    m_timePanel = new QLabel(bar);

    picContainer = new QWidget(bar);
    picContainer->setObjectName(QStringLiteral("picContainer"));
    auto *layout = new QHBoxLayout(picContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    prgMain = new QProgressBar(picContainer);
    prgMain->setObjectName(QStringLiteral("prgMain"));
    prgMain->setTextVisible(false);
    prgMain->setMaximumHeight(16);
    layout->addWidget(prgMain);
    picContainer->hide();

    bar->addWidget(m_panel1, 3);
    bar->addWidget(picContainer, 2);
    bar->addPermanentWidget(m_panel2);
    bar->addPermanentWidget(m_datePanel);
    bar->addPermanentWidget(m_timePanel);

    m_clock = new QTimer(this);
    const auto tick = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        m_datePanel->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
        m_timePanel->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
    };
    connect(m_clock, &QTimer::timeout, this, tick);
    tick();
    m_clock->start(1000);
}

void frmVn_Main::ShowStatusPanels(const QString &panel1, const QString &panel2)
{
    m_panel1->setText(panel1);
    m_panel2->setText(panel2);
}

QAction *frmVn_Main::action(const QString &name) const
{
    return findChild<QAction *>(name);
}
