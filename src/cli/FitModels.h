#pragma once

#include "cli/Arguments.h"

// "fit" with a model: X and replicate Y columns (or the pairs converted),
// the saturation models, weighting, nonspecific binding, a second model
// compared, and a batch of sets in one run.
namespace cli {

// Whether the arguments ask for the models' fit rather than the pairs' curve fit.
bool WantsModelFit(const Arguments &arguments);

void RunModelFit(const Arguments &arguments);

} // namespace cli
