#include "competition/Ic50Conversion.h"

#include "equilibrium/SolveEquilibrium.h"
#include "platform/RuntimeFault.h"

namespace modCompetition {

AssayHalfPoint HalfPointOf(const AssayConditions &assay)
{
    if (!(assay.totalA > 0) || !(assay.kd > 0) || !(assay.totalB >= 0))
        throw RuntimeFault(RuntimeFault::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"));
    AssayHalfPoint h;
    double ta = assay.totalA, tb = assay.totalB, kd = assay.kd;
    short code = modVornish::TotalsAndKd;
    modVornish::SolveEquilibrium(h.freeA0, ta, h.freeB0, tb, h.complex0, kd, code);
    // At the half point [A/B] = AB0/2, so A50 = A0 + AB0/2 and B50 =
    // Kd AB0 / (2 A50); the sites' balance leaves [C/B] = Tb - B50 - AB0/2,
    // which without cancellation is AB0/2 (1 + (Kd + B0) / A50).
    h.freeAHalf = h.freeA0 + h.complex0 / 2;
    h.tightestIc50 = fault::checkedFinite(h.complex0 / 2 * (1 + (assay.kd + h.freeB0) / h.freeAHalf));
    return h;
}

namespace {

// (A50 + Kd + B0) / Kd: Ki's factor in the exact IC50.
double exactSlope(const AssayConditions &assay, const AssayHalfPoint &h)
{
    return fault::divide(h.freeAHalf + assay.kd + h.freeB0, assay.kd);
}

} // namespace

double ExactIc50(const AssayConditions &assay, double ki)
{
    const AssayHalfPoint h = HalfPointOf(assay);
    return fault::checkedFinite(h.tightestIc50 + ki * exactSlope(assay, h));
}

Ic50Reading KiFromIc50(const AssayConditions &assay, double ic50)
{
    Ic50Reading r;
    r.half = HalfPointOf(assay);
    const AssayHalfPoint &h = r.half;
    r.boundFractionA0 = h.complex0 / assay.totalA;
    if (!(ic50 > h.tightestIc50)) {
        r.problem = Ic50Problem::NotAboveTightest;
        return r;
    }
    const double kd = assay.kd, ta = assay.totalA;
    r.ki.chengPrusoff = fault::checkedFinite(ic50 / (1 + ta / kd));

    const double y0 = h.complex0 / h.freeA0;
    r.ki.munsonRodbard = fault::checkedFinite(ic50 / (1 + ta * (y0 + 2) / (2 * kd * (y0 + 1)) + y0)
                                              - kd * y0 / (y0 + 2));

    // As published: the free competitor at the half point from the totals.
    const double complexHalf = h.complex0 / 2;
    const double freeAHalf = ta - complexHalf;
    const double freeCHalf = ic50 - assay.totalB + kd * complexHalf / freeAHalf + complexHalf;
    r.ki.nikolovskaColeska = fault::checkedFinite(freeCHalf / (freeAHalf / kd + h.freeB0 / kd + 1));

    r.ki.exact = fault::divide(ic50 - h.tightestIc50, exactSlope(assay, h));
    r.titrationZone = ic50 - h.tightestIc50 < TitrationZoneMargin * h.tightestIc50;
    return r;
}

} // namespace modCompetition
