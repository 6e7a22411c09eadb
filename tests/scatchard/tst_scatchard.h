#pragma once

#include "TestFixture.h"
#include "graphing/DisplayList.h"
#include "shell/frmVn_Main.h"

#include <QObject>
#include <QWidget>

#include <memory>

class EditableGrid;
class frmScatchard;
class frmOptions;

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

class ScatchardWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowTextsAndStartState();
    void workedExampleTypedIntoTheGrid();
    void messagesOfTheRun_data();
    void messagesOfTheRun();
    void resultTextsOfTheIntervalCases();
    void clearFormAndClose();
    void assistantFollowsTheGrid();

private:
    void fill(const QList<QStringList> &rows);
    void clickCell(int row, int col);
    QStringList outputs() const;

    std::unique_ptr<frmVn_Main> main;
    frmScatchard *tool = nullptr;
    EditableGrid *grid = nullptr;
};

class ScatchardGraphTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lineAndPointsOfTheWorkedExample();
    void symbolAndAxisOverrides();
    void graphsOffOrCancelledDrawNothing();
    void applyRunsTheAnalysisAgain();
    void optionsButtonAndActivation();
    void unitChangesRescaleBoundOnly();

private:
    void analyze(const QList<QStringList> &rows);
    QList<QPointF> symbolCentres(DisplayItem::Kind kind) const;

    std::unique_ptr<frmVn_Main> main;
    frmScatchard *tool = nullptr;
    frmOptions *options = nullptr;
};
