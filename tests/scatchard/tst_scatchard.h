#pragma once

#include "TestFixture.h"

#include <QObject>

class StatisticsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void workedExample();
    void perfectFitAndRoundingCollinear();
    void matchesIndependentLeastSquares_data();
    void matchesIndependentLeastSquares();
    void faultsEndTheComputation();
    void studentTable();
    void intervalCases();
    void cellReading();
    void dataRowsAndRequirements();
};
