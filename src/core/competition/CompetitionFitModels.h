#pragma once

#include "competition/CompetitionEquilibrium.h"
#include "fitting/FitModel.h"

// The two models of a competition curve: the signal against Total C.
// Every concentration (x, the IC50, Ki and the assay's totals and Kd) is in
// one unit, the caller's; the models do not care which.
namespace modCompetition {

// The four-parameter logistic: y = bottom + (top - bottom) /
// (1 + 10^((log10 x - logIC50) hill)), parameters in that order: top,
// bottom, log IC50 (decimal), Hill slope. x = 0 gives top.
class FourParameterLogistic : public Fitting::FitModel
{
public:
    enum Parameter { Top, Bottom, LogIc50, Hill };

    // Starts read off the data: top and bottom at the ends, the IC50 where
    // the signal crosses half-way, slope 1.
    FourParameterLogistic(double topStart, double bottomStart, double logIc50Start);

    std::vector<Fitting::FitParameter> parameters() const override;
    bool value(int set, double x, const std::vector<double> &p, double &y, double *gradient) const override;

private:
    double m_top, m_bottom, m_logIc50;
};

// The exact competition model: y = bottom + (top - bottom) [A/B](x) /
// [A/B](0), [A/B] the exact three-species equilibrium at Total C = x with
// the assay's Total A, Total B and Kd held fixed. Parameters: Ki, top,
// bottom; the derivative by Ki comes from the sites' balance by implicit
// differentiation.
class ExactCompetitionModel : public Fitting::FitModel
{
public:
    enum Parameter { Ki, Top, Bottom };

    ExactCompetitionModel(double totalA, double totalB, double kd, double kiStart, double topStart, double bottomStart);

    std::vector<Fitting::FitParameter> parameters() const override;
    bool value(int set, double x, const std::vector<double> &p, double &y, double *gradient) const override;

private:
    double m_totalA, m_totalB, m_kd;
    double m_complex0; // [A/B] without competitor
    double m_kiStart, m_top, m_bottom;
};

} // namespace modCompetition
