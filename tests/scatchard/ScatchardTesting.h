#pragma once

#include "TestFixture.h"

#include <vector>

class EditableGrid;

// Types the text key by key into whichever widget has the focus, as a user would.
void typeIntoFocus(const QString &text);

// A mouse click on a cell of the grid (row and column as the grid counts them).
void clickCell(EditableGrid &grid, int row, int col);

// Writes rows of (Bound, Bound/Free) texts into the grid from row 1.
void fillGrid(EditableGrid &grid, const QList<QStringList> &rows);

// The Scatchard window's worked example, (Bound, Bound/Free) = (1, 0.9), (2, 0.8), (3, 0.72), (4, 0.6).
extern const QList<QStringList> kWorkedExample;

// NIST Statistical Reference Datasets, nonlinear regression, Misra1d
// (Misra, D., NIST 1978, dental research monomolecular adsorption study),
// https://www.itl.nist.gov/div898/strd/nls/data/misra1d.shtml:
// y = b1 * b2 * x / (1 + b2 * x), that is Bmax = b1 and Kd = 1 / b2.
extern const std::vector<double> kMisraX, kMisraY;
QList<QStringList> misraRows();

// Twelve points of one site (Bmax 150, Kd 4) from 0.2 to 50 evenly in log, with a little scatter.
void oneSiteWithScatter(std::vector<double> &x, std::vector<double> &y);

bool near(double value, double reference, double relative);

#define QVERIFY_NEAR(value, reference, relative)                                                                       \
    QVERIFY2(near(value, reference, relative),                                                                         \
             qPrintable(                                                                                               \
                 QStringLiteral("%1 against %2").arg(double(value), 0, 'g', 17).arg(double(reference), 0, 'g', 17)))

// An independent profile of the residual sum of squares of Bound = Bmax Free / (Kd + Free):
// for each Kd the best Bmax in closed form, the best Kd by golden-section search in log Kd, the
// limit crossings by bisection.
struct IndependentProfile
{
    std::vector<double> free, bound;

    double bestBmax(double kd) const;
    double profile(double logKd) const;
    double bestLogKd(double logLow, double logHigh) const;
    double crossing(double inside, double outside, double limit) const;
};
