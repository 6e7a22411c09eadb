#pragma once

#include "shell/MainPlacement.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class ChildWindow;
class GraphHost;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QProgressBar;
class QTimer;
class QToolBar;
class frmVnSplash;

// The frame in which every other window lives: menus, toolbar, status bar
// and progress bar, window arrangement, start-up and ending of the program.
class frmVn_Main : public QMainWindow
{
    Q_OBJECT

public:
    // Loads the frame hidden, shows the splash and creates every window.
    explicit frmVn_Main(QWidget *parent = nullptr);
    ~frmVn_Main() override;

    QMdiArea *mdiArea = nullptr;
    QToolBar *tbToolBar = nullptr;
    QWidget *picContainer = nullptr;
    QProgressBar *prgMain = nullptr;
    QMenu *mnuGraph = nullptr; // not in the menu bar: the graph window's context menu

    // Menu items by their names (objectName of each QAction).
    QAction *action(const QString &name) const;

    void ShowStatusPanels(const QString &panel1, const QString &panel2);

    // Opening a tool: front if visible, else shown; then the other tools'
    // assistants are hidden.
    void mnuVnVornish_Click();
    void mnuScatchard_Click();
    void mnuSaturation_Click();
    void mnuDynamVn_Click();
    void mnuCompetition_Click();
    void mnuAssayPlanner_Click();
    void mnuKineticsFit_Click();

    void mnuFileNew_Click();
    void mnuFilePrint_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuWindowsDocking_Click();
    void mnuReadMe_Click();
    // Help: the help file, trouble-shooting a missing help viewer, About.
    void mnuHelpContents_Click();
    void mnuHelpTrouble_Click();
    void mnuHelpAbout_Click();
    // The user guide on a topic (empty: its default topic), or the help
    // problem messages when the help file cannot be opened.
    void ShowHelp(const QString &topic);
    void tbToolBar_ButtonClick(const QString &key);

    // The end of the splash: the frame and the start menu appear, then the
    // recovery of a crashed session is offered and the project named on
    // the command line opens.
    void ShowAfterSplash();
    void OpenProjectAtStart(const QString &path);

    frmVnSplash *splash() const;

    // Whether the contribution reminder is due at this exit; set by the
    // closing of the frame.
    bool contributionReminderDue() const { return m_reminderDue; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void CreateChildWindows();
    void ConnectGraphMenus();
    void AddChild(ChildWindow *window);
    void OpenTool(ChildWindow *tool, std::initializer_list<ChildWindow *> assistantsToHide);
    void FillWindowList();
    // Qt::Vertical stacks the visible windows one above the other (Tile
    // Horizontal); Qt::Horizontal puts them side by side (Tile Vertical).
    void TileWindows(Qt::Orientation stacking);
    void StorePlacement();
    void FitFrameWhenKnown();
    void CountExit();

    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowListActions;
    QLabel *m_panel1 = nullptr;
    QLabel *m_panel2 = nullptr;
    QLabel *m_datePanel = nullptr;
    QLabel *m_timePanel = nullptr;
    QTimer *m_clock = nullptr;
    QPointer<frmVnSplash> m_splash; // gone once the splash has ended
    bool m_reminderDue = false;
    QString m_startProject;
    MainPlacement m_placement;
    bool m_frameToFit = false;              // shown, its frame not yet fitted on the screen
    std::unique_ptr<GraphHost> m_graphHost; // the plot engine's view of the windows
};
