#pragma once

#include "TestFixture.h"

#include "equilibrium/frmVornish.h"
#include "graphing/GraphPicture.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

#include "graphing/AxisTitleLabel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <memory>

// The running program with its windows, for the window tests.
struct RunningProgram
{
    std::unique_ptr<frmVn_Main> main;

    void start()
    {
        TestFixture::resetFolders();
        resetMessages();
        main = std::make_unique<frmVn_Main>();
        main->ShowAfterSplash();
    }
    void stop() { main.reset(); }

    frmVornish &vornish() const { return *appWindows().vornish; }
    frmGraph &graph() const { return *appWindows().graph; }
    frmOptions &options() const { return *appWindows().options; }
    GraphPicture &picture() const { return *appWindows().graph->PicGraph; }

    // Types Total A, Total B and Kd and presses Vornish.
    void vornish(const QString &totalA, const QString &totalB, const QString &kd) const
    {
        frmVornish &tool = vornish();
        tool.showInFront();
        for (QLineEdit *field : {tool.txtA, tool.txtB, tool.txtAB})
            field->clear();
        tool.txtA_tot->setText(totalA);
        tool.txtB_tot->setText(totalB);
        tool.txtKd->setText(kd);
        tool.cmdVornish_Click();
    }
};
