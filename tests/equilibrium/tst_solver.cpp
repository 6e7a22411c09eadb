#include "TestFixture.h"
#include "TestMain.h"

#include "equilibrium/EquilibriumCurve.h"
#include "equilibrium/EquilibriumInput.h"
#include "equilibrium/InputGuidance.h"
#include "equilibrium/SolveEquilibrium.h"
#include "platform/RuntimeFault.h"

#include <cmath>

using namespace modVornish;

#include <boost/multiprecision/cpp_bin_float.hpp>

#include <array>
#include <limits>

namespace {

// Wide enough that the sum of any doubles is exact and no cancellation
// between them loses more than a few hundred of its bits.
using Big = boost::multiprecision::number<
    boost::multiprecision::cpp_bin_float<2600, boost::multiprecision::digit_base_2>, boost::multiprecision::et_off>;

double relativeError(double value, double expected)
{
    return std::fabs(value - expected) / std::fabs(expected);
}

// Distance of a double from an exact value in units of the double's last
// place there (the subnormal spacing below the normal range).
double ulpsFrom(double value, const Big &exact)
{
    const double rounded = exact.convert_to<double>();
    int exponent = 0;
    std::frexp(rounded, &exponent);
    const Big ulp = boost::multiprecision::ldexp(Big(1), std::max(exponent - 53, -1074));
    return Big(boost::multiprecision::abs(Big(value) - exact) / ulp).convert_to<double>();
}

// The six quantities A, Total A, B, Total B, [A/B], Kd from the three that
// a pattern uses, by the three relations and, for the totals and Kd, the
// root of the quadratic in 1/Kd as the textbook writes it: the smaller root
// from the larger by Vieta's product, which keeps a complex far below the
// totals (1e-750 M from totals of 1e-300 M) from cancelling to 0.
std::array<Big, 6> exactSolution(const modVornish::EquilibriumInput &in, const std::array<bool, 6> &given)
{
    Big A = in.A, Atot = in.Atot, B = in.B, Btot = in.Btot, AB = in.AB, Kd = in.Kd;
    const bool hasA = given[0], hasAtot = given[1], hasB = given[2], hasBtot = given[3], hasAB = given[4];
    if (hasAtot && hasBtot && given[5]) {
        const Big q2 = 1 / Kd, q1 = -q2 * (Atot + Btot) - 1, q0 = q2 * Atot * Btot;
        const Big larger = (-q1 + sqrt(q1 * q1 - 4 * q2 * q0)) / (2 * q2);
        AB = q0 / (q2 * larger);
        return {Atot - AB, Atot, Btot - AB, Btot, AB, Kd};
    }
    if (!hasAB)
        AB = hasA && hasAtot ? Atot - A : hasB && hasBtot ? Btot - B : A * B / Kd;
    if (!hasA)
        A = hasAtot ? Atot - AB : AB * Kd / B;
    if (!hasB)
        B = hasBtot ? Btot - AB : AB * Kd / A;
    return {A, A + AB, B, B + AB, AB, A * B / AB};
}

} // namespace

class SolverTest : public QObject
{
    Q_OBJECT

private slots:
    // Over the whole range a user can type, every accepted input pattern
    // gives each of the six quantities to the last few bits of its exact
    // value (two units in the last place, four for the quadratic), or the
    // overflow fault exactly when an exact result lies beyond the largest
    // double or, not being zero, below the smallest. The exact values come from the typed three in 2600-bit
    // arithmetic, which keeps every cancellation these inputs allow.
    void everyPatternIsExactOverTheRange()
    {
        const double magnitudes[] = {1e-300,      1e-150, 1e-15, 1e-12, 3e-7,      1,
                                     1 + 0x1p-52, 33.13,  7e4,   1e150, 8.058e299, std::numeric_limits<double>::max()};
        const QVector<std::array<bool, 6>> patterns = AcceptedInputPatterns();
        double worstUlps = 0;
        int solved = 0, faults = 0;
        for (int order = 0; order < patterns.size(); ++order)
            for (double x : magnitudes)
                for (double y : magnitudes)
                    for (double z : magnitudes) {
                        QStringList texts(6);
                        const double given[3] = {x, y, z};
                        for (int field = 0, next = 0; field < 6; ++field)
                            if (patterns[order][field])
                                texts[field] = QString::number(given[next++], 'g', 17);
                        const EquilibriumInput in = ReadEquilibriumInput({texts[0], texts[1], texts[2], texts[3],
                                                                          texts[4], texts[5]},
                                                                         1);
                        if (in.problem != InputProblem::None)
                            continue;
                        const QByteArray where = "pattern " + QByteArray::number(order + 1) + ": "
                                                 + texts.join(QLatin1Char(' ')).simplified().toLatin1();
                        const std::array<Big, 6> exact = exactSolution(in, patterns[order]);
                        bool beyondRange = false;
                        for (const Big &v : exact) {
                            const double rounded = v.convert_to<double>();
                            beyondRange = beyondRange || std::isinf(rounded) || (v != 0 && rounded == 0);
                        }
                        double v[6] = {in.A, in.Atot, in.B, in.Btot, in.AB, in.Kd};
                        short code = in.code;
                        try {
                            SolveEquilibrium(v[0], v[1], v[2], v[3], v[4], v[5], code);
                        } catch (const RuntimeFault &) {
                            QVERIFY2(beyondRange, where);
                            ++faults;
                            continue;
                        }
                        QVERIFY2(!beyondRange, where);
                        for (int q = 0; q < 6; ++q) {
                            const double ulps = ulpsFrom(v[q], exact[q]);
                            worstUlps = std::max(worstUlps, ulps);
                            QVERIFY2(ulps <= (order == 0 ? 4 : 2), where + " quantity " + QByteArray::number(q)
                                                                       + " off by " + QByteArray::number(ulps)
                                                                       + " ulps");
                        }
                        ++solved;
                    }
        qInfo("%d inputs solved, %d overflow faults, worst %.2f ulps", solved, faults, worstUlps);
    }

    // Beyond the largest double and below the smallest (a Kd of 1e-600,
    // which would show as 0), a fault and nothing written.
    void outOfRangeIsAFaultNotAnInfinityOrZero()
    {
        double A = 1e300, Atot = 0, B = 1e300, Btot = 0, AB = 0, Kd = 1e-300;
        short code = FreeAndKd;
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, SolveEquilibrium(A, Atot, B, Btot, AB, Kd, code));
        QCOMPARE(A, 1e300);
        double a = 1e-200, aTot = 0, b = 1e-200, bTot = 0, ab = 1e200, kd = 0;
        code = FreeAndComplex;
        QVERIFY_THROWS_EXCEPTION(RuntimeFault, SolveEquilibrium(a, aTot, b, bTot, ab, kd, code));
        QCOMPARE(kd, 0.0);
    }

    // The accepted combinations in their order of precedence, and the
    // refusals of values that cannot be.
    void patternsInTheirOrder()
    {
        const int none = int(InputProblem::None), noCombination = int(InputProblem::NoValidCombination),
                  notAboveZero = int(InputProblem::NotGreaterThanZero),
                  totalTooLow = int(InputProblem::TotalCannotBeLower);
        const struct
        {
            QStringList texts; // A, Atot, B, Btot, AB, Kd
            short code;
            int problem;
        } cases[] = {
            {{"1", "10", "1", "10", "1", "1"}, 1, none}, // all six: the totals and Kd decide
            {{"1", "", "2", "", "3", ""}, 2, none},
            {{"1", "", "2", "", "", "3"}, 3, none},
            {{"1", "3", "", "", "", "3"}, 4, none},
            {{"1", "", "", "", "2", "3"}, 4, none},
            {{"", "", "1", "3", "", "3"}, 5, none},
            {{"", "", "1", "", "2", "3"}, 5, none},
            {{"1", "3", "2", "", "", ""}, 6, none},
            {{"1", "", "2", "5", "", ""}, 7, none},
            {{"1", "3", "", "5", "", ""}, 8, none},
            {{"", "5", "2", "5", "", ""}, 9, none},
            {{"", "3", "", "5", "1", ""}, 0, noCombination},
            {{"", "3", "", "5", "", ""}, 0, noCombination},
            {{"abc", "10", "", "10", "", "1"}, 1, none}, // letters count as empty
            {{"", "10", "", "10", "", "0"}, 1, notAboveZero},
            {{"4", "4", "2", "", "", ""}, 6, totalTooLow},
            {{"5", "4", "", "", "", "2"}, 4, notAboveZero},
            {{"2", "10", "", "5", "", ""}, 8, int(InputProblem::TotalAMinusATooLarge)},
            {{"", "5", "2", "10", "", ""}, 9, int(InputProblem::TotalBMinusBTooLarge)},
            {{"1", "", "5", "5", "", ""}, 7, totalTooLow},
        };
        for (const auto &c : cases) {
            const QStringList &t = c.texts;
            const EquilibriumInput in = ReadEquilibriumInput({t[0], t[1], t[2], t[3], t[4], t[5]}, 1e-9);
            QVERIFY2(in.code == c.code && int(in.problem) == c.problem, qPrintable(t.join(QLatin1Char(' '))));
        }
    }

    void guidanceByFilledFields()
    {
        QVERIFY(GuidanceText({}).startsWith("Enter values (concentration) for three variables"));
        QCOMPARE(GuidanceText({"", "", "", "", "", "1"}),
                 QStringLiteral("Enter values for two more variables, e.g. Total A and Total B. See below for "
                                "information on other valid input combinations."));
        QCOMPARE(GuidanceText({"", "", "", "", "x", ""}),
                 QStringLiteral("Enter values for two more variables, e.g. A and Kd. See below for information on "
                                "other valid input combinations."));
        QVERIFY(GuidanceText({" ", "1", "", "", "", ""}).startsWith("Enter a value (concentration) for one more"));
        QVERIFY(GuidanceText({"", "1", "", "2", "3", ""}).startsWith("Check in the table below"));
        QVERIFY(GuidanceText({"1", "1", "", "2", "3", ""}).startsWith("Only three values are required."));
        QVERIFY(GuidanceText({"1", "1", "1", "2", "3", "1"}).startsWith("You can make changes and Vornish again."));
    }

    // Every single-field suggestion completes an accepted combination.
    void suggestionsCompleteAcceptedCombinations()
    {
        const QStringList names{"A", "Total A", "B", "Total B", "[A/B]", "Kd"};
        for (int only = 0; only < 6; ++only) {
            QStringList texts(6);
            texts[only] = QStringLiteral("1");
            const QString text = GuidanceText({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
            const QString pair = text.section(QStringLiteral("e.g. "), 1).section(QLatin1Char('.'), 0, 0);
            const QStringList parts = pair.split(QStringLiteral(" and "));
            for (const QString &part : parts)
                texts[names.indexOf(part)] = QStringLiteral("2");
            const EquilibriumInput in = ReadEquilibriumInput({texts[0], texts[1], texts[2], texts[3], texts[4],
                                                              texts[5]},
                                                             1);
            QVERIFY2(in.code != 0, qPrintable(names[only]));
        }
    }

    // The graph's binding curve, without any window: 10 nM of B titrated
    // with A up to a manual 20 nM (typed "20.0", shown back as "20"), Kd
    // 1 nM, the complex only up to a manual 5 nM. Every point against the
    // quadratic for the complex evaluated in 2600-bit arithmetic.
    void bindingCurveOfTheGraph()
    {
        EquilibriumCurveInput in;
        in.totalAMolar = 10e-9;
        in.totalBMolar = 10e-9;
        in.kdMolar = 1e-9;
        in.shownTotalA = 10;
        in.shownTotalB = 10;
        modPlot_Graph::GraphPreferences prefs;
        prefs.xMax = QStringLiteral("20.0");
        prefs.yMax = QStringLiteral("5");
        const AxisRanges r = EquilibriumAxisRanges(in, prefs);
        QCOMPARE(prefs.xMax, QStringLiteral("20"));
        QCOMPARE(r.xMin, 0.0);
        QCOMPARE(r.xMax, 20.0);
        QCOMPARE(r.yMin, 0.0);
        QCOMPARE(r.yMax, 5.0);

        int visited = 0;
        double lastX = -1;
        VisitEquilibriumCurve(in, prefs, r, [&](const EquilibriumCurvePoint &p) {
            const Big a = Big(p.total) * Big(1e-9), b = Big(10e-9), kd = Big(1e-9);
            const Big sum = a + b + kd;
            const Big complex = (sum - boost::multiprecision::sqrt(sum * sum - 4 * a * b)) / 2 / Big(1e-9);
            QVERIFY(relativeError(p.y, complex.convert_to<double>()) < 1e-12 || complex == 0);
            QVERIFY(p.y <= 5 / 0.99);
            QCOMPARE(p.x, p.total); // a linear axis plots the total itself
            QVERIFY(p.x > lastX);
            lastX = p.x;
            ++visited;
        });
        // [A/B] passes 5 nM plus its 1 % slack, y = 5.0505, where
        // Total A = y (11 - y) / (10 - y) = 6.07 nM: the 61 points from 0 to
        // 6.0 nM by steps of 0.1 nM.
        QCOMPARE(visited, 61);
    }
};

VORNISH_TEST(SolverTest)
#include "tst_solver.moc"
