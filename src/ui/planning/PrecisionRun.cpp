#include "planning/PrecisionRun.h"

namespace {

// Experiments fitted between two looks at the event loop: a few ms.
constexpr int experimentsPerStep = 5;

} // namespace

PrecisionRun::PrecisionRun(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &PrecisionRun::step);
}

void PrecisionRun::start(double kd, double sites, const std::vector<Planning::PrecisionDesign> &designs,
                         int experiments)
{
    cancel();
    unsigned seed = 1;
    for (const Planning::PrecisionDesign &design : designs)
        m_simulations.push_back(
            std::make_unique<Planning::PrecisionSimulation>(kd, sites, design, experiments, seed++));
    m_timer.start();
}

void PrecisionRun::cancel()
{
    m_timer.stop();
    m_simulations.clear();
    m_estimates.clear();
}

void PrecisionRun::step()
{
    int done = 0, total = 0;
    bool stepped = false;
    for (const auto &simulation : m_simulations) {
        if (!stepped && simulation->done() < simulation->total()) {
            simulation->step(experimentsPerStep);
            stepped = true;
        }
        done += simulation->done();
        total += simulation->total();
    }
    emit progressed(done, total);
    if (done < total)
        return;
    m_timer.stop();
    for (const auto &simulation : m_simulations)
        m_estimates.push_back(simulation->estimate());
    emit finished();
}
