#pragma once

#include "fitting/FitEngine.h"
#include "fitting/ModelComparison.h"

#include <QString>
#include <QStringList>

#include <memory>

// The saturation binding models as the Saturation Binding window and the
// command line fit them: which models there are, their starting values from
// the data, the fit (several starts for two sites), what the fit warns of,
// and which of two models the data support.
namespace modStatistics {

enum class SaturationModel { OneSite, TotalAndNonspecific, TwoSites, Hill, Depletion };
inline constexpr SaturationModel AllSaturationModels[] = {SaturationModel::OneSite,
                                                          SaturationModel::TotalAndNonspecific,
                                                          SaturationModel::TwoSites, SaturationModel::Hill,
                                                          SaturationModel::Depletion};

// "One site", "Two sites", ...: the name the window lists.
QString ModelName(SaturationModel model);
// "one-site", "total-ns", "two-site", "hill", "depletion": the command line's.
QString ModelKey(SaturationModel model);
bool ModelOfKey(const QString &key, SaturationModel &model);
// The equation in words, for the window and the report.
QString ModelEquation(SaturationModel model);

struct SaturationData
{
    Fitting::FitDataSet binding;     // X and the measured binding (total binding for TotalAndNonspecific)
    Fitting::FitDataSet nonspecific; // TotalAndNonspecific only
    double sites = 0;                // Depletion: the binding-site concentration; 0 fits it
    QString xUnit, yUnit;
};

struct SaturationModelFit
{
    SaturationModel model = SaturationModel::OneSite;
    std::shared_ptr<Fitting::FitModel> curve; // the fitted model, for its curve
    std::vector<Fitting::FitDataSet> sets;    // as fitted
    Fitting::FitResult result;
    bool unresolved = false; // two sites: the second site is not resolved
    QString problem;         // why there is no result (empty with one)
};

// Fits the model to the data. The problem says why there is no fit: too few
// points, no nonspecific data for TotalAndNonspecific, the engine's outcome.
SaturationModelFit FitSaturationModel(SaturationModel model, const SaturationData &data,
                                      const Fitting::FitOptions &options);

// What the results warn of, one sentence each: Bmax an extrapolation (the
// highest X below 3 × Kd), fewer points above Kd than below, a second site
// not resolved, residuals in too few runs, a lack of fit against the
// replicates' scatter.
QStringList SaturationWarnings(const SaturationModelFit &fit);

// Which of two fits the data support, in one plain sentence, with the
// comparison it rests on. Fits of different data cannot be compared.
struct SaturationVerdict
{
    bool compared = false;
    bool nested = false;
    Fitting::ModelComparison comparison; // simpler model first when nested
    bool simplerFirst = true;            // the comparison's first fit is the first as given
    bool prefersFirst = true;            // of the two as given
    QString sentence;
};
SaturationVerdict CompareSaturationFits(const SaturationModelFit &first, const SaturationModelFit &second);

// "p = 0.0123" or "p < 0.0001"; "73.1%".
QString pText(double p);
QString percentText(double probability);

} // namespace modStatistics
