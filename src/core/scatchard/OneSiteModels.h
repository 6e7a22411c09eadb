#pragma once

#include "fitting/FitModel.h"

// One class of binding sites, Bound = Bmax · X / (Kd + X), fitted to
// specific binding alone, or to total and nonspecific binding together.
namespace modStatistics {

// Specific binding: parameters Bmax, Kd.
class OneSiteModel : public Fitting::FitModel
{
public:
    enum Parameter { Bmax, Kd };
    OneSiteModel(double bmaxStart, double kdStart, const QString &xUnit, const QString &yUnit);
    std::vector<Fitting::FitParameter> parameters() const override;
    bool value(int set, double x, const std::vector<double> &p, double &y, double *gradient) const override;

private:
    std::vector<Fitting::FitParameter> m_parameters;
};

// Total binding (set 0) and nonspecific binding (set 1) fitted together:
// total = Bmax · X / (Kd + X) + NS · X + Background, nonspecific =
// NS · X + Background, the NS slope and the background shared.
class TotalAndNonspecificModel : public Fitting::FitModel
{
public:
    enum Parameter { Bmax, Kd, NS, Background };
    enum Set { Total, Nonspecific };
    TotalAndNonspecificModel(const std::vector<double> &start, const QString &xUnit, const QString &yUnit);
    std::vector<Fitting::FitParameter> parameters() const override;
    bool value(int set, double x, const std::vector<double> &p, double &y, double *gradient) const override;

private:
    std::vector<Fitting::FitParameter> m_parameters;
};

// The curve's parameters a set (x, y) of specific binding suggests: the best
// Kd of a logarithmic scan over the positive X, with its best Bmax.
void OneSiteStart(const Fitting::FitDataSet &set, double &bmax, double &kd);

// The nonspecific line's slope and background by least squares (the
// background 0 and the slope through the origin when the X are too few or all equal).
void NonspecificStart(const Fitting::FitDataSet &set, double &slope, double &background);

} // namespace modStatistics
