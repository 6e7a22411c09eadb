#include "scatchard/SaturationModels.h"

#include "fitting/FitTexts.h"
#include "platform/NumberText.h"
#include "scatchard/DepletionModel.h"
#include "scatchard/HillModel.h"
#include "scatchard/OneSiteModels.h"
#include "scatchard/TwoSiteModel.h"

#include <algorithm>
#include <cmath>

namespace modStatistics {
namespace {

using namespace Fitting;

struct ModelText
{
    SaturationModel model;
    const char *name, *key, *equation;
};

const ModelText kModels[] = {
    {SaturationModel::OneSite, "One site", "one-site", "Bound = Bmax · X / (Kd + X)"},
    {SaturationModel::TotalAndNonspecific, "One site, total and nonspecific", "total-ns",
     "Total = Bmax · X / (Kd + X) + NS · X + Background; Nonspecific = NS · X + Background"},
    {SaturationModel::TwoSites, "Two sites", "two-site", "Bound = Bmax1 · X / (Kd1 + X) + Bmax2 · X / (Kd2 + X)"},
    {SaturationModel::Hill, "One site with Hill slope", "hill", "Bound = Bmax · X^h / (Kd^h + X^h)"},
    {SaturationModel::Depletion, "One site with ligand depletion", "depletion",
     "Bound from the exact equilibrium of total ligand X with Bmax sites and Kd"},
};

const ModelText &textOf(SaturationModel model)
{
    for (const ModelText &text : kModels)
        if (text.model == model)
            return text;
    return kModels[0];
}

// The Kd whose place among the X values the warnings judge: the only one,
// or the weaker site's of two.
int judgedKd(SaturationModel model)
{
    return model == SaturationModel::TwoSites ? int(TwoSiteModel::Kd2) : int(OneSiteModel::Kd);
}

double highestX(const FitDataSet &set)
{
    return set.x.empty() ? 0 : *std::max_element(set.x.begin(), set.x.end());
}

FitOptions withoutProfiles(FitOptions options)
{
    options.profileIntervals = false;
    return options;
}

// Several starts around the one-site curve, the best fit kept, its sites in
// the order of their Kd.
FitResult fitTwoSites(const SaturationData &data, const std::vector<FitDataSet> &sets, const FitOptions &options,
                      std::shared_ptr<FitModel> &curve)
{
    double bmax = 0, kd = 0;
    OneSiteStart(data.binding, bmax, kd);
    FitResult best;
    std::vector<double> bestStart;
    for (const double spread : {3.0, 10.0, 30.0, 100.0}) {
        for (const double share : {0.5, 0.25, 0.75}) {
            const std::vector<double> start{bmax * share, kd / std::sqrt(spread), bmax * (1 - share),
                                            kd * std::sqrt(spread)};
            const TwoSiteModel model(start, data.xUnit, data.yUnit);
            const FitResult trial = Fit(model, sets, withoutProfiles(options));
            if (trial.outcome == FitResult::Fitted
                && (best.outcome != FitResult::Fitted || trial.residualSS < best.residualSS)) {
                best = trial;
                bestStart = start;
            } else if (bestStart.empty() && best.outcome == FitResult::TooFewPoints) {
                best = trial;
            }
        }
    }
    if (best.outcome != FitResult::Fitted) {
        curve = std::make_shared<TwoSiteModel>(std::vector<double>{bmax / 2, kd, bmax / 2, kd}, data.xUnit, data.yUnit);
        return best;
    }
    std::vector<double> start(best.parameters.size());
    for (size_t i = 0; i < start.size(); ++i)
        start[i] = best.parameters[i].value;
    if (start[TwoSiteModel::Kd1] > start[TwoSiteModel::Kd2]) {
        std::swap(start[TwoSiteModel::Kd1], start[TwoSiteModel::Kd2]);
        std::swap(start[TwoSiteModel::Bmax1], start[TwoSiteModel::Bmax2]);
    }
    curve = std::make_shared<TwoSiteModel>(start, data.xUnit, data.yUnit);
    return Fit(*curve, sets, options);
}

// A second site the data do not resolve: no fit, a Kd or Bmax whose
// interval the data leave open, or the weaker site's Kd beyond the highest X.
bool secondSiteUnresolved(const FitResult &result, const FitDataSet &data)
{
    if (result.outcome != FitResult::Fitted)
        return true;
    for (const ParameterEstimate &estimate : result.parameters)
        if (estimate.profile.computed && (estimate.profile.openBelow || estimate.profile.openAbove))
            return true;
    return result.value(TwoSiteModel::Kd2) > highestX(data) || result.value(TwoSiteModel::Bmax1) <= 0
           || result.value(TwoSiteModel::Bmax2) <= 0;
}

// Whether `simpler` is a special case of `general` (both fitted to the same data).
bool isSpecialCase(SaturationModel simpler, SaturationModel general)
{
    return simpler == SaturationModel::OneSite
           && (general == SaturationModel::TwoSites || general == SaturationModel::Hill);
}

bool sameData(const SaturationModelFit &a, const SaturationModelFit &b)
{
    if (a.sets.size() != b.sets.size())
        return false;
    for (size_t i = 0; i < a.sets.size(); ++i)
        if (a.sets[i].x != b.sets[i].x || a.sets[i].y != b.sets[i].y)
            return false;
    return true;
}

} // namespace

QString ModelName(SaturationModel model)
{
    return QString::fromUtf8(textOf(model).name);
}

QString ModelKey(SaturationModel model)
{
    return QString::fromUtf8(textOf(model).key);
}

bool ModelOfKey(const QString &key, SaturationModel &model)
{
    for (const ModelText &text : kModels) {
        if (key == QLatin1String(text.key)) {
            model = text.model;
            return true;
        }
    }
    return false;
}

QString ModelEquation(SaturationModel model)
{
    return QString::fromUtf8(textOf(model).equation);
}

SaturationModelFit FitSaturationModel(SaturationModel model, const SaturationData &data, const FitOptions &options)
{
    SaturationModelFit fit;
    fit.model = model;
    fit.sets = {data.binding};
    double bmax = 0, kd = 0;
    switch (model) {
    case SaturationModel::OneSite:
        OneSiteStart(data.binding, bmax, kd);
        fit.curve = std::make_shared<OneSiteModel>(bmax, kd, data.xUnit, data.yUnit);
        break;
    case SaturationModel::TotalAndNonspecific: {
        if (data.nonspecific.x.empty()) {
            fit.problem = QStringLiteral("This model fits total and nonspecific binding together: enter the "
                                         "nonspecific binding too.");
            return fit;
        }
        double slope = 0, background = 0;
        NonspecificStart(data.nonspecific, slope, background);
        FitDataSet specific = data.binding;
        for (size_t i = 0; i < specific.x.size(); ++i)
            specific.y[i] -= slope * specific.x[i] + background;
        OneSiteStart(specific, bmax, kd);
        fit.curve = std::make_shared<TotalAndNonspecificModel>(std::vector<double>{bmax, kd, slope, background},
                                                               data.xUnit, data.yUnit);
        fit.sets.push_back(data.nonspecific);
        break;
    }
    case SaturationModel::TwoSites:
        fit.result = fitTwoSites(data, fit.sets, options, fit.curve);
        break;
    case SaturationModel::Hill:
        OneSiteStart(data.binding, bmax, kd);
        fit.curve = std::make_shared<HillModel>(std::vector<double>{bmax, kd, 1.0}, data.xUnit, data.yUnit);
        break;
    case SaturationModel::Depletion:
        OneSiteStart(data.binding, bmax, kd);
        fit.curve = std::make_shared<DepletionModel>(data.sites > 0 ? data.sites : bmax, data.sites > 0, kd,
                                                     data.xUnit);
        break;
    }
    if (model != SaturationModel::TwoSites)
        fit.result = Fit(*fit.curve, fit.sets, options);
    if (fit.result.outcome != FitResult::Fitted) {
        fit.problem = OutcomeText(fit.result, fit.curve->parameters());
        fit.unresolved = model == SaturationModel::TwoSites;
        return fit;
    }
    if (model == SaturationModel::TwoSites && secondSiteUnresolved(fit.result, data.binding)) {
        fit.unresolved = true;
        fit.problem = QStringLiteral("The second site is not resolved: the data do not define two classes of "
                                     "sites (an interval is open or Kd2 lies beyond the highest X).");
    }
    return fit;
}

QStringList SaturationWarnings(const SaturationModelFit &fit)
{
    QStringList warnings;
    const FitResult &result = fit.result;
    if (result.outcome != FitResult::Fitted || fit.sets.empty())
        return warnings;
    const FitDataSet &data = fit.sets.front();
    const double kd = result.value(judgedKd(fit.model));
    if (highestX(data) < 3 * kd)
        warnings << QStringLiteral("The highest X (%1) is below 3 × Kd (%2): Bmax is an extrapolation.")
                        .arg(FitNumberText(highestX(data)), FitNumberText(kd));
    const auto above = std::count_if(data.x.begin(), data.x.end(), [kd](double x) { return x > kd; });
    const auto below = std::count_if(data.x.begin(), data.x.end(), [kd](double x) { return x < kd; });
    if (above < below)
        warnings << QStringLiteral("Fewer points lie above Kd (%1) than below it (%2): measure at higher X to "
                                   "define the plateau.")
                        .arg(above)
                        .arg(below);
    const RunsTest runs = RunsOfResiduals(data.x, result.residuals.front());
    if (runs.p < 0.05)
        warnings << QStringLiteral("The residuals lie in only %1 runs (%2): the curve misses a systematic trend "
                                   "of the data.")
                        .arg(runs.runs)
                        .arg(pText(runs.p));
    const ReplicatesTest replicates = TestReplicates(data.x, result.residuals.front(), int(result.freeIndex.size()));
    if (replicates.available && replicates.p < 0.05)
        warnings << QStringLiteral("The curve departs from the replicates' means more than their scatter "
                                   "explains (lack of fit, %1).")
                        .arg(pText(replicates.p));
    return warnings;
}

QString percentText(double probability)
{
    return NumberText::format(100 * probability, QStringLiteral("0.0")) + QLatin1Char('%');
}

QString pText(double p)
{
    return p < 1e-4 ? QStringLiteral("p < 0.0001")
                    : QStringLiteral("p = ") + NumberText::format(p, QStringLiteral("0.0000"));
}

SaturationVerdict CompareSaturationFits(const SaturationModelFit &first, const SaturationModelFit &second)
{
    SaturationVerdict verdict;
    const QString firstName = ModelName(first.model), secondName = ModelName(second.model);
    if (!sameData(first, second)) {
        verdict.sentence =
            QStringLiteral("%1 and %2 fit different data, so they cannot be compared.").arg(firstName, secondName);
        return verdict;
    }
    // A model without a result (or a second site not resolved) leaves the other.
    const bool firstStands = first.problem.isEmpty(), secondStands = second.problem.isEmpty();
    if (!firstStands || !secondStands) {
        if (!firstStands && !secondStands) {
            verdict.sentence =
                QStringLiteral("Neither %1 nor %2 gives a result for these data.").arg(firstName, secondName);
            return verdict;
        }
        const SaturationModelFit &standing = firstStands ? first : second;
        const SaturationModelFit &fallen = firstStands ? second : first;
        verdict.prefersFirst = firstStands;
        verdict.sentence = QStringLiteral("The data support %1: %2 gives no result (%3)")
                               .arg(ModelName(standing.model), ModelName(fallen.model),
                                    fallen.unresolved ? QStringLiteral("its second site is not resolved")
                                                      : QStringLiteral("its fit failed"));
        verdict.sentence += QLatin1Char('.');
        if (fallen.result.outcome != FitResult::Fitted || standing.result.outcome != FitResult::Fitted)
            return verdict;
    }
    verdict.compared = true;
    verdict.nested = isSpecialCase(first.model, second.model) || isSpecialCase(second.model, first.model);
    const bool firstSimpler = !isSpecialCase(second.model, first.model);
    const SaturationModelFit &simpler = firstSimpler ? first : second;
    const SaturationModelFit &general = firstSimpler ? second : first;
    verdict.simplerFirst = firstSimpler;
    verdict.comparison = CompareFits(simpler.result, general.result, verdict.nested);
    const ModelComparison &c = verdict.comparison;
    const bool generalWins = c.prefersSecond;
    verdict.prefersFirst = firstSimpler ? !generalWins : generalWins;
    if (!firstStands || !secondStands) {
        // The sentence above stands: a model without a result is never the answer.
        verdict.prefersFirst = firstStands;
        return verdict;
    }
    const SaturationModelFit &winner = generalWins ? general : simpler;
    const SaturationModelFit &loser = generalWins ? simpler : general;
    const double winnerProbability = generalWins ? c.probabilitySecond : c.probabilityFirst;
    const QString aicc = c.aiccAvailable ? QStringLiteral("AICc gives %1 a %2 probability of being right")
                                               .arg(ModelName(winner.model), percentText(winnerProbability))
                                         : QStringLiteral("AICc is not available (a perfect fit or too few points)");
    if (verdict.nested) {
        verdict.sentence = generalWins
                               ? QStringLiteral("The data support %1: it fits significantly better than %2 (F test "
                                                "%3), and %4.")
                               : QStringLiteral("The data support %1: %2 does not fit significantly better (F test "
                                                "%3), and %4.");
        verdict.sentence = verdict.sentence.arg(ModelName(winner.model), ModelName(loser.model), pText(c.p), aicc);
    } else {
        verdict.sentence = QStringLiteral("The data support %1: %2 against %3 (the models are not nested, so there is "
                                          "no F test).")
                               .arg(ModelName(winner.model), aicc, ModelName(loser.model));
    }
    return verdict;
}

} // namespace modStatistics
