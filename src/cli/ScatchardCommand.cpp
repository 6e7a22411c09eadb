#include "cli/CommandLine.h"
#include "cli/CommonOptions.h"
#include "cli/Failures.h"
#include "cli/PairsFile.h"
#include "cli/ScatchardReport.h"
#include "cli/Subcommand.h"
#include "platform/RuntimeFault.h"
#include "scatchard/KdInterval.h"
#include "scatchard/LinearRegression.h"
#include "scatchard/ScatchardMessages.h"
#include "scatchard/StudentT.h"

namespace cli {
namespace {

using namespace modStatistics;

// Rows with values not above zero are reported and still used, as in the
// window; past a few, one line tells how many more there are.
constexpr int ReportedValues = 5;

// One warning a row, however many of its two values are not above zero.
void warnAboutValuesNotAboveZero(const Pairs &pairs)
{
    long long count = 0;
    for (std::size_t i = 0; i < pairs.bound.size(); ++i) {
        if (pairs.bound[i] > 0 && pairs.ratio[i] > 0)
            continue;
        if (++count <= ReportedValues)
            Warn(QStringLiteral("scatchard: line %1: ").arg(pairs.lines[i]) + InvalidInputText());
    }
    if (count > ReportedValues)
        Warn(QStringLiteral("scatchard: %1 more rows hold values not greater than zero").arg(count - ReportedValues));
}

} // namespace

ScatchardReport AnalyzeScatchardPairs(const Pairs &pairs)
{
    const int n = int(pairs.bound.size());
    if (n == 0)
        throw Refusal{InvalidInputText()};
    warnAboutValuesNotAboveZero(pairs);
    if (n < 3)
        throw Refusal{InsufficientInputText()};
    ScatchardReport a;
    try {
        a.fit = FitLine(n, pairs.bound, pairs.ratio);
        if (a.fit.perfectFit)
            Warn(QStringLiteral("scatchard: ") + PerfectFitText());
        a.df = n - 2;
        a.t = ScatchardStudentT(n);
        a.kd = KdOfSlope(a.fit.slope);
        if (a.fit.slope >= 0)
            Warn(QStringLiteral("scatchard: ") + PositiveSlopeText());
        a.interval = KdConfidenceInterval(a.fit.slope, a.fit.seSlope, a.t);
        if (a.interval.kind == KdInterval::OpenAbove)
            Warn(QStringLiteral("scatchard: ") + InconclusiveDataText());
    } catch (const RuntimeFault &) {
        throw Refusal{InvalidInputText()};
    }
    return a;
}

namespace {

QString number(double v)
{
    return QString::fromStdString(NumberText(v));
}

// The window's interval texts, with every digit.
QString intervalText(const KdInterval &interval, const QString &unit)
{
    switch (interval.kind) {
    case KdInterval::Finite:
        return number(interval.low) + QLatin1Char(' ') + unit + QStringLiteral(" < Kd < ") + number(interval.high)
               + QLatin1Char(' ') + unit;
    case KdInterval::OpenAbove:
        return number(interval.low) + QLatin1Char(' ') + unit + QStringLiteral(" < Kd < plus infinite");
    case KdInterval::Invalid:
        break;
    }
    return QStringLiteral("Invalid");
}

const char *kindName(KdInterval::Kind kind)
{
    switch (kind) {
    case KdInterval::Finite:
        return "finite";
    case KdInterval::OpenAbove:
        return "open above";
    case KdInterval::Invalid:
        break;
    }
    return "invalid";
}

} // namespace

QString ScatchardText(const ScatchardReport &a, const QString &unit)
{
    const std::pair<const char *, QString> lines[] = {
        {"Intercept:", number(a.fit.intercept)},
        {"Slope:", number(a.fit.slope)},
        {"Standard Error of the slope:", number(a.fit.seSlope)},
        {"Degrees of freedom (df):", QString::number(a.df)},
        {"Calculated  Kd:", number(a.kd) + QLatin1Char(' ') + unit},
        {"95% Confidence interval for Kd:", intervalText(a.interval, unit)},
    };
    QString out;
    for (const auto &[label, value] : lines)
        out += QString::fromLatin1(label).leftJustified(33) + value + QLatin1Char('\n');
    return out;
}

QString ScatchardCsv(const ScatchardReport &a, const QString &unit, bool header)
{
    const bool finite = a.interval.kind == KdInterval::Finite;
    const bool low = finite || a.interval.kind == KdInterval::OpenAbove;
    QString out;
    if (header)
        out = QStringLiteral("Intercept,Slope,SE(b),df,t,Kd (%1),Kd low (%1),Kd high (%1),Interval\n").arg(unit);
    return out
           + QStringList{number(a.fit.intercept),
                         number(a.fit.slope),
                         number(a.fit.seSlope),
                         QString::number(a.df),
                         number(a.t),
                         number(a.kd),
                         low ? number(a.interval.low) : QString(),
                         finite ? number(a.interval.high) : QString(),
                         QLatin1String(kindName(a.interval.kind))}
                 .join(QLatin1Char(','))
           + QLatin1Char('\n');
}

QString ScatchardJson(const ScatchardReport &a, const QString &unit, long long n)
{
    QString interval = QStringLiteral("{\"kind\":\"%1\"").arg(QLatin1String(kindName(a.interval.kind)));
    if (a.interval.kind != KdInterval::Invalid)
        interval += QStringLiteral(",\"low\":") + number(a.interval.low);
    if (a.interval.kind == KdInterval::Finite)
        interval += QStringLiteral(",\"high\":") + number(a.interval.high);
    interval += QLatin1Char('}');
    return QStringLiteral("{\"n\":%1,\"intercept\":%2,\"slope\":%3,\"seSlope\":%4,\"df\":%5,\"t\":%6,\"kd\":%7,"
                          "\"unit\":%8,\"interval\":%9}\n")
        .arg(n)
        .arg(number(a.fit.intercept), number(a.fit.slope), number(a.fit.seSlope), QString::number(a.df), number(a.t),
             number(a.kd), QString::fromStdString(JsonString(unit)), interval);
}

namespace {

void run(const Arguments &arguments)
{
    const Unit unit = UnitOf(arguments);
    const Format format = FormatOf(arguments, Format::Text);
    const Pairs pairs = ReadPairsOf(arguments);
    const ScatchardReport a = AnalyzeScatchardPairs(pairs);
    QString result;
    switch (format) {
    case Format::Text:
        result = ScatchardText(a, unit.name);
        break;
    case Format::Csv:
        result = ScatchardCsv(a, unit.name, !arguments.has("no-header"));
        break;
    case Format::Json:
        result = ScatchardJson(a, unit.name, (long long)pairs.bound.size());
        break;
    }
    OutputStream out(arguments.value("output"));
    out.write(result.toStdString());
    out.commit();
}

} // namespace

const Subcommand &ScatchardCommand()
{
    static const Subcommand command = [] {
        Subcommand s{
            "scatchard",
            "Kd and its 95 % interval from (Bound, Bound/Free) pairs in a file.",
            "FILE | --project FILE --table NAME",
            "Reads pairs (Bound, Bound/Free) from FILE, or from standard input for \"-\",\n"
            "fits the Scatchard line by least squares as the Scatchard Analysis Tool does,\n"
            "and prints intercept, slope, the standard error of the slope, df, Kd = -1/slope\n"
            "and its 95 % confidence interval: finite, open above (\"plus infinite\") or\n"
            "\"Invalid\". The file is read as the tool's Open Data reads it: one pair a\n"
            "line (LF, CR LF or CR), separated by a tab, a semicolon, a comma or blanks,\n"
            "\".\" or \",\" as the decimal point; lines of text (headers), blank lines and\n"
            "lines starting with # are skipped, and a line that starts like a number but\n"
            "is not a pair of numbers is refused with its line number. Bound is in the\n"
            "unit of --unit and nothing is converted: Kd comes out in that unit. Any\n"
            "number of pairs is read; t is the tool's table value up to df 20 and the\n"
            "exact Student t quantile past it.\n"
            "The tool's warnings (perfect fit, positive slope, inconclusive data, values\n"
            "not greater than zero) go to standard error and the results are still given.\n\n"
            "With --project and --table the pairs are the rows of a project's data table\n"
            "(the Scatchard window's is \"Scatchard\"), refused by row number.\n\n"
            "Example: vornish-cli scatchard --format json binding.csv\n",
            {},
            1,
        };
        s.options.push_back(ProjectOption());
        s.options.push_back(TableOption());
        s.options.push_back(UnitOption());
        s.options.push_back(FormatOption("csv, json or text (default text)."));
        s.options.push_back(NoHeaderOption());
        s.options.push_back(OutputOption());
        s.run = run;
        return s;
    }();
    return command;
}

} // namespace cli
