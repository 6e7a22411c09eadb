#pragma once

#include "fitting/FitModel.h"

namespace modStatistics {

// A parameter of a binding model that only positive values make sense for
// (a concentration of sites, a Kd, a Hill slope): its lower bound is 0.
inline Fitting::FitParameter PositiveParameter(const QString &name, double start, const QString &unit,
                                               bool fixed = false)
{
    Fitting::FitParameter parameter(name, start, unit);
    parameter.lower = 0.0;
    parameter.fixed = fixed;
    return parameter;
}

} // namespace modStatistics
