// The cost of a graph: one Vornish press with its graph (201 solves, the
// axes, 201 points and one paint of the picture), and a 200,000-point curve
// drawn into the graph picture and painted.
#include "TestFixture.h"

#include "equilibrium/frmVornish.h"
#include "graphing/GraphPicture.h"
#include "graphing/PlotEngine.h"
#include "graphing/frmGraph.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    TestFixture::prepareEnvironment();
    QApplication app(argc, argv);
    TestFixture::prepareApplication(app);
    frmVn_Main main;
    main.ShowAfterSplash();

    frmVornish &tool = *appWindows().vornish;
    GraphPicture &picture = *appWindows().graph->PicGraph;
    tool.showInFront();
    std::vector<double> presses;
    for (int i = 0; i < 30; ++i) {
        tool.txtA->clear();
        tool.txtB->clear();
        tool.txtAB->clear();
        tool.txtA_tot->setText(QStringLiteral("10"));
        tool.txtB_tot->setText(QStringLiteral("10"));
        tool.txtKd->setText(QString::number(1 + i % 5));
        QElapsedTimer timer;
        timer.start();
        tool.cmdVornish_Click();
        picture.grab(); // one paint of the picture, exposed or not
        presses.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("press_with_graph_ms: %.3f ms\n", medianMs(presses));

    using namespace modPlot_Graph;
    constexpr int points = 200000;
    double xMin = 0, xMax = points, yMin = -1, yMax = 1;
    QElapsedTimer timer;
    timer.start();
    SetUpGraph(xMin, xMax, yMin, yMax, EquilibriumTool);
    for (int i = 0; i < points; ++i)
        PlotPoint(i, std::sin(i * 0.001), PlotWidth, PlotHeight, xMin, xMax, yMin, yMax, i == 0 ? PlotDot : PlotSegment,
                  0);
    std::printf("curve_200k_draw_ms: %.1f ms\n", timer.nsecsElapsed() / 1e6);

    // The first paint renders the new drawing into the kept picture; later
    // paints (a window moved over it, say) only copy that picture.
    timer.restart();
    picture.grab();
    std::printf("curve_200k_first_paint_ms: %.1f ms\n", timer.nsecsElapsed() / 1e6);
    std::vector<double> paints;
    for (int i = 0; i < 5; ++i) {
        timer.restart();
        picture.grab();
        paints.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("curve_200k_repaint_ms: %.1f ms\n", medianMs(paints));
    return 0;
}
