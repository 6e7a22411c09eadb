#pragma once

#include "platform/ChildWindow.h"

class QLabel;
class QToolButton;
class frmVn_Main;

// "Tool menu": picture buttons that open the tools.
class frmStartMenu : public ChildWindow
{
    Q_OBJECT

public:
    explicit frmStartMenu(frmVn_Main *mainWindow);

    QToolButton *cmdVnTl = nullptr;
    QToolButton *cmdScatchTl = nullptr;
    QToolButton *cmdDynamVn = nullptr;
    QToolButton *cmdKineticsFit = nullptr;
    QToolButton *cmdSaturationTl = nullptr;
    QToolButton *cmdCompetition = nullptr;
    QToolButton *cmdAssayPlanner = nullptr;

    void cmdVnTl_Click();
    void cmdScatchTl_Click();
    void cmdDynamVn_Click();
    void cmdKineticsFit_Click();
    void cmdSaturationTl_Click();
    void cmdCompetition_Click();
    void cmdAssayPlanner_Click();

    // Centred horizontally on the main window, a third of the way down.
    void Form_Load();

private:
    frmVn_Main *m_main;
};
