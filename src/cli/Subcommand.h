#pragma once

#include "cli/Arguments.h"

#include <vector>

// One subcommand of vornish-cli: its name, its help and what it runs. The
// table of every subcommand is Subcommands(). Adding one is a file of its own
// (SolveCommand.cpp shows the shape) with a function returning its
// Subcommand, declared below, listed in the table and in CMakeLists.txt.
namespace cli {

struct Subcommand
{
    const char *name;
    const char *summary;     // one line in the program's help
    const char *operands;    // after "[options]" in the usage line, e.g. "FILE"; "" for none
    const char *description; // the paragraphs of its help, lines of at most 79 characters
    std::vector<Option> options;
    int operandCount = 0; // positional operands it takes (exactly)
    // Runs with the parsed arguments; returns normally on success and throws
    // UsageError or Refusal otherwise.
    void (*run)(const Arguments &arguments) = nullptr;
};

const Subcommand &SolveCommand();
const Subcommand &SweepCommand();
const Subcommand &ScatchardCommand();
const Subcommand &FitCommand();
const Subcommand &SimulateCommand();
const Subcommand &KineticsCommand();
const Subcommand &CompeteCommand();
const Subcommand &KiCommand();
const Subcommand &FitCompetitionCommand();
const Subcommand &FitKineticsCommand();
const Subcommand &PlanCommand();

// Every subcommand, in the order the help lists them.
const std::vector<const Subcommand *> &Subcommands();

} // namespace cli
