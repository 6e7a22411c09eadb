#include "TestFixture.h"
#include "TestMain.h"

#include "competition/CompetitionCurve.h"
#include "competition/CompetitionEquilibrium.h"
#include "competition/CompetitionFit.h"
#include "competition/CompetitionFitModels.h"
#include "competition/Ic50Conversion.h"
#include "equilibrium/SolveEquilibrium.h"
#include "platform/RuntimeFault.h"

#include <boost/multiprecision/cpp_bin_float.hpp>

#include <cmath>

using namespace modCompetition;

namespace {

using Big = boost::multiprecision::number<
    boost::multiprecision::cpp_bin_float<2600, boost::multiprecision::digit_base_2>, boost::multiprecision::et_off>;

// Distance of a double from an exact value in units of the double's last place there.
double ulpsFrom(double value, const Big &exact)
{
    const double rounded = exact.convert_to<double>();
    int exponent = 0;
    std::frexp(rounded, &exponent);
    const Big ulp = boost::multiprecision::ldexp(Big(1), std::max(exponent - 53, -1074));
    return Big(boost::multiprecision::abs(Big(value) - exact) / ulp).convert_to<double>();
}

struct ExactSpecies
{
    Big A, B, C, AB, CB;
};

// The reference: free B as the root in [0, Tb] of the sites' balance
//   b + Ta b / (Kd + b) + Tc b / (Ki + b) = Tb
// by Newton's method in 2600-bit arithmetic, kept in a bracket by
// bisection; the other species from b by their definitions. The start
// only saves iterations: the root is the one in the bracket wherever
// Newton starts.
ExactSpecies exactCompetition(double ta, double tb, double tc, double kd, double ki, double start)
{
    const Big Ta = ta, Tb = tb, Tc = tc, Kd = kd, Ki = ki;
    const auto f = [&](const Big &b) { return b + Ta * b / (Kd + b) + Tc * b / (Ki + b) - Tb; };
    const auto df = [&](const Big &b) { return 1 + Ta * Kd / ((Kd + b) * (Kd + b)) + Tc * Ki / ((Ki + b) * (Ki + b)); };
    Big lo = 0, hi = Tb, b = start > 0 && start < tb ? Big(start) : Tb / 2;
    for (int i = 0; i < 5000 && lo < hi; ++i) {
        const Big value = f(b);
        (value < 0 ? lo : hi) = b;
        const Big next = b - value / df(b);
        const bool converged = boost::multiprecision::abs(next - b) <= boost::multiprecision::ldexp(b, -2400);
        b = converged || (next > lo && next < hi) ? next : (lo + hi) / 2;
        if (converged)
            break;
    }
    return {Ta * Kd / (Kd + b), b, Tc * Ki / (Ki + b), Ta * b / (Kd + b), Tc * b / (Ki + b)};
}

// The exact IC50 by the textbook route at 2600 bits: at half the complex
// without competitor, free B from [A/B] and free A, [C/B] from the sites'
// balance, and Total C from [C/B] and free B.
Big exactIc50(double ta, double tb, double kd, double ki)
{
    const Big Ta = ta, Tb = tb, Kd = kd, Ki = ki;
    const Big s = Ta + Tb + Kd;
    const Big complex0 = (s - boost::multiprecision::sqrt(s * s - 4 * Ta * Tb)) / 2;
    const Big half = complex0 / 2;
    const Big freeB = Kd * half / (Ta - half);
    const Big boundC = Tb - freeB - half;
    return boundC * (1 + Ki / freeB);
}

} // namespace

class CompetitionSolverTest : public QObject
{
    Q_OBJECT

private slots:
    // 12 nM of sites, 10 nM of A with Kd 10 nM, a competitor with Ki 1 nM
    // added from 0 to 25 nM in 49 equal steps.
    void depletedOneToOneTitration()
    {
        double sum = 0;
        Big exactSum = 0;
        double previous = 1;
        for (int i = 0; i < 50; ++i) {
            const double tc = 25.0 * i / 49 * 1e-9;
            const CompetitionSpecies s = SolveCompetition({10e-9, 12e-9, tc, 10e-9, 1e-9});
            const double ab = s.AB * 1e9;
            sum += ab;
            exactSum += exactCompetition(10e-9, 12e-9, tc, 10e-9, 1e-9, s.B).AB * Big(1e9);
            QVERIFY(s.AB < previous);
            previous = s.AB;
            if (i == 0)
                QVERIFY(std::fabs(ab - 4.33809621) < 5e-9);
            if (i == 49)
                QVERIFY(std::fabs(ab - 0.68378487) < 5e-9);
        }
        QVERIFY(std::fabs(sum - exactSum.convert_to<double>()) < 1e-6);
    }

    // Every species within a few units in the last place of its exact
    // value, over every combination of magnitudes of the five inputs, the
    // fit's polish as well as the full one; the sites' and both ligands'
    // balances hold to rounding.
    void exactOverTheRangeOfMagnitudes()
    {
        const double magnitudes[] = {1e-15, 3.3e-12, 1e-9, 7.1e-7, 1e-3, 1};
        double worst = 0;
        for (double ta : magnitudes)
            for (double tb : magnitudes)
                for (double tc : magnitudes)
                    for (double kd : magnitudes)
                        for (double ki : magnitudes) {
                            const CompetitionSpecies s = SolveCompetition({ta, tb, tc, kd, ki});
                            const CompetitionSpecies f = SolveCompetition({ta, tb, tc, kd, ki}, Polish::Fit);
                            const ExactSpecies e = exactCompetition(ta, tb, tc, kd, ki, s.B);
                            const double solved[] = {s.A, s.B, s.C, s.AB, s.CB, f.A, f.B, f.C, f.AB, f.CB};
                            const Big exact[] = {e.A, e.B, e.C, e.AB, e.CB};
                            for (int q = 0; q < 10; ++q) {
                                const double ulps = ulpsFrom(solved[q], exact[q % 5]);
                                worst = std::max(worst, ulps);
                                QVERIFY2(ulps <= 4, qPrintable(QString::asprintf("%g %g %g %g %g species %d: %g ulps",
                                                                                 ta, tb, tc, kd, ki, q, ulps)));
                            }
                        }
        qInfo("worst %.2f ulps", worst);
    }

    // No competitor, no label or no sites: the two-species solver's
    // answer, bit for bit; a competitor too weak to bind changes nothing
    // beyond rounding.
    void reducesToTheTwoSpeciesSolver()
    {
        double a = 0, ta = 10e-9, b = 0, tb = 5e-9, ab = 0, kd = 3e-9;
        short code = modVornish::TotalsAndKd;
        modVornish::SolveEquilibrium(a, ta, b, tb, ab, kd, code);
        const CompetitionSpecies none = SolveCompetition({10e-9, 5e-9, 0, 3e-9, 1e-9});
        QCOMPARE(none.A, a);
        QCOMPARE(none.B, b);
        QCOMPARE(none.AB, ab);
        QCOMPARE(none.CB, 0.0);
        const CompetitionSpecies weak = SolveCompetition({10e-9, 5e-9, 1e-9, 3e-9, 1e300});
        QVERIFY(ulpsFrom(weak.AB, Big(ab)) <= 2);
        QVERIFY(ulpsFrom(weak.B, Big(b)) <= 2);

        const CompetitionSpecies unlabelled = SolveCompetition({0, 5e-9, 10e-9, 1e-9, 3e-9});
        QCOMPARE(unlabelled.C, a);
        QCOMPARE(unlabelled.CB, ab);
        QCOMPARE(unlabelled.AB, 0.0);
        const CompetitionSpecies noSites = SolveCompetition({10e-9, 0, 4e-9, 1e-9, 3e-9});
        QCOMPARE(noSites.A, 10e-9);
        QCOMPARE(noSites.C, 4e-9);
        QCOMPARE(noSites.fractionABound, 0.0);
        QCOMPARE(noSites.occupancyA, 0.0);

        QVERIFY_THROWS_EXCEPTION(RuntimeFault, SolveCompetition({1e-9, 1e-9, 1e-9, 0, 1e-9}));
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, SolveCompetition({1e-9, -1e-9, 1e-9, 1e-9, 1e-9}));
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, SolveCompetition({1e-9, 1e-9, std::nan(""), 1e-9, 1e-9}));
    }

    // Kd 17.92 nM, Total A 5 nM, Total B 30 nM, Ki 10 nM: IC50 47.815 nM;
    // back from it the exact, Munson-Rodbard and Nikolovska-Coleska Ki are
    // 10 nM, Cheng-Prusoff's 37.38 nM, 3.74 times too high. The IC50 halves
    // [A/B] when the competition is solved there.
    void ic50AndKiRoundTrip()
    {
        const AssayConditions assay{5e-9, 30e-9, 17.92e-9};
        const double ic50 = ExactIc50(assay, 10e-9);
        const double exact = exactIc50(5e-9, 30e-9, 17.92e-9, 10e-9).convert_to<double>();
        QVERIFY(std::fabs(ic50 - exact) <= 4 * std::fabs(exact) * 0x1p-52);
        QVERIFY(std::fabs(ic50 * 1e9 - 47.815) < 5e-4);

        const Ic50Reading r = KiFromIc50(assay, ic50);
        QCOMPARE(int(r.problem), int(Ic50Problem::None));
        QVERIFY(!r.titrationZone);
        for (double ki : {r.ki.exact, r.ki.munsonRodbard, r.ki.nikolovskaColeska})
            QVERIFY2(std::fabs(ki * 1e9 - 10) < 1e-9, qPrintable(QString::number(ki * 1e9, 'g', 17)));
        QVERIFY(std::fabs(r.ki.chengPrusoff * 1e9 - 37.38) < 5e-3);
        QVERIFY(std::fabs(r.ki.chengPrusoff / r.ki.exact - 3.74) < 5e-3);

        const CompetitionSpecies free = SolveCompetition({5e-9, 30e-9, 0, 17.92e-9, 10e-9});
        const CompetitionSpecies half = SolveCompetition({5e-9, 30e-9, ic50, 17.92e-9, 10e-9});
        QVERIFY(std::fabs(half.AB / free.AB - 0.5) < 1e-14);

        // The curve's range brackets the IC50 and its [A/B] falls all along it.
        double xMin = 0, xMax = 0;
        AutomaticCompetitionRange(ic50, xMin, xMax);
        QCOMPARE(xMin, -11.0);
        QCOMPARE(xMax, -4.0);
        int points = 0;
        double previous = 1, last = 0;
        SweepCompetitionCurve({5e-9, 30e-9, 0, 17.92e-9, 10e-9}, xMin, xMax, 200, [&](const CompetitionCurvePoint &p) {
            QVERIFY(p.species.AB < previous);
            previous = p.species.AB;
            last = p.x;
            ++points;
        });
        QCOMPARE(points, 201);
        QCOMPARE(last, -4.0);
    }

    // Without depletion every conversion is Cheng-Prusoff's; an IC50 at or
    // below an infinitely tight competitor's is refused, one just above it
    // lies in the titration zone.
    void conversionLimitsAndRefusals()
    {
        const AssayConditions trace{2e-9, 1e-20, 1e-9};
        const Ic50Reading r = KiFromIc50(trace, 30e-9);
        for (double ki : {r.ki.exact, r.ki.munsonRodbard, r.ki.nikolovskaColeska})
            QVERIFY(std::fabs(ki / r.ki.chengPrusoff - 1) < 1e-9);
        QCOMPARE(r.ki.chengPrusoff, 10e-9);

        // Sites in excess: even a competitor of Ki 0 must take almost all of
        // them to halve [A/B].
        const AssayConditions titration{1e-9, 100e-9, 1e-9};
        const double tightest = HalfPointOf(titration).tightestIc50;
        QVERIFY(ulpsFrom(tightest, exactIc50(1e-9, 100e-9, 1e-9, 0)) <= 4);
        QVERIFY(tightest > 98e-9 && tightest < 99e-9);
        QCOMPARE(int(KiFromIc50(titration, 0.9 * tightest).problem), int(Ic50Problem::NotAboveTightest));
        QCOMPARE(int(KiFromIc50(titration, tightest).problem), int(Ic50Problem::NotAboveTightest));
        const Ic50Reading zone = KiFromIc50(titration, 1.02 * tightest);
        QVERIFY(zone.titrationZone);
        QVERIFY(zone.ki.exact > 0);
        QVERIFY(!KiFromIc50(titration, 3 * tightest).titrationZone);
    }

    // Both fit models: the analytic derivatives agree with central
    // differences; the exact model is top without competitor and half-way
    // between top and bottom at the exact IC50 (all in nM).
    void fitModelsDerivativesAndLandmarks()
    {
        const FourParameterLogistic logistic(100, 5, 1.5);
        const ExactCompetitionModel exact(5, 30, 17.92, 10, 100, 5);
        const auto check = [](const Fitting::FitModel &model, const std::vector<double> &p, double x) {
            double y = 0;
            std::vector<double> gradient(p.size());
            QVERIFY(model.value(0, x, p, y, gradient.data()));
            for (size_t k = 0; k < p.size(); ++k) {
                std::vector<double> up = p, down = p;
                const double h = 1e-6 * std::max(1.0, std::fabs(p[k]));
                up[k] += h;
                down[k] -= h;
                double yUp = 0, yDown = 0;
                QVERIFY(model.value(0, x, up, yUp, nullptr) && model.value(0, x, down, yDown, nullptr));
                const double numeric = (yUp - yDown) / (2 * h);
                QVERIFY2(std::fabs(numeric - gradient[k]) <= 1e-6 * std::max(1.0, std::fabs(numeric)),
                         qPrintable(
                             QString::asprintf("x %g parameter %zu: %g against %g", x, k, gradient[k], numeric)));
            }
        };
        for (double x : {0.3, 10.0, 47.8, 800.0}) {
            check(logistic, {100, 5, 1.5, 0.8}, x);
            check(exact, {10, 100, 5}, x);
        }
        double y = 0;
        QVERIFY(exact.value(0, 0, {10, 100, 5}, y, nullptr));
        QCOMPARE(y, 100.0);
        const double ic50 = exactIc50(5e-9, 30e-9, 17.92e-9, 10e-9).convert_to<double>() * 1e9;
        QVERIFY(exact.value(0, ic50, {10, 100, 5}, y, nullptr));
        QVERIFY(std::fabs(y - 52.5) < 1e-9);
        QVERIFY(logistic.value(0, std::pow(10.0, 1.5), {100, 5, 1.5, 0.8}, y, nullptr));
        QVERIFY(std::fabs(y - 52.5) < 1e-12);
    }

    // A curve made by the reference solver (Ki 10 nM, top 1000, bottom 50,
    // duplicates 1 % above and below): the exact model finds Ki within its
    // profile interval, the logistic's IC50 is the exact one within a few
    // percent; too few points and a rising signal are refused.
    void fitsRecoverTheCurvesKi()
    {
        std::vector<double> x, y;
        const double complex0 = exactCompetition(5, 30, 0, 17.92, 10, 2).AB.convert_to<double>();
        for (int k = -2; k <= 8; ++k) {
            const double tc = std::pow(10.0, k / 2.0);
            const double fraction = exactCompetition(5, 30, tc, 17.92, 10, 1).AB.convert_to<double>() / complex0;
            for (double scatter : {1.01, 0.99}) {
                x.push_back(tc);
                y.push_back((50 + 950 * fraction) * scatter);
            }
        }
        const AssayConditions assay{5, 30, 17.92};
        const CompetitionFitReport report = FitCompetitionCurve(x, y, assay);
        QCOMPARE(int(report.problem), int(CompetitionFitProblem::None));
        const Fitting::ParameterEstimate &ki = report.exact.parameters[ExactCompetitionModel::Ki];
        QVERIFY2(std::fabs(ki.value - 10) < 0.5, qPrintable(QString::number(ki.value)));
        QVERIFY(ki.profile.computed && ki.profile.low < 10 && ki.profile.high > 10);
        const double ic50 = exactIc50(5e-9, 30e-9, 17.92e-9, 10e-9).convert_to<double>() * 1e9;
        QVERIFY2(std::fabs(report.ic50 / ic50 - 1) < 0.05, qPrintable(QString::number(report.ic50)));

        QCOMPARE(int(FitCompetitionCurve({1, 2, 3, 4}, {4, 3, 2, 1}, assay).problem),
                 int(CompetitionFitProblem::TooFewPoints));
        QCOMPARE(int(FitCompetitionCurve({1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, assay).problem),
                 int(CompetitionFitProblem::NoDecrease));
    }
};

VORNISH_TEST(CompetitionSolverTest)
#include "tst_competition_solver.moc"
