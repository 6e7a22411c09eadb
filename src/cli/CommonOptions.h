#pragma once

#include "cli/Arguments.h"
#include "cli/Output.h"
#include "cli/Quantities.h"

// Options that several subcommands share, and how they are read.
namespace cli {

Option FormatOption(const char *help);
Option UnitOption();
Option NoHeaderOption();
Option OutputOption();

// --format, or fallback when it is not given.
Format FormatOf(const Arguments &arguments, Format fallback);
// --unit, nM when it is not given (the program's start-up unit).
Unit UnitOf(const Arguments &arguments);

} // namespace cli
