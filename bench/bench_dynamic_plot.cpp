// The time to scan and plot 1,000,000 stored samples of the results file
// (the plot hand-over after a run: range scan, ordered reading, PlotPoint
// for every row) and to paint the graph window afterwards.
#include "TestFixture.h"

#include "BenchInput.h"
#include "dynamic/ResultsPlot.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/SimulationEngine.h"
#include "graphing/GraphPicture.h"
#include "graphing/frmGraph.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace modVornish;

int main(int argc, char *argv[])
{
    TestFixture::prepareEnvironment();
    QApplication app(argc, argv);
    TestFixture::prepareApplication(app);
    frmVn_Main main;
    main.ShowAfterSplash();

    constexpr int Intervals = 999999; // with the sample at 0: 1,000,000 samples
    const SimulationInput in = benchmarkInput(Intervals, 0);
    ResetResultsDatabase(ResultsFilePath());
    {
        ResultsAppender appender(ResultsFilePath());
        RunSimulation(in, [&](const ResultRecord &r) { appender.AppendResultRecord(r); });
        appender.finish();
    }

    QElapsedTimer timer;
    timer.start();
    PlotSimulationResults(in.endTime);
    std::printf("scan_and_plot_1M_samples_ms: %.0f ms\n", timer.nsecsElapsed() / 1e6);

    GraphPicture &picture = *appWindows().graph->PicGraph;
    // The first paint renders the plotted curve; later ones copy the kept picture.
    timer.restart();
    picture.grab();
    std::printf("graph_first_paint_after_1M_samples_ms: %.1f ms\n", timer.nsecsElapsed() / 1e6);
    std::vector<double> paints;
    for (int i = 0; i < 5; ++i) {
        timer.restart();
        picture.grab(); // one paint of the picture, exposed or not
        paints.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(paints.begin(), paints.end());
    std::printf("graph_repaint_after_1M_samples_ms: %.1f ms\n", paints[paints.size() / 2]);
    ReleaseResultsFile();
    return 0;
}
