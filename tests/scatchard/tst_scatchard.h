#pragma once

#include "TestFixture.h"

#include <QObject>
#include <QWidget>

#include <memory>

class EditableGrid;

// Types the text key by key into whichever widget has the focus, as a user would.
void typeIntoFocus(const QString &text);

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

class EditableGridTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layoutFromFormatText();
    void typingReplacesAndArrowsCommit();
    void editingKeysKeepOrDiscard();
    void arrowsStopAtTheEdges();
    void cellChangesCommit();

private:
    std::unique_ptr<QWidget> container;
    EditableGrid *grid = nullptr;
};
