#include "scatchard/SaturationFit.h"

#include "scatchard/StudentQuantile.h"

#include <Eigen/Dense>
#include <unsupported/Eigen/NonLinearOptimization>

#include <algorithm>
#include <cmath>

namespace modStatistics {
namespace {

// Past this multiple of the highest Free the curve is a straight line
// within a tenth of a percent over the data: they show no saturation.
constexpr double unboundedKdFactor = 1e3;

// Residuals model - Bound and their analytic derivatives in (Bmax, Kd),
// as the solver asks for them.
struct SaturationResiduals
{
    const std::vector<double> &free;
    const std::vector<double> &bound;

    int values() const { return int(free.size()); }

    int operator()(const Eigen::VectorXd &p, Eigen::VectorXd &residuals) const
    {
        for (size_t i = 0; i < free.size(); ++i)
            residuals[Eigen::Index(i)] = p[0] * free[i] / (p[1] + free[i]) - bound[i];
        return residuals.allFinite() ? 0 : -1;
    }

    int df(const Eigen::VectorXd &p, Eigen::MatrixXd &jacobian) const
    {
        for (size_t i = 0; i < free.size(); ++i) {
            const double denominator = p[1] + free[i];
            jacobian(Eigen::Index(i), 0) = free[i] / denominator;
            jacobian(Eigen::Index(i), 1) = -p[0] * free[i] / (denominator * denominator);
        }
        return jacobian.allFinite() ? 0 : -1;
    }
};

bool converged(Eigen::LevenbergMarquardtSpace::Status status)
{
    using namespace Eigen::LevenbergMarquardtSpace;
    // 6 to 8: the tolerances are below what double precision can still
    // improve, that is at the minimum too.
    switch (status) {
    case RelativeReductionTooSmall:
    case RelativeErrorTooSmall:
    case RelativeErrorAndReductionTooSmall:
    case CosinusTooSmall:
    case FtolTooSmall:
    case XtolTooSmall:
    case GtolTooSmall:
        return true;
    default:
        return false;
    }
}

bool allEqual(const std::vector<double> &values)
{
    return std::all_of(values.begin(), values.end(), [&](double v) { return v == values.front(); });
}

bool allPositive(const std::vector<double> &values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v) && v > 0; });
}

} // namespace

SaturationFit::Outcome CheckSaturationData(const std::vector<double> &free, const std::vector<double> &bound)
{
    if (free.size() < 3 || free.size() != bound.size())
        return SaturationFit::TooFewPoints;
    if (!allPositive(free) || !allPositive(bound))
        return SaturationFit::NotPositive;
    if (allEqual(free))
        return SaturationFit::FreeAllEqual;
    if (allEqual(bound))
        return SaturationFit::BoundAllEqual;
    return SaturationFit::Fitted;
}

namespace {

// The standard errors from s^2 (J'J)^-1, with J'J scaled to unit diagonal
// first so that its inverse keeps its digits whatever the units.
bool standardErrors(const Eigen::MatrixXd &jacobian, double variance, SaturationFit &fit)
{
    const Eigen::Matrix2d normal = jacobian.transpose() * jacobian;
    const Eigen::Vector2d scale = normal.diagonal().cwiseSqrt();
    if (!(scale.minCoeff() > 0))
        return false;
    const Eigen::Matrix2d scaled = scale.cwiseInverse().asDiagonal() * normal * scale.cwiseInverse().asDiagonal();
    const double determinant = 1.0 - scaled(0, 1) * scaled(1, 0);
    if (!(determinant > 0))
        return false;
    // The diagonal of the inverse of [[1, r], [r, 1]] is 1 / (1 - r^2).
    fit.seBmax = std::sqrt(variance / determinant) / scale[0];
    fit.seKd = std::sqrt(variance / determinant) / scale[1];
    return std::isfinite(fit.seBmax) && std::isfinite(fit.seKd);
}

double totalSS(const std::vector<double> &values)
{
    double mean = 0;
    for (double v : values)
        mean += v;
    mean /= double(values.size());
    double sum = 0;
    for (double v : values)
        sum += (v - mean) * (v - mean);
    return sum;
}

} // namespace

bool StartFromScatchardLine(double intercept, double slope, SaturationStart &start)
{
    const double kd = -1.0 / slope;
    const double bmax = -intercept / slope;
    if (!(std::isfinite(kd) && std::isfinite(bmax) && kd > 0 && bmax > 0))
        return false;
    start = {kd, bmax};
    return true;
}

SaturationStart StartFromData(const std::vector<double> &free, const std::vector<double> &bound)
{
    const auto [lowest, highest] = std::minmax_element(free.begin(), free.end());
    const double first = *lowest / 100, last = *highest * 100;
    constexpr int steps = 80;
    SaturationStart best{first, ProfileBmax(free, bound, first)};
    double bestSS = ProfileResidualSS(free, bound, first);
    for (int i = 1; i <= steps; ++i) {
        const double kd = first * std::pow(last / first, double(i) / steps);
        const double ss = ProfileResidualSS(free, bound, kd);
        if (ss < bestSS) {
            bestSS = ss;
            best = {kd, ProfileBmax(free, bound, kd)};
        }
    }
    return best;
}

SaturationFit FitSaturationCurve(const std::vector<double> &free, const std::vector<double> &bound,
                                 const SaturationStart &start)
{
    SaturationFit fit;
    fit.outcome = CheckSaturationData(free, bound);
    if (fit.outcome != SaturationFit::Fitted)
        return fit;

    SaturationResiduals residuals{free, bound};
    Eigen::LevenbergMarquardt<SaturationResiduals> solver(residuals);
    solver.parameters.ftol = 1e-15;
    solver.parameters.xtol = 1e-15;
    solver.parameters.maxfev = 2000;
    Eigen::VectorXd p(2);
    p << start.bmax, start.kd;
    const auto status = solver.minimize(p);
    fit.evaluations = int(solver.nfev);

    const double highestFree = *std::max_element(free.begin(), free.end());
    if (std::isfinite(p[1]) && std::fabs(p[1]) > unboundedKdFactor * highestFree) {
        fit.outcome = SaturationFit::Unbounded;
        return fit;
    }
    if (!converged(status) || !p.allFinite()) {
        fit.outcome = SaturationFit::NotConverged;
        return fit;
    }
    if (p[0] <= 0 || p[1] <= 0) {
        fit.outcome = SaturationFit::NegativeEstimate;
        return fit;
    }

    fit.bmax = p[0];
    fit.kd = p[1];
    fit.df = int(free.size()) - 2;
    Eigen::VectorXd r(free.size());
    Eigen::MatrixXd jacobian(free.size(), 2);
    residuals(p, r);
    residuals.df(p, jacobian);
    fit.residualSS = r.squaredNorm();
    fit.residualSD = std::sqrt(fit.residualSS / fit.df);
    fit.rSquared = 1.0 - fit.residualSS / totalSS(bound);
    if (!standardErrors(jacobian, fit.residualSD * fit.residualSD, fit)) {
        fit.outcome = SaturationFit::NotConverged;
        return fit;
    }

    fit.t = TwoSidedStudentT(0.95, fit.df);
    fit.kdLow = fit.kd - fit.t * fit.seKd;
    fit.kdHigh = fit.kd + fit.t * fit.seKd;
    fit.bmaxLow = fit.bmax - fit.t * fit.seBmax;
    fit.bmaxHigh = fit.bmax + fit.t * fit.seBmax;
    fit.kdProfile = ProfileKdInterval(free, bound, fit.kd, ProfileResidualSS(free, bound, fit.kd),
                                      1.0 + fit.t * fit.t / fit.df);
    return fit;
}

} // namespace modStatistics
