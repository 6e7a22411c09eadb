#pragma once

#include <QString>

#include <limits>
#include <vector>

// What the fit engine fits: a model over one or several data sets whose
// parameters may be shared between the sets.
namespace Fitting {

// One parameter of a model: its name as the results show it, where the
// fit starts, the values it may take, and whether it is held fixed.
struct FitParameter
{
    FitParameter() = default;
    FitParameter(const QString &name, double start, const QString &unit = {})
        : name(name)
        , start(start)
        , unit(unit)
    {
    }
    FitParameter(const QString &name, double start, double lower, double upper, bool fixed, const QString &unit)
        : name(name)
        , start(start)
        , lower(lower)
        , upper(upper)
        , fixed(fixed)
        , unit(unit)
    {
    }

    QString name;
    double start = 0.0;
    double lower = -std::numeric_limits<double>::infinity();
    double upper = std::numeric_limits<double>::infinity();
    bool fixed = false;
    QString unit; // shown beside the value in results and CSV
    // The curve is this parameter times a term that no linear parameter
    // changes, plus terms without it (a trace's scale or baseline), and it
    // has no bounds: the engine then solves for it in closed form at every
    // step and searches only the others. The model's derivatives must be
    // analytic for this to pay.
    bool linear = false;
};

// The measured points of one data set. A weight is the reciprocal of the
// variance of its point; empty weights are all 1. Replicates are repeated
// points with the same x.
struct FitDataSet
{
    std::vector<double> x, y;
    std::vector<double> weight;
};

// A model's curve and its derivatives. Sharing is the model's own: it
// reads the parameters a set uses from the one parameter vector (a global
// kinetics fit uses p[0] and p[1] for every trace and p[2 + set] for the
// trace's own scale).
class FitModel
{
public:
    virtual ~FitModel() = default;

    // The parameters in the order value() reads them, with their starts.
    virtual std::vector<FitParameter> parameters() const = 0;

    // The curve at x for data set `set`. When gradient is not null it
    // receives d value / d p for every parameter (fixed ones included).
    // A model without analytic derivatives returns false when gradient is
    // not null and the engine differentiates it numerically.
    virtual bool value(int set, double x, const std::vector<double> &p, double &y, double *gradient) const = 0;
};

} // namespace Fitting
