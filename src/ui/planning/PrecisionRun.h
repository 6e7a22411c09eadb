#pragma once

#include "planning/PredictedPrecision.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

// Predicted precision of several designs computed in small steps from the
// event loop, so that the window stays live: progress after each step, a
// stop at any time, the estimates at the end.
class PrecisionRun : public QObject
{
    Q_OBJECT

public:
    explicit PrecisionRun(QObject *parent = nullptr);

    // Starts afresh (any run in progress stops); each design gets its own seed.
    void start(double kd, double sites, const std::vector<Planning::PrecisionDesign> &designs, int experiments);
    void cancel();
    bool running() const { return m_timer.isActive(); }
    const std::vector<Planning::PrecisionEstimate> &estimates() const { return m_estimates; }

signals:
    void progressed(int done, int total);
    void finished();

private:
    void step();

    QTimer m_timer;
    std::vector<std::unique_ptr<Planning::PrecisionSimulation>> m_simulations;
    std::vector<Planning::PrecisionEstimate> m_estimates;
};
