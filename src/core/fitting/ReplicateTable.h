#pragma once

#include "fitting/FitModel.h"

#include <QString>
#include <QStringList>

#include <vector>

// Measured values as a lab enters them: one X a row and one to six
// replicate Y values beside it, blanks allowed.
namespace Fitting {

struct ReplicateTable
{
    std::vector<double> x;
    std::vector<std::vector<double>> y; // per row, per replicate; NaN for a blank
};

// The cell texts of a table (a row's X first, then its replicates) as
// numbers. Empty rows are skipped; a row with replicates needs an X, a row
// with an X needs one replicate at least. False with problem set (which
// row and why, counted from 1 among the given rows) otherwise.
bool TableFromCells(const QList<QStringList> &cells, ReplicateTable &table, QString &problem);

// Every replicate as a point of its own.
FitDataSet IndividualPoints(const ReplicateTable &table);

// The mean of each row's replicates, with their SD (0 for a single value).
struct RowMean
{
    double x = 0, mean = 0, sd = 0;
    int count = 0;
};
std::vector<RowMean> RowMeans(const ReplicateTable &table);

// The means as the points to fit.
FitDataSet MeanPoints(const ReplicateTable &table);

} // namespace Fitting
