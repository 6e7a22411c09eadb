#pragma once

#include "fitting/FitModel.h"

// One class of sites with ligand depletion: X is the total ligand added,
// and the ligand bound is the exact equilibrium of the Equilibrium Tool
// with Total A = X, Total B = the binding sites (Bmax) and Kd:
// Bound = ((X + Bmax + Kd) - sqrt((X + Bmax + Kd)^2 - 4 X Bmax)) / 2,
// in the same unit as X. The binding sites are held at an entered value or fitted.
namespace modStatistics {

class DepletionModel : public Fitting::FitModel
{
public:
    enum Parameter { Bmax, Kd };
    DepletionModel(double sitesStart, bool sitesFixed, double kdStart, const QString &unit);
    std::vector<Fitting::FitParameter> parameters() const override;
    bool value(int set, double x, const std::vector<double> &p, double &y, double *gradient) const override;

private:
    std::vector<Fitting::FitParameter> m_parameters;
};

} // namespace modStatistics
