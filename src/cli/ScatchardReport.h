#pragma once

#include "cli/PairsFile.h"
#include "scatchard/KdInterval.h"
#include "scatchard/LinearRegression.h"

#include <QString>

// The Scatchard analysis of a pairs file as "scatchard" prints it, for the
// subcommands that print it too.
namespace cli {

struct ScatchardReport
{
    modStatistics::LineFit fit;
    int df = 0;
    double t = 0;
    double kd = 0;
    modStatistics::KdInterval interval;
};

// The window's analysis run on the pairs: the same fit, table t, Kd and
// interval, with its warnings on standard error. Throws Refusal with the
// tool's text for no pairs, fewer than three, or a fault.
ScatchardReport AnalyzeScatchardPairs(const Pairs &pairs);

// Aligned "label value" lines, one CSV record (after a header line when
// header is set), one JSON object; each ends in a line feed.
QString ScatchardText(const ScatchardReport &report, const QString &unit);
QString ScatchardCsv(const ScatchardReport &report, const QString &unit, bool header);
QString ScatchardJson(const ScatchardReport &report, const QString &unit, long long n);

} // namespace cli
