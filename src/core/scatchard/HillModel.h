#pragma once

#include "fitting/FitModel.h"

// One class of sites with a Hill slope h: Bound = Bmax · X^h / (Kd^h + X^h)
// (h = 1 is one site; h > 1 positive, h < 1 negative cooperativity or
// several sites).
namespace modStatistics {

class HillModel : public Fitting::FitModel
{
public:
    enum Parameter { Bmax, Kd, Hill };
    HillModel(const std::vector<double> &start, const QString &xUnit, const QString &yUnit);
    std::vector<Fitting::FitParameter> parameters() const override;
    bool value(int set, double x, const std::vector<double> &p, double &y, double *gradient) const override;

private:
    std::vector<Fitting::FitParameter> m_parameters;
};

} // namespace modStatistics
