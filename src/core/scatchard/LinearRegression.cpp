#include "scatchard/LinearRegression.h"

#include "platform/Messages.h"
#include "platform/RuntimeFault.h"
#include "scatchard/DoubleDouble.h"

#include <cmath>

namespace modStatistics {

using namespace DoubleDouble;

namespace {

Value mean(int n, const std::vector<double> &v)
{
    Value sum;
    for (int i = 0; i < n; ++i)
        sum = add(sum, {v[i], 0.0});
    return divide(sum, {double(n), 0.0});
}

double finite(Value v)
{
    return fault::checkedFinite(toDouble(v));
}

} // namespace

LineFit FitLine(int n, const std::vector<double> &x, const std::vector<double> &y)
{
    if (n < 3 || x.size() < std::size_t(n) || y.size() < std::size_t(n))
        throw RuntimeFault::divisionByZero();

    const Value xMean = mean(n, x);
    const Value yMean = mean(n, y);
    std::vector<Value> dx(n), dy(n);
    Value sxx, sxy;
    for (int i = 0; i < n; ++i) {
        dx[i] = subtract({x[i], 0.0}, xMean);
        dy[i] = subtract({y[i], 0.0}, yMean);
        sxx = add(sxx, multiply(dx[i], dx[i]));
        sxy = add(sxy, multiply(dx[i], dy[i]));
    }
    fault::checkedFinite(sxx.hi);
    fault::checkedFinite(sxy.hi);
    if (sxx.hi == 0.0)
        throw RuntimeFault::divisionByZero();

    const Value slope = divide(sxy, sxx);
    const Value intercept = subtract(yMean, multiply(slope, xMean));

    // Residuals in centred form: the same as y - (x * slope + intercept),
    // without the cancellation between x * slope and intercept.
    Value ssRes;
    for (int i = 0; i < n; ++i) {
        const Value r = subtract(dy[i], multiply(slope, dx[i]));
        ssRes = add(ssRes, multiply(r, r));
    }
    fault::checkedFinite(ssRes.hi);

    LineFit fit;
    fit.slope = finite(slope);
    fit.intercept = finite(intercept);
    fit.perfectFit = ssRes.hi == 0.0;
    const Value variance = divide(divide(ssRes, {double(n - 2), 0.0}), sxx);
    fit.seSlope = fault::checkedFinite(std::sqrt(toDouble(variance)));
    return fit;
}

void LinearRegression(quint8 n, const std::vector<double> &x, const std::vector<double> &y, double &intercept,
                      double &slope, double &seSlope)
{
    const LineFit fit = FitLine(n, x, y);
    intercept = fit.intercept;
    slope = fit.slope;
    seSlope = fit.seSlope;
    if (fit.perfectFit)
        Messages::show(PerfectFitText(), Messages::Buttons::Ok, Messages::Icon::Exclamation,
                       QStringLiteral("Statistical analysis not necessary"));
}

QString PerfectFitText()
{
    return QStringLiteral("The standard deviation of the slope equals zero. ") + Messages::lineBreak()
           + QStringLiteral("Therefore, the best fit is a perfect fit.");
}

} // namespace modStatistics
