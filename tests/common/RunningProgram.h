#pragma once

#include "TestFixture.h"
#include "Typing.h"

#include "equilibrium/frmVornish.h"
#include "graphing/GraphPicture.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

#include "graphing/AxisTitleLabel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <utility>

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

    // Empties A, B and [A/B], types Total A, Total B and Kd, and clicks
    // Vornish, all as the user does.
    void vornish(const QString &totalA, const QString &totalB, const QString &kd) const
    {
        frmVornish &tool = vornish();
        tool.showInFront();
        const std::pair<QLineEdit *, QString> entries[] = {{tool.txtA, {}},         {tool.txtB, {}},
                                                           {tool.txtAB, {}},        {tool.txtA_tot, totalA},
                                                           {tool.txtB_tot, totalB}, {tool.txtKd, kd}};
        for (const auto &[box, text] : entries)
            typeInto(box, text);
        QVERIFY(tool.cmdVornish->isVisible());
        QTest::mouseClick(tool.cmdVornish, Qt::LeftButton);
    }
};
