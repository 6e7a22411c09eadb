#pragma once

#include "fitting/FitModel.h"
#include "kineticsfit/KineticTraces.h"

#include <vector>

// The models of a global kinetics fit. Each trace's signal is
//   baseline + scale * occupancy(t),
// the occupancy (the fraction of the sites bound) following the model from
// the rate constants, which every trace shares; the scale (the signal of
// full occupancy) and the baseline are the trace's own or shared. The
// parameters are the model's rate constants, then the scales, then the
// baselines, in the traces' units.
namespace KineticsFit {

enum class Model {
    PseudoFirstOrder,            // (a) k_obs = k_ass [L] + k_diss, ligand in excess
    AssociationThenDissociation, // (b) as (a), each trace washed out at its dissociation start
    Dissociation,                // (c) one-phase decay from the dissociation start: k_diss
    Exact,                       // (d) 1:1 with depletion of the ligand by Total B
    Competitive,                 // (e) the labelled ligand's association with a competitor: k3, k4
    ObservedRate,                // one exponential approach per trace sharing k_obs
};

enum class Sharing { PerTrace, Shared };
enum class Baseline { PerTrace, Shared, Zero };

struct ModelOptions
{
    Model model = Model::PseudoFirstOrder;
    Sharing scale = Sharing::PerTrace;
    Baseline baseline = Baseline::PerTrace;
    // The second rate parameter is the dissociation constant (k_diss =
    // Kd k_ass, or k4 = Ki k3), so that its profile interval is Kd's own.
    bool kdForm = false;
    // The exact model: the binding sites, entered or fitted from there.
    double totalB = 0.0;
    bool fitTotalB = false;
    // The competitive model: the labelled ligand's concentration and constants.
    double ligand = 0.0, ligandKAss = 0.0, ligandKDiss = 0.0;
};

// The number of rate parameters (k_ass and k_diss, Total B, k3 and k4, k_obs).
int RateParameterCount(Model model);

class KineticModel : public Fitting::FitModel
{
public:
    // rates: the starts of the rate parameters (the second one as k_diss or
    // Kd per kdForm); scales and baselines: one start per trace, averaged
    // where shared.
    KineticModel(const ModelOptions &options, std::vector<Trace> traces, std::vector<double> rates,
                 std::vector<double> scales, std::vector<double> baselines);

    std::vector<Fitting::FitParameter> parameters() const override;
    bool value(int set, double x, const std::vector<double> &p, double &y, double *gradient) const override;

    // The fraction of the sites bound in trace `set` at time t under the
    // rate parameters (k_ass, k_diss or Kd, ...) at their places in p.
    double occupancy(int set, double t, const std::vector<double> &p) const;

    int scaleIndex(int set) const;
    int baselineIndex(int set) const;
    const ModelOptions &options() const { return m_options; }
    const std::vector<Trace> &traces() const { return m_traces; }
    // The data sets of the traces: time and signal.
    std::vector<Fitting::FitDataSet> dataSets() const;

private:
    // The occupancy and, where it is analytic, its derivatives by the rate
    // parameters as the model states them (false where it is not).
    bool course(const Trace &trace, double t, const double *rates, double &f, double *df) const;

    ModelOptions m_options;
    int m_rateCount = 0; // RateParameterCount of the model: the rate parameters come first
    std::vector<Trace> m_traces;
    std::vector<double> m_rates, m_scales, m_baselines;
};

} // namespace KineticsFit
