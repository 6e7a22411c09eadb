#include "fitting/FitEngine.h"

#include "fitting/LeastSquares.h"
#include "fitting/ProfileSearch.h"
#include "fitting/StudentQuantile.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>

namespace Fitting {
namespace {

bool finiteData(const std::vector<FitDataSet> &sets)
{
    for (const FitDataSet &set : sets) {
        if (set.x.size() != set.y.size() || (!set.weight.empty() && set.weight.size() != set.x.size()))
            return false;
        for (size_t i = 0; i < set.x.size(); ++i)
            if (!std::isfinite(set.x[i]) || !std::isfinite(set.y[i]))
                return false;
        for (double w : set.weight)
            if (!(std::isfinite(w) && w > 0))
                return false;
    }
    return true;
}

int pointCount(const std::vector<FitDataSet> &sets)
{
    int n = 0;
    for (const FitDataSet &set : sets)
        n += int(set.x.size());
    return n;
}

// The weights of the curve for the chosen weighting, times the sets' own.
// A curve at zero would weigh its point without limit: its magnitude is
// taken no smaller than a millionth of the largest on the curve.
Weights weightsFromCurve(const LeastSquares &problem, const std::vector<double> &p, Weighting weighting)
{
    Weights weights = problem.baseWeights();
    if (weighting == Weighting::None)
        return weights;
    const std::vector<std::vector<double>> curve = problem.curve(p);
    double largest = 0;
    for (const auto &set : curve)
        for (double f : set)
            largest = std::max(largest, std::fabs(f));
    const double floor = largest * 1e-6;
    for (size_t s = 0; s < curve.size(); ++s)
        for (size_t i = 0; i < curve[s].size(); ++i) {
            const double magnitude = std::max(std::fabs(curve[s][i]), floor);
            weights[s][i] /= weighting == Weighting::Relative ? magnitude * magnitude : magnitude;
        }
    return weights;
}

bool settled(const std::vector<double> &before, const std::vector<double> &after)
{
    for (size_t i = 0; i < before.size(); ++i)
        if (std::fabs(after[i] - before[i]) > 1e-12 * std::max(std::fabs(after[i]), 1e-300))
            return false;
    return true;
}

double weightedTotalSS(const std::vector<FitDataSet> &sets, const Weights &weights)
{
    double total = 0;
    for (size_t s = 0; s < sets.size(); ++s) {
        double sumW = 0, sumWY = 0;
        for (size_t i = 0; i < sets[s].y.size(); ++i) {
            sumW += weights[s][i];
            sumWY += weights[s][i] * sets[s].y[i];
        }
        const double mean = sumWY / sumW;
        for (size_t i = 0; i < sets[s].y.size(); ++i)
            total += weights[s][i] * (sets[s].y[i] - mean) * (sets[s].y[i] - mean);
    }
    return total;
}

// The covariance s^2 (J'WJ)^-1, with J'WJ scaled to unit diagonal first so
// that its inverse keeps its digits whatever the units.
bool covarianceOf(const Eigen::MatrixXd &jacobian, double variance, Eigen::MatrixXd &covariance)
{
    const Eigen::MatrixXd normal = jacobian.transpose() * jacobian;
    const Eigen::VectorXd scale = normal.diagonal().cwiseSqrt();
    if (!(scale.minCoeff() > 0))
        return false;
    const Eigen::MatrixXd scaled = scale.cwiseInverse().asDiagonal() * normal * scale.cwiseInverse().asDiagonal();
    const Eigen::LDLT<Eigen::MatrixXd> factor(scaled);
    if (factor.info() != Eigen::Success || !factor.isPositive() || !(factor.vectorD().minCoeff() > 1e-14))
        return false;
    const Eigen::MatrixXd inverse = factor.solve(Eigen::MatrixXd::Identity(scaled.rows(), scaled.cols()));
    covariance = variance * scale.cwiseInverse().asDiagonal() * inverse * scale.cwiseInverse().asDiagonal();
    return covariance.allFinite() && covariance.diagonal().minCoeff() >= 0;
}

void fillStatistics(const std::vector<FitDataSet> &sets, const Weights &weights, double confidence, FitResult &fit)
{
    const int k = int(fit.freeIndex.size());
    fit.points = pointCount(sets);
    fit.df = fit.points - k;
    fit.residualSD = std::sqrt(fit.residualSS / fit.df);
    const double total = weightedTotalSS(sets, weights);
    fit.rSquared = total > 0 ? 1.0 - fit.residualSS / total : 0.0;
    const int parametersWithVariance = k + 1;
    const int n = fit.points;
    fit.hasAicc = fit.residualSS > 0 && n - parametersWithVariance - 1 > 0;
    if (fit.hasAicc)
        fit.aicc = n * std::log(fit.residualSS / n) + 2.0 * parametersWithVariance
                   + 2.0 * parametersWithVariance * (parametersWithVariance + 1) / (n - parametersWithVariance - 1);
    fit.t = TwoSidedStudentT(confidence, fit.df);
}

} // namespace

double FitResult::correlationOf(int a, int b) const
{
    const auto ia = std::find(freeIndex.begin(), freeIndex.end(), a);
    const auto ib = std::find(freeIndex.begin(), freeIndex.end(), b);
    if (ia == freeIndex.end() || ib == freeIndex.end())
        return 0.0;
    const size_t k = freeIndex.size();
    return correlation[size_t(ia - freeIndex.begin()) * k + size_t(ib - freeIndex.begin())];
}

double CurveValue(const FitModel &model, int set, double x, const std::vector<double> &p)
{
    double y = 0;
    if (!model.value(set, x, p, y, nullptr) || !std::isfinite(y))
        return std::nan("");
    return y;
}

FitResult Fit(const FitModel &model, const std::vector<FitDataSet> &sets, const FitOptions &options)
{
    std::vector<double> start;
    for (const FitParameter &parameter : model.parameters())
        start.push_back(parameter.start);
    return FitFrom(model, start, sets, options);
}

FitResult FitFrom(const FitModel &model, const std::vector<double> &start, const std::vector<FitDataSet> &sets,
                  const FitOptions &options)
{
    FitResult fit;
    const std::vector<FitParameter> parameters = model.parameters();
    for (size_t i = 0; i < parameters.size(); ++i)
        if (!parameters[i].fixed)
            fit.freeIndex.push_back(int(i));
    if (start.size() != parameters.size() || pointCount(sets) <= int(fit.freeIndex.size()) || fit.freeIndex.empty()) {
        fit.outcome = FitResult::TooFewPoints;
        return fit;
    }
    if (!finiteData(sets)) {
        fit.outcome = FitResult::NotFinite;
        return fit;
    }

    const LeastSquares problem(model, sets);
    std::vector<double> p = start;
    Weights weights = weightsFromCurve(problem, p, Weighting::None);
    Minimum minimum;
    // Weights from the curve: fit, weigh by the new curve, fit again until
    // the parameters no longer move.
    constexpr int maxReweightings = 50;
    for (int round = 0; round < maxReweightings; ++round) {
        const std::vector<double> before = p;
        minimum = problem.minimize(p, fit.freeIndex, weights);
        fit.evaluations += minimum.evaluations;
        if (!minimum.converged || options.weighting == Weighting::None || settled(before, p))
            break;
        weights = weightsFromCurve(problem, p, options.weighting);
    }
    fit.lastValues = p;
    if (!minimum.converged) {
        fit.outcome = FitResult::NotConverged;
        return fit;
    }
    for (int i : fit.freeIndex) {
        const FitParameter &parameter = parameters[size_t(i)];
        if (!(p[size_t(i)] > parameter.lower && p[size_t(i)] < parameter.upper)) {
            fit.outcome = FitResult::OutOfBounds;
            fit.boundParameter = i;
            return fit;
        }
    }

    fit.residualSS = minimum.residualSS;
    fillStatistics(sets, weights, options.confidence, fit);
    Eigen::MatrixXd covariance;
    if (!covarianceOf(problem.weightedJacobian(p, fit.freeIndex, weights), fit.residualSD * fit.residualSD,
                      covariance)) {
        fit.outcome = FitResult::Singular;
        return fit;
    }

    const size_t k = fit.freeIndex.size();
    fit.covariance.assign(covariance.data(), covariance.data() + k * k);
    fit.correlation.resize(k * k);
    for (size_t a = 0; a < k; ++a)
        for (size_t b = 0; b < k; ++b)
            fit.correlation[a * k + b] = a == b ? 1.0
                                                : covariance(Eigen::Index(a), Eigen::Index(b))
                                                      / std::sqrt(covariance(Eigen::Index(a), Eigen::Index(a))
                                                                  * covariance(Eigen::Index(b), Eigen::Index(b)));

    fit.parameters.resize(parameters.size());
    for (size_t i = 0; i < parameters.size(); ++i) {
        ParameterEstimate &estimate = fit.parameters[i];
        estimate.name = parameters[i].name;
        estimate.unit = parameters[i].unit;
        estimate.fixed = parameters[i].fixed;
        estimate.value = p[i];
        estimate.low = estimate.high = p[i];
    }
    for (size_t f = 0; f < k; ++f) {
        ParameterEstimate &estimate = fit.parameters[size_t(fit.freeIndex[f])];
        estimate.se = std::sqrt(covariance(Eigen::Index(f), Eigen::Index(f)));
        estimate.low = estimate.value - fit.t * estimate.se;
        estimate.high = estimate.value + fit.t * estimate.se;
    }

    fit.fitted = problem.curve(p);
    fit.residuals.resize(sets.size());
    for (size_t s = 0; s < sets.size(); ++s)
        for (size_t i = 0; i < sets[s].y.size(); ++i)
            fit.residuals[s].push_back(sets[s].y[i] - fit.fitted[s][i]);
    fit.weights = weights;
    fit.outcome = FitResult::Fitted;

    if (options.profileIntervals) {
        const ProfileSearch search(problem, parameters, weights, p, fit.freeIndex, fit.residualSS,
                                   1.0 + fit.t * fit.t / fit.df);
        for (int i : fit.freeIndex) {
            if (!options.profiled.empty()
                && std::find(options.profiled.begin(), options.profiled.end(), i) == options.profiled.end())
                continue;
            ParameterEstimate &estimate = fit.parameters[size_t(i)];
            estimate.profile = search.interval(i, fit.t * estimate.se);
            fit.evaluations += search.evaluations();
        }
    }
    return fit;
}

} // namespace Fitting
