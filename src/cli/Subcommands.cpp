#include "cli/Subcommand.h"

namespace cli {

const std::vector<const Subcommand *> &Subcommands()
{
    static const std::vector<const Subcommand *> table = {
        &SolveCommand(),    &SweepCommand(),          &ScatchardCommand(),   &FitCommand(),
        &SimulateCommand(), &KineticsCommand(),       &FitKineticsCommand(), &CompeteCommand(),
        &KiCommand(),       &FitCompetitionCommand(), &PlanCommand(),
    };
    return table;
}

} // namespace cli
