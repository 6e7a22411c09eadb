#pragma once

#include "fitting/PlotPicture.h"

#include <QColor>
#include <QStringList>

// The residuals of a fit (data minus curve) against X, one colour a data
// set, about a line at zero: under every fit graph.
class ResidualGraph : public PlotPicture
{
    Q_OBJECT

public:
    explicit ResidualGraph(QWidget *parent = nullptr);

    // The residuals of result for the data sets it was fitted to; the sets'
    // names and colours (a legend when there are several sets).
    bool showResiduals(const std::vector<std::vector<double>> &x, const std::vector<std::vector<double>> &residuals,
                       const QStringList &setNames, const QList<QColor> &colors, const QString &xTitle);
};
