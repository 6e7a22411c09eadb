#include "cli/CommonOptions.h"

namespace cli {

Option FormatOption(const char *help)
{
    return {"format", "FORMAT", help};
}

Option UnitOption()
{
    return {"unit", "UNIT",
            "Concentration unit of values without one and of the results: M, mM, uM, nM, "
            "pM or fM (default nM)."};
}

Option NoHeaderOption()
{
    return {"no-header", nullptr, "Leave out the CSV header line (for appending to a file)."};
}

Option OutputOption()
{
    return {"output", "FILE", "Write to FILE instead of standard output; it appears only when complete."};
}

Format FormatOf(const Arguments &arguments, Format fallback)
{
    return arguments.has("format") ? ParseFormat(arguments.value("format")) : fallback;
}

Unit UnitOf(const Arguments &arguments)
{
    if (!arguments.has("unit"))
        return {QStringLiteral("nM"), 1e-9};
    return ConcentrationUnit(arguments.value("unit"), QStringLiteral("--unit"));
}

} // namespace cli
