#include "TestFixture.h"
#include "TestMain.h"

#include "fitting/FitEngine.h"
#include "fitting/ModelComparison.h"

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Fitting;

namespace {

using Values = std::vector<double>;

FitParameter parameter(const char *name, double start)
{
    FitParameter made;
    made.name = QString::fromLatin1(name);
    made.start = start;
    return made;
}

bool near(double value, double reference, double relative)
{
    return std::fabs(value - reference) <= relative * std::fabs(reference);
}

// y = Vm x / (K + x), started from the given values; Vm stated as linear
// or not (the engine then solves for it at every step, or searches it).
// Beyond kLimit there is no curve (as for a model whose solver fails beyond
// some value): a trial step there must be rejected.
class Hyperbola : public FitModel
{
public:
    Hyperbola(double vm, double k, bool vmLinear = false, double kLimit = INFINITY)
        : vm_(vm)
        , k_(k)
        , vmLinear_(vmLinear)
        , kLimit_(kLimit)
    {
    }
    std::vector<FitParameter> parameters() const override
    {
        FitParameter vm = parameter("Vm", vm_), k = parameter("K", k_);
        vm.linear = vmLinear_;
        k.lower = 0;
        return {vm, k};
    }
    bool value(int, double x, const Values &p, double &y, double *gradient) const override
    {
        if (p[1] > kLimit_) {
            y = std::nan("");
            return true;
        }
        y = p[0] * x / (p[1] + x);
        if (gradient) {
            gradient[0] = x / (p[1] + x);
            gradient[1] = -p[0] * x / ((p[1] + x) * (p[1] + x));
        }
        return true;
    }

private:
    double vm_, k_;
    bool vmLinear_;
    double kLimit_;
};

// y = b x: one parameter, so its profile is the parabola of the residual
// sum of squares and its weighted fits have closed forms.
class Proportional : public FitModel
{
public:
    std::vector<FitParameter> parameters() const override { return {parameter("b", 1.0)}; }
    bool value(int, double x, const Values &p, double &y, double *gradient) const override
    {
        y = p[0] * x;
        if (gradient)
            gradient[0] = x;
        return true;
    }
};

// Set s: y = a_s exp(-k x), with k shared and no derivatives given, so
// the engine differentiates it; a_1 may be held at its start.
class SharedDecay : public FitModel
{
public:
    explicit SharedDecay(bool fixSecondScale)
        : fixSecond_(fixSecondScale)
    {
    }
    std::vector<FitParameter> parameters() const override
    {
        FitParameter k = parameter("k", 0.5), a0 = parameter("a0", 1.0), a1 = parameter("a1", 1.0);
        if (fixSecond_)
            a1.start = 7.0;
        a1.fixed = fixSecond_;
        return {k, a0, a1};
    }
    bool value(int set, double x, const Values &p, double &y, double *gradient) const override
    {
        y = p[size_t(1 + set)] * std::exp(-p[0] * x);
        return gradient == nullptr;
    }

private:
    bool fixSecond_;
};

// y = (a b) x: a and b cannot be told apart.
class Confounded : public FitModel
{
public:
    std::vector<FitParameter> parameters() const override { return {parameter("a", 1.0), parameter("b", 2.0)}; }
    bool value(int, double x, const Values &p, double &y, double *gradient) const override
    {
        y = p[0] * p[1] * x;
        if (gradient) {
            gradient[0] = p[1] * x;
            gradient[1] = p[0] * x;
        }
        return true;
    }
};

const Values ratioX = {1, 2, 4, 8, 16}, ratioY = {1.3, 1.7, 4.6, 7.2, 17.5};

// R's Puromycin data, treated.
const Values puromycinConc = {0.02, 0.02, 0.06, 0.06, 0.11, 0.11, 0.22, 0.22, 0.56, 0.56, 1.10, 1.10};
const Values puromycinRate = {76, 47, 97, 107, 123, 139, 159, 152, 191, 201, 207, 200};

} // namespace

class FitEngineTest : public QObject
{
    Q_OBJECT
private slots:
    void puromycinIsTheLeastSquaresMinimum_data()
    {
        QTest::addColumn<bool>("vmLinear");
        QTest::newRow("Vm searched") << false;
        QTest::newRow("Vm solved for") << true;
    }

    void puromycinIsTheLeastSquaresMinimum()
    {
        // The minimum computed to 40 digits (R's nls stops short of it at
        // its default tolerance).
        QFETCH(bool, vmLinear);
        const FitResult fit = Fit(Hyperbola(200, 0.1, vmLinear), {{puromycinConc, puromycinRate, {}}});
        QCOMPARE(fit.outcome, FitResult::Fitted);
        QVERIFY(near(fit.value(0), 212.6837431, 5e-8));
        QVERIFY(near(fit.value(1), 0.06412128, 5e-8));
        QVERIFY(near(fit.parameters[0].se, 6.947155, 5e-7));
        QVERIFY(near(fit.parameters[1].se, 0.008280950, 5e-7));
        QVERIFY(near(fit.residualSS, 1195.448814, 5e-9));
        QCOMPARE(fit.df, 10);
        // AICc with K = 3: n ln(SS/n) + 2K + 2K(K+1)/(n-K-1).
        QVERIFY(near(fit.aicc, 12 * std::log(1195.448814 / 12) + 6 + 24.0 / 8, 1e-9));
        QVERIFY(fit.correlationOf(0, 1) > 0.5 && fit.correlationOf(0, 1) < 1);

        // From far off, the first steps overshoot K into the region with no
        // curve; they must be rejected and the fit reach the same minimum.
        const FitResult far = Fit(Hyperbola(20, 0.005, vmLinear, 0.07), {{puromycinConc, puromycinRate, {}}});
        QCOMPARE(far.outcome, FitResult::Fitted);
        QVERIFY(near(far.value(0), 212.6837431, 5e-8));
        QVERIFY(near(far.value(1), 0.06412128, 5e-8));
    }

    void proportionalFitsHaveClosedForms()
    {
        // The residual sum of squares is a parabola in b: the profile limit
        // SSmin (1 + t^2 / df) is met exactly at b -/+ t se.
        const FitResult fit = Fit(Proportional(), {{ratioX, ratioY, {}}});
        QCOMPARE(fit.outcome, FitResult::Fitted);
        const double sxy = std::inner_product(ratioX.begin(), ratioX.end(), ratioY.begin(), 0.0);
        const double sxx = std::inner_product(ratioX.begin(), ratioX.end(), ratioX.begin(), 0.0);
        QVERIFY(near(fit.value(0), sxy / sxx, 1e-13));
        const ParameterEstimate &b = fit.parameters[0];
        QVERIFY(b.profile.computed && !b.profile.openBelow && !b.profile.openAbove);
        QVERIFY(near(b.profile.low, b.low, 1e-10));
        QVERIFY(near(b.profile.high, b.high, 1e-10));

        // Relative weights 1/(b x)^2 settle at the mean of y/x; Poisson
        // weights 1/(b x) at sum y / sum x.
        double meanRatio = 0;
        for (size_t i = 0; i < ratioX.size(); ++i)
            meanRatio += ratioY[i] / ratioX[i] / double(ratioX.size());
        const double sumRatio = std::accumulate(ratioY.begin(), ratioY.end(), 0.0)
                                / std::accumulate(ratioX.begin(), ratioX.end(), 0.0);
        FitOptions relative, poisson;
        relative.weighting = Weighting::Relative;
        poisson.weighting = Weighting::Poisson;
        QVERIFY(near(Fit(Proportional(), {{ratioX, ratioY, {}}}, relative).value(0), meanRatio, 1e-12));
        QVERIFY(near(Fit(Proportional(), {{ratioX, ratioY, {}}}, poisson).value(0), sumRatio, 1e-12));
    }

    void sharedAndFixedParametersAcrossSets()
    {
        const Values x = {0, 0.5, 1, 2, 3, 5};
        Values first, second;
        for (double v : x) {
            first.push_back(3.0 * std::exp(-0.8 * v));
            second.push_back(7.0 * std::exp(-0.8 * v));
        }
        const FitResult global = Fit(SharedDecay(false), {{x, first, {}}, {x, second, {}}});
        QCOMPARE(global.outcome, FitResult::Fitted);
        QVERIFY(near(global.value(0), 0.8, 1e-9) && near(global.value(1), 3.0, 1e-9)
                && near(global.value(2), 7.0, 1e-9));
        QCOMPARE(global.df, 12 - 3);

        const FitResult fixed = Fit(SharedDecay(true), {{x, first, {}}, {x, second, {}}});
        QCOMPARE(fixed.outcome, FitResult::Fitted);
        QCOMPARE(fixed.df, 12 - 2);
        QCOMPARE(fixed.value(2), 7.0);
        QCOMPARE(fixed.parameters[2].se, 0.0);
        QVERIFY(!fixed.parameters[2].profile.computed);
        QCOMPARE(fixed.correlationOf(0, 2), 0.0);
    }

    void refusals()
    {
        QCOMPARE(Fit(Hyperbola(1, 1), {{{1, 2}, {1, 2}, {}}}).outcome, FitResult::TooFewPoints);
        QCOMPARE(Fit(Hyperbola(1, 1), {{{1, 2, NAN}, {1, 2, 3}, {}}}).outcome, FitResult::NotFinite);
        QCOMPARE(Fit(Proportional(), {{{1, 2, 3}, {1, 2, 3}, {1, 0, 1}}}).outcome, FitResult::NotFinite);
        // Falling data drive K below its bound of 0.
        const FitResult falling = Fit(Hyperbola(1, 1), {{{1, 2, 3, 4}, {4, 3, 2.5, 2.2}, {}}});
        QCOMPARE(falling.outcome, FitResult::OutOfBounds);
        QCOMPARE(falling.boundParameter, 1);
        QCOMPARE(Fit(Confounded(), {{ratioX, ratioY, {}}}).outcome, FitResult::Singular);
    }

    void comparisonAndResidualTests()
    {
        // With df 2 an F of 1 and df2 is t^2 of Student's t, whose tail has
        // the closed form 1 - t / sqrt(2 + t^2).
        FitResult simple, richer;
        simple.residualSS = 10;
        simple.df = 3;
        richer.residualSS = 4;
        richer.df = 2;
        simple.hasAicc = richer.hasAicc = true;
        simple.aicc = 10;
        richer.aicc = 12;
        const ModelComparison comparison = CompareFits(simple, richer, true);
        QVERIFY(comparison.nested);
        QVERIFY(near(comparison.f, 3.0, 1e-15));
        QVERIFY(near(comparison.p, 1 - std::sqrt(3.0) / std::sqrt(5.0), 1e-12));
        QVERIFY(!comparison.prefersSecond);
        QVERIFY(near(comparison.probabilitySecond, 1 / (1 + std::exp(1.0)), 1e-15));
        QVERIFY(!CompareFits(simple, richer, false).nested);

        // Runs: four signs of each kind in four runs; the chance of four or
        // fewer runs counted over all 70 orders.
        const Values x = {1, 2, 3, 4, 5, 6, 7, 8};
        const RunsTest runs = RunsOfResiduals(x, {1, 1, -1, -1, 1, 1, -1, -1});
        QCOMPARE(runs.runs, 4);
        int orders = 0, fewer = 0;
        for (int mask = 0; mask < 256; ++mask) {
            if (__builtin_popcount(unsigned(mask)) != 4)
                continue;
            ++orders;
            int count = 1;
            for (int bit = 1; bit < 8; ++bit)
                count += ((mask >> bit) & 1) != ((mask >> (bit - 1)) & 1);
            fewer += count <= 4;
        }
        QCOMPARE(orders, 70);
        QVERIFY(near(runs.p, double(fewer) / orders, 1e-12));

        // Replicates: pure error from the scatter about each x's mean.
        const ReplicatesTest replicates = TestReplicates({1, 1, 2, 2, 3, 3}, {1, 3, -1, 1, 2, 2}, 1);
        QVERIFY(replicates.available);
        QCOMPARE(replicates.pureErrorDf, 3);
        QCOMPARE(replicates.lackOfFitDf, 2);
        QVERIFY(near(replicates.pureErrorSS, 4.0, 1e-15));
        QVERIFY(near(replicates.lackOfFitSS, 20.0 - 4.0, 1e-15));
        QVERIFY(!TestReplicates({1, 2, 3}, {1, -1, 1}, 1).available);
    }
};

VORNISH_TEST(FitEngineTest)
#include "tst_fit_engine.moc"
