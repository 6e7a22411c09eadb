#pragma once

// IC50 <-> Ki for a competition assay: the labelled ligand A at Total A
// with its Kd, the sites at Total B, the competitor C titrated. The IC50 is
// the Total C that halves [A/B] relative to no competitor. All in molar.
namespace modCompetition {

struct AssayConditions
{
    double totalA = 0; // > 0
    double totalB = 0; // >= 0
    double kd = 0;     // > 0
};

// The assay without competitor, and at half its [A/B], in the forms the
// conversions use.
struct AssayHalfPoint
{
    double freeA0 = 0, freeB0 = 0, complex0 = 0; // no competitor
    double freeAHalf = 0;                        // free A when [A/B] is half complex0
    double tightestIc50 = 0;                     // the IC50 of an infinitely tight competitor: [C/B] at the half point
};

// Throws RuntimeFault as the two-species solver does, or for a Total A or
// Kd that is not above 0.
AssayHalfPoint HalfPointOf(const AssayConditions &assay);

// The exact IC50 of a competitor with this Ki, in closed form (the free B
// of the half point gives [C/B] and C there):
//   IC50 = tightest + Ki (A50 + Kd + B0) / Kd.
double ExactIc50(const AssayConditions &assay, double ki);

struct KiEstimates
{
    double chengPrusoff = 0;      // IC50 / (1 + Total A / Kd)
    double munsonRodbard = 0;     // with the erratum's sign, y0 = bound / free A without competitor
    double nikolovskaColeska = 0; // free competitor at the half point / (A50/Kd + B0/Kd + 1)
    double exact = 0;             // the Ki whose exact IC50 is this one
};

enum class Ic50Problem {
    None,
    NotAboveTightest, // no Ki gives an IC50 this low: the limit of an infinitely tight competitor
};

struct Ic50Reading
{
    Ic50Problem problem = Ic50Problem::None;
    AssayHalfPoint half;
    KiEstimates ki;
    // The IC50 lies within TitrationZoneMargin of the tightest: it says
    // almost nothing of Ki (the titration zone, where IC50 follows Total B).
    bool titrationZone = false;
    double boundFractionA0 = 0; // [A/B] / Total A without competitor
};

constexpr double TitrationZoneMargin = 0.05;

// The four Ki of a measured IC50. Throws RuntimeFault as HalfPointOf, or
// when a result is not a finite number.
Ic50Reading KiFromIc50(const AssayConditions &assay, double ic50);

} // namespace modCompetition
