#include "exchange/ScatchardCsv.h"

#include "exchange/CsvText.h"
#include "platform/RuntimeFault.h"
#include "scatchard/KdInterval.h"
#include "scatchard/LinearRegression.h"
#include "scatchard/StudentT.h"

namespace ScatchardCsv {
namespace {

using namespace modStatistics;

void commentLine(std::string &out, const QString &name, double value, const QString &unit = QString())
{
    out += "# ";
    out += name.toUtf8().constData();
    out += ": ";
    CsvText::appendNumber(out, value);
    if (!unit.isEmpty()) {
        out += ' ';
        out += unit.toUtf8().constData();
    }
    CsvText::endRecord(out);
}

void commentText(std::string &out, const QString &text)
{
    out += "# ";
    out += text.toUtf8().constData();
    CsvText::endRecord(out);
}

void fitBlock(std::string &out, const std::vector<double> &x, const std::vector<double> &y, const QString &unit)
{
    const size_t n = x.size();
    if (n < 3) {
        commentText(out, QStringLiteral("No fit: at least three data points are needed."));
        return;
    }
    try {
        const LineFit fit = FitLine(quint8(n), x, y);
        double t = 0;
        StudentT(0.025, int(n), t);
        commentText(out, QStringLiteral("Linear regression of Bound/Free on Bound"));
        commentLine(out, QStringLiteral("Intercept"), fit.intercept);
        commentLine(out, QStringLiteral("Slope"), fit.slope, QStringLiteral("1/") + unit);
        commentLine(out, QStringLiteral("SE of slope"), fit.seSlope, QStringLiteral("1/") + unit);
        commentLine(out, QStringLiteral("df"), double(n - 2));
        commentLine(out, QStringLiteral("Kd"), KdOfSlope(fit.slope), unit);
        const KdInterval interval = KdConfidenceInterval(fit.slope, fit.seSlope, t);
        if (interval.kind == KdInterval::Invalid) {
            commentText(out, QStringLiteral("Kd 95% confidence interval: Invalid"));
            return;
        }
        commentLine(out, QStringLiteral("Kd 95% confidence interval, low"), interval.low, unit);
        if (interval.kind == KdInterval::Finite)
            commentLine(out, QStringLiteral("Kd 95% confidence interval, high"), interval.high, unit);
        else
            commentText(out, QStringLiteral("Kd 95% confidence interval, high: plus infinite"));
    } catch (const RuntimeFault &) {
        commentText(out, QStringLiteral("No fit: the data give no line (all Bound values equal, or out of range)."));
    }
}

} // namespace

std::string Text(const std::vector<double> &bound, const std::vector<double> &ratio, const QString &unit)
{
    std::string out;
    commentText(out, QStringLiteral("Scatchard analysis, concentrations in ") + unit);
    fitBlock(out, bound, ratio, unit);
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
