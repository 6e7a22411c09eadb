// The cost of the Competition Tool's Calculate (the solve, the IC50, its
// curve of 201 exact three-species solves drawn into the graph, and one
// paint of the picture), and of the exact model's Ki fit of 24 points with
// Ki's profile interval.
#include "TestFixture.h"

#include "competition/CompetitionFitModels.h"
#include "competition/frmCompetition.h"
#include "fitting/FitEngine.h"
#include "graphing/GraphPicture.h"
#include "graphing/frmGraph.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
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

    // Twelve Total C over five decades in duplicate, 1 % apart (nM).
    const modCompetition::ExactCompetitionModel truth(5, 30, 17.92, 10, 1000, 50);
    Fitting::FitDataSet data;
    for (int k = 0; k < 12; ++k)
        for (double scatter : {1.01, 0.99}) {
            const double x = std::pow(10.0, -1 + 5.0 * k / 11);
            double y = 0;
            truth.value(0, x, {10, 1000, 50}, y, nullptr);
            data.x.push_back(x);
            data.y.push_back(y * scatter);
        }
    const modCompetition::ExactCompetitionModel model(5, 30, 17.92, 20, 900, 100);
    // As the window fits it: the profile interval of Ki, the one it reads.
    Fitting::FitOptions kiProfileOnly;
    kiProfileOnly.profiled = {modCompetition::ExactCompetitionModel::Ki};
    std::vector<double> fits;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        const Fitting::FitResult fit = Fitting::Fit(model, {data}, kiProfileOnly);
        fits.push_back(timer.nsecsElapsed() / 1e3);
        if (fit.outcome != Fitting::FitResult::Fitted || !fit.parameters[0].profile.computed)
            return 1;
    }
    std::sort(fits.begin(), fits.end());
    std::printf("competition_fit_us: %.1f us\n", fits[fits.size() / 2]);
    return 0;
}
