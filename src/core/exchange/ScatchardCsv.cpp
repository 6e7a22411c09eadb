#include "exchange/ScatchardCsv.h"

#include "exchange/CsvText.h"
#include "platform/RuntimeFault.h"
#include "scatchard/KdInterval.h"
#include "scatchard/LinearRegression.h"
#include "scatchard/SaturationComparison.h"
#include "scatchard/SaturationFitTexts.h"
#include "scatchard/StudentT.h"

#include <limits>

namespace ScatchardCsv {
namespace {

using namespace modStatistics;

constexpr double none = std::numeric_limits<double>::quiet_NaN();

// One result: its name, value and unit, and where there are, its standard
// error, its 95 % interval and a note. A cell without a value stays empty.
void appendRow(std::string &out, const QString &name, double value, const QString &unit, double se = none,
               double low = none, double high = none, const QString &note = QString())
{
    CsvText::appendField(out, name);
    out += ',';
    CsvText::appendNumber(out, value);
    out += ',';
    CsvText::appendField(out, unit);
    for (const double v : {se, low, high}) {
        out += ',';
        CsvText::appendNumber(out, v);
    }
    out += ',';
    CsvText::appendField(out, note);
    CsvText::endRecord(out);
}

// Why a result is missing, in the row of its name.
void appendMissing(std::string &out, const QString &name, const QString &why)
{
    appendRow(out, name, none, QString(), none, none, none, why);
}

void appendLine(std::string &out, const std::vector<double> &x, const std::vector<double> &y, const QString &unit)
{
    const size_t n = x.size();
    if (n < 3)
        return appendMissing(out, QStringLiteral("Scatchard line"),
                             QStringLiteral("At least three data points are needed."));
    try {
        const LineFit fit = FitLine(quint8(n), x, y);
        double t = 0;
        StudentT(0.025, int(n), t);
        const QString perUnit = QStringLiteral("1/") + unit;
        appendRow(out, QStringLiteral("Scatchard intercept"), fit.intercept, QString());
        appendRow(out, QStringLiteral("Scatchard slope"), fit.slope, perUnit, fit.seSlope);
        appendRow(out, QStringLiteral("Scatchard degrees of freedom"), double(n - 2), QString());
        const double kd = KdOfSlope(fit.slope);
        const KdInterval interval = KdConfidenceInterval(fit.slope, fit.seSlope, t);
        if (interval.kind == KdInterval::Invalid)
            appendRow(out, QStringLiteral("Scatchard Kd"), kd, unit, none, none, none,
                      QStringLiteral("95% confidence interval: Invalid"));
        else if (interval.kind == KdInterval::OpenAbove)
            appendRow(out, QStringLiteral("Scatchard Kd"), kd, unit, none, interval.low, none,
                      QStringLiteral("95% confidence interval: high plus infinite"));
        else
            appendRow(out, QStringLiteral("Scatchard Kd"), kd, unit, none, interval.low, interval.high);
    } catch (const RuntimeFault &) {
        appendMissing(out, QStringLiteral("Scatchard line"),
                      QStringLiteral("The data give no line (all Bound values equal, or out of range)."));
    }
}

void appendSaturationFit(std::string &out, const std::vector<double> &x, const std::vector<double> &y,
                         const QString &unit)
{
    const SaturationFit fit = CompareAnalyses(x, y).fit;
    if (fit.outcome != SaturationFit::Fitted)
        return appendMissing(out, QStringLiteral("Saturation fit"), FitOutcomeText(fit.outcome));
    const bool bounded = fit.kdProfile.kind == ProfileInterval::Finite;
    appendRow(out, QStringLiteral("Saturation fit Kd (profile interval)"), fit.kd, unit, fit.seKd, fit.kdProfile.low,
              bounded ? fit.kdProfile.high : none, bounded ? QString() : OpenAboveText());
    appendRow(out, QStringLiteral("Saturation fit Kd (estimate +/- t SE)"), fit.kd, unit, fit.seKd, fit.kdLow,
              fit.kdHigh);
    appendRow(out, QStringLiteral("Saturation fit Bmax"), fit.bmax, unit, fit.seBmax, fit.bmaxLow, fit.bmaxHigh);
    appendRow(out, QStringLiteral("Saturation fit residual SD"), fit.residualSD, unit);
    appendRow(out, QStringLiteral("Saturation fit R squared"), fit.rSquared, QString());
    appendRow(out, QStringLiteral("Saturation fit degrees of freedom"), double(fit.df), QString());
}

} // namespace

std::string Text(const std::vector<double> &bound, const std::vector<double> &ratio, const QString &unit)
{
    std::string out = "# Scatchard analysis, concentrations in " + unit.toStdString();
    CsvText::endRecord(out);
    out += CsvText::record({QStringLiteral("Result"), QStringLiteral("Value"), QStringLiteral("Unit"),
                            QStringLiteral("SE"), QStringLiteral("95% low"), QStringLiteral("95% high"),
                            QStringLiteral("Note")});
    appendLine(out, bound, ratio, unit);
    appendSaturationFit(out, bound, ratio, unit);
    CsvText::endRecord(out);
    out += CsvText::record({QStringLiteral("Bound (%1)").arg(unit), QStringLiteral("Bound/Free (unitless)")});
    for (size_t i = 0; i < bound.size(); ++i) {
        CsvText::appendNumber(out, bound[i]);
        out += ',';
        CsvText::appendNumber(out, ratio[i]);
        CsvText::endRecord(out);
    }
    return out;
}

} // namespace ScatchardCsv
