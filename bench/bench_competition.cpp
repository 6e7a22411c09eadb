// The cost of the Competition Tool's Calculate: the solve, the IC50, its
// curve of 201 exact three-species solves drawn into the graph, and one
// paint of the picture.
#include "TestFixture.h"

#include "competition/frmCompetition.h"
#include "graphing/GraphPicture.h"
#include "graphing/frmGraph.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    TestFixture::prepareEnvironment();
    QApplication app(argc, argv);
    TestFixture::prepareApplication(app);
    frmVn_Main main;
    main.ShowAfterSplash();

    frmCompetition &tool = *appWindows().competition;
    GraphPicture &picture = *appWindows().graph->PicGraph;
    tool.showInFront();
    tool.txtTotalA->setText(QStringLiteral("5"));
    tool.txtTotalB->setText(QStringLiteral("30"));
    tool.txtKd->setText(QStringLiteral("17.92"));
    tool.txtTotalC->setText(QStringLiteral("20"));
    std::vector<double> presses;
    for (int i = 0; i < 30; ++i) {
        tool.txtKi->setText(QString::number(1 + i % 5));
        QElapsedTimer timer;
        timer.start();
        tool.cmdCalculate_Click();
        picture.grab(); // one paint of the picture, exposed or not
        presses.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(presses.begin(), presses.end());
    std::printf("competition_curve_ms: %.3f ms\n", presses[presses.size() / 2]);
    return 0;
}
