#pragma once

#include "fitting/FitModel.h"

// Two independent classes of binding sites:
// Bound = Bmax1 · X / (Kd1 + X) + Bmax2 · X / (Kd2 + X).
namespace modStatistics {

class TwoSiteModel : public Fitting::FitModel
{
public:
    enum Parameter { Bmax1, Kd1, Bmax2, Kd2 };
    TwoSiteModel(const std::vector<double> &start, const QString &xUnit, const QString &yUnit);
    std::vector<Fitting::FitParameter> parameters() const override;
    bool value(int set, double x, const std::vector<double> &p, double &y, double *gradient) const override;

private:
    std::vector<Fitting::FitParameter> m_parameters;
};

} // namespace modStatistics
